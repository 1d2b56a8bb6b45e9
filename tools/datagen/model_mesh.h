#pragma once
// Triangle meshes with a colour per triangle and a normal per corner, built from a few
// primitive shapes, and written as model files in the game's RIB subset.
#include <string>
#include <vector>

struct Vec3 {
  double x = 0, y = 0, z = 0;
};
Vec3 operator+(Vec3 a, Vec3 b);
Vec3 operator-(Vec3 a, Vec3 b);
Vec3 operator*(Vec3 a, double s);
Vec3 Cross(Vec3 a, Vec3 b);
double Dot(Vec3 a, Vec3 b);
Vec3 Normalized(Vec3 a);

struct Colour {
  double r = 1, g = 1, b = 1;
};

struct MeshTriangle {
  Vec3 p[3];
  Vec3 n[3];
  Colour colour;
};

// Where a part goes: scaled, then turned about y (degrees), then moved.
struct Placement {
  Vec3 offset;
  Vec3 scale{1, 1, 1};
  double yawDegrees = 0;
};

struct Mesh {
  std::vector<MeshTriangle> triangles;
  Colour colour;  // colour of the triangles added next

  // Corners counter-clockwise seen from outside; the normal is the face's own.
  void Triangle(Vec3 a, Vec3 b, Vec3 c);
  void Triangle(Vec3 a, Vec3 b, Vec3 c, Vec3 na, Vec3 nb, Vec3 nc);
  void Quad(Vec3 a, Vec3 b, Vec3 c, Vec3 d);
  // Appends `part` moved by `where` (normals follow the scale and the turn).
  void Add(const Mesh& part, const Placement& where);
};

// Primitive parts, all in their own frame with y up.
Mesh Box(Vec3 low, Vec3 high, Colour colour);
// A frustum around the y axis from y0 (radius r0) to y1 (radius r1); r1 = 0 gives a cone.
// Sides are smooth-shaded; `caps` closes the ends.
Mesh Frustum(double y0, double r0, double y1, double r1, int sides, Colour colour, bool caps);
// A low-polygon ellipsoid around the origin, its surface pushed in and out by `roughness`
// (0 = smooth) from `seed`.
Mesh Blob(Vec3 radii, int rings, int sides, Colour colour, double roughness, unsigned seed);

// The model file: 13 header lines, the first colour on line 14, then triangle lines each
// preceded by a colour line where the colour changes. Numbers use a point as decimal mark.
std::string RibText(const Mesh& mesh, const std::string& name, const std::string& about);

// A round limb from a to b (radius r0 at a, r1 at b), for branches, stems and posts.
Mesh Limb(Vec3 a, Vec3 b, double r0, double r1, int sides, Colour colour);
// Adds a triangle turned so that its face looks away from `inside`.
void OutwardTriangle(Mesh& mesh, Vec3 a, Vec3 b, Vec3 c, Vec3 inside);
