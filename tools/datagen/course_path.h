#pragma once
// A river course described as a turtle walk: straight runs and arcs, each with the half
// width the channel has at its end. The walk starts at the boat's start cell heading
// towards smaller columns, and is sampled into a dense centreline.
#include <string>
#include <vector>

// Positions are in heightmap cells: col and row, both 0..319 on the map.
struct CourseStep {
  enum Kind { Straight, Turn } kind = Straight;
  double length = 0;     // Straight: cells along the centreline
  double degrees = 0;    // Turn: positive bends towards larger rows when heading to smaller columns
  double radius = 0;     // Turn: radius of the centreline arc, in cells
  double halfWidth = 0;  // half width of the channel at the end of the step (linear in between)
};

struct CourseSample {
  double col = 0, row = 0;
  double dirCol = 0, dirRow = 0;  // unit direction of travel
  double halfWidth = 0;
  double along = 0;  // arc length from the start of the course, in cells
};

struct CoursePath {
  std::vector<CourseSample> samples;  // spaced SampleSpacing apart
  double length = 0;
};

inline constexpr double SampleSpacing = 0.5;
// The fixed boat start of every race: heightmap column 311, row 14, heading towards smaller
// columns. Courses begin a few cells behind it so the boat starts in open water.
inline constexpr double BoatStartCol = 311.0;
inline constexpr double BoatStartRow = 14.0;
inline constexpr double CourseLeadIn = 5.0;  // cells of channel behind the boat

CoursePath WalkCourse(const std::vector<CourseStep>& steps, double startHalfWidth);
// The sample nearest to arc length `along` (clamped to the course).
const CourseSample& SampleAt(const CoursePath& path, double along);

// Throws std::runtime_error naming `what` when the course leaves the map's safe area or
// comes so close to itself that two stretches would share a bank.
void ValidateCourse(const CoursePath& path, const std::string& what);

// Step builders that keep the descriptions short.
CourseStep Run(double length, double halfWidth);
CourseStep Bend(double degrees, double radius, double halfWidth);

// A course given as corners on the map: straight runs between the waypoints, rounded at
// each inner waypoint with an arc of its radius. The first waypoint must lie straight ahead
// of the boat's start (row 14, a smaller column). Throws std::runtime_error naming `what`
// when two corners are too close for their radii.
struct Waypoint {
  double col = 0, row = 0;
  double radius = 0;     // of the bend at this waypoint (ignored at the last one)
  double halfWidth = 0;  // channel half width reached at this waypoint
};
std::vector<CourseStep> CourseThrough(const std::vector<Waypoint>& waypoints, const std::string& what);
