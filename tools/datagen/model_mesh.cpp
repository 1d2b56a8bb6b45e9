#include "model_mesh.h"

#include <cmath>
#include <cstdio>

#include "terrain_noise.h"

namespace {
constexpr double Pi = 3.14159265358979323846;

Vec3 Place(Vec3 p, const Placement& w) {
  p = {p.x * w.scale.x, p.y * w.scale.y, p.z * w.scale.z};
  double a = w.yawDegrees * Pi / 180, c = std::cos(a), s = std::sin(a);
  // The same turn as a rotation about +y in the game: x towards -z.
  Vec3 t{p.x * c + p.z * s, p.y, -p.x * s + p.z * c};
  return t + w.offset;
}

Vec3 PlaceNormal(Vec3 n, const Placement& w) {
  n = {n.x / w.scale.x, n.y / w.scale.y, n.z / w.scale.z};
  double a = w.yawDegrees * Pi / 180, c = std::cos(a), s = std::sin(a);
  return Normalized({n.x * c + n.z * s, n.y, -n.x * s + n.z * c});
}

std::string Number(double v) {
  if (std::fabs(v) < 0.00005) return "0";
  char text[32];
  std::snprintf(text, sizeof text, "%.4f", v);
  std::string s = text;
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s;
}

bool SameColour(Colour a, Colour b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

std::string ColourLine(Colour c) {
  return "Color [" + Number(c.r) + " " + Number(c.g) + " " + Number(c.b) + "]";
}
}  // namespace

Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 operator*(Vec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
Vec3 Cross(Vec3 a, Vec3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 Normalized(Vec3 a) {
  double l = std::sqrt(Dot(a, a));
  return l > 0 ? a * (1 / l) : Vec3{0, 1, 0};
}

void Mesh::Triangle(Vec3 a, Vec3 b, Vec3 c) {
  Vec3 n = Normalized(Cross(b - a, c - a));
  Triangle(a, b, c, n, n, n);
}

void Mesh::Triangle(Vec3 a, Vec3 b, Vec3 c, Vec3 na, Vec3 nb, Vec3 nc) {
  // Degenerate slivers only cost lines in the file.
  Vec3 area = Cross(b - a, c - a);
  if (Dot(area, area) < 1e-12) return;
  MeshTriangle t;
  t.p[0] = a, t.p[1] = b, t.p[2] = c;
  t.n[0] = Normalized(na), t.n[1] = Normalized(nb), t.n[2] = Normalized(nc);
  t.colour = colour;
  triangles.push_back(t);
}

void Mesh::Quad(Vec3 a, Vec3 b, Vec3 c, Vec3 d) {
  Triangle(a, b, c);
  Triangle(a, c, d);
}

void Mesh::Add(const Mesh& part, const Placement& where) {
  bool mirrored = where.scale.x * where.scale.y * where.scale.z < 0;
  for (MeshTriangle t : part.triangles) {
    for (int k = 0; k < 3; ++k) {
      t.p[k] = Place(t.p[k], where);
      t.n[k] = PlaceNormal(t.n[k], where);
    }
    if (mirrored) {
      std::swap(t.p[1], t.p[2]);
      std::swap(t.n[1], t.n[2]);
    }
    triangles.push_back(t);
  }
}

Mesh Box(Vec3 lo, Vec3 hi, Colour colour) {
  Mesh m;
  m.colour = colour;
  Vec3 p000{lo.x, lo.y, lo.z}, p100{hi.x, lo.y, lo.z}, p010{lo.x, hi.y, lo.z},
      p110{hi.x, hi.y, lo.z}, p001{lo.x, lo.y, hi.z}, p101{hi.x, lo.y, hi.z},
      p011{lo.x, hi.y, hi.z}, p111{hi.x, hi.y, hi.z};
  m.Quad(p001, p101, p111, p011);  // +z
  m.Quad(p100, p000, p010, p110);  // -z
  m.Quad(p101, p100, p110, p111);  // +x
  m.Quad(p000, p001, p011, p010);  // -x
  m.Quad(p010, p011, p111, p110);  // +y
  m.Quad(p000, p100, p101, p001);  // -y
  return m;
}

Mesh Frustum(double y0, double r0, double y1, double r1, int sides, Colour colour, bool caps) {
  Mesh m;
  m.colour = colour;
  double h = y1 - y0;
  // Side normal of a frustum: radial part h, vertical part r0 - r1 (before normalising).
  for (int k = 0; k < sides; ++k) {
    double a0 = 2 * Pi * k / sides, a1 = 2 * Pi * (k + 1) / sides;
    Vec3 d0{std::cos(a0), 0, -std::sin(a0)}, d1{std::cos(a1), 0, -std::sin(a1)};
    Vec3 n0 = Normalized({d0.x * h, r0 - r1, d0.z * h}), n1 = Normalized({d1.x * h, r0 - r1, d1.z * h});
    Vec3 b0 = Vec3{0, y0, 0} + d0 * r0, b1 = Vec3{0, y0, 0} + d1 * r0;
    Vec3 t0 = Vec3{0, y1, 0} + d0 * r1, t1 = Vec3{0, y1, 0} + d1 * r1;
    if (r1 > 0) {
      m.Triangle(b0, b1, t1, n0, n1, n1);
      m.Triangle(b0, t1, t0, n0, n1, n0);
    } else {
      Vec3 nt = Normalized(n0 + n1);
      m.Triangle(b0, b1, t0, n0, n1, nt);
    }
    if (caps) {
      if (r0 > 0) m.Triangle(Vec3{0, y0, 0}, b1, b0);
      if (r1 > 0) m.Triangle(Vec3{0, y1, 0}, t0, t1);
    }
  }
  return m;
}

Mesh Blob(Vec3 radii, int rings, int sides, Colour colour, double roughness, unsigned seed) {
  Mesh m;
  m.colour = colour;
  std::vector<std::vector<Vec3>> points(rings + 1, std::vector<Vec3>(sides));
  for (int i = 0; i <= rings; ++i) {
    double lat = Pi * i / rings - Pi / 2;
    for (int k = 0; k < sides; ++k) {
      double lon = 2 * Pi * k / sides;
      double bump = (i == 0 || i == rings) ? 1 : 1 + roughness * (UnitHash(seed, i, k) * 2 - 1);
      points[i][k] = {radii.x * std::cos(lat) * std::cos(lon) * bump, radii.y * std::sin(lat) * bump,
                      -radii.z * std::cos(lat) * std::sin(lon) * bump};
    }
  }
  // Faceted on purpose: a rough stone or a low-polygon crown reads better with flat faces.
  for (int i = 0; i < rings; ++i) {
    for (int k = 0; k < sides; ++k) {
      int k1 = (k + 1) % sides;
      Vec3 a = points[i][k], b = points[i][k1], c = points[i + 1][k1], d = points[i + 1][k];
      if (i > 0) m.Triangle(a, b, c);
      if (i < rings - 1) m.Triangle(a, c, d);
    }
  }
  return m;
}

std::string RibText(const Mesh& mesh, const std::string& name, const std::string& about) {
  double lo[3] = {1e9, 1e9, 1e9}, hi[3] = {-1e9, -1e9, -1e9};
  int colourChanges = 0;
  for (size_t i = 0; i < mesh.triangles.size(); ++i) {
    const MeshTriangle& t = mesh.triangles[i];
    if (i > 0 && !SameColour(t.colour, mesh.triangles[i - 1].colour)) ++colourChanges;
    for (const Vec3& p : t.p) {
      double v[3] = {p.x, p.y, p.z};
      for (int a = 0; a < 3; ++a) lo[a] = std::min(lo[a], v[a]), hi[a] = std::max(hi[a], v[a]);
    }
  }
  std::string out;
  auto line = [&](const std::string& s) { out += s + "\r\n"; };
  line("##RenderMan RIB");
  line("##Scene " + name);
  line("##Creator vontel datagen");
  line("# " + about);
  line("# triangles " + std::to_string(mesh.triangles.size()) + ", colour changes " +
       std::to_string(colourChanges));
  line("# bounds x " + Number(lo[0]) + " " + Number(hi[0]) + " y " + Number(lo[1]) + " " +
       Number(hi[1]) + " z " + Number(lo[2]) + " " + Number(hi[2]));
  line("# y is up; one colour statement, then polygons of three corners");
  line("# with a normal for every corner");
  line("version 3.03");
  line("Declare \"N\" \"varying normal\"");
  line("Projection \"perspective\" \"fov\" [60]");
  line("Surface \"plastic\"");
  line("# geometry");
  Colour current = mesh.triangles.empty() ? Colour{} : mesh.triangles.front().colour;
  line(ColourLine(current));  // line 14
  for (const MeshTriangle& t : mesh.triangles) {
    if (!SameColour(t.colour, current)) {
      current = t.colour;
      line(ColourLine(current));
    }
    std::string s = "Polygon \"P\" [";
    auto add = [&s](const auto& v, bool first) {
      if (!first) s += ' ';
      s += Number(v.x);
      s += ' ';
      s += Number(v.y);
      s += ' ';
      s += Number(v.z);
    };
    for (int k = 0; k < 3; ++k) add(t.p[k], k == 0);
    s += "] \"N\" [";
    for (int k = 0; k < 3; ++k) add(t.n[k], k == 0);
    line(s + "]");
  }
  return out;
}

Mesh Limb(Vec3 a, Vec3 b, double r0, double r1, int sides, Colour colour) {
  Mesh m;
  m.colour = colour;
  Vec3 axis = Normalized(b - a);
  Vec3 helper = std::fabs(axis.y) < 0.9 ? Vec3{0, 1, 0} : Vec3{1, 0, 0};
  Vec3 u = Normalized(Cross(axis, helper)), v = Cross(axis, u);
  double length = std::sqrt(Dot(b - a, b - a));
  for (int k = 0; k < sides; ++k) {
    double a0 = 2 * Pi * k / sides, a1 = 2 * Pi * (k + 1) / sides;
    Vec3 d0 = u * std::cos(a0) + v * std::sin(a0), d1 = u * std::cos(a1) + v * std::sin(a1);
    Vec3 n0 = Normalized(d0 * length + axis * (r0 - r1)), n1 = Normalized(d1 * length + axis * (r0 - r1));
    Vec3 b0 = a + d0 * r0, b1 = a + d1 * r0, t0 = b + d0 * r1, t1 = b + d1 * r1;
    // The frame's turning sense depends on the axis, so each face is set outwards itself.
    Vec3 face = Cross(b1 - b0, t1 - b0);
    if (Dot(face, d0 + d1) >= 0) {
      m.Triangle(b0, b1, t1, n0, n1, n1);
      if (r1 > 0) m.Triangle(b0, t1, t0, n0, n1, n0);
    } else {
      m.Triangle(b1, b0, t1, n1, n0, n1);
      if (r1 > 0) m.Triangle(t1, b0, t0, n1, n0, n0);
    }
  }
  return m;
}

void OutwardTriangle(Mesh& mesh, Vec3 a, Vec3 b, Vec3 c, Vec3 inside) {
  Vec3 n = Cross(b - a, c - a);
  Vec3 centre = (a + b + c) * (1.0 / 3);
  if (Dot(n, centre - inside) < 0) std::swap(b, c);
  mesh.Triangle(a, b, c);
}
