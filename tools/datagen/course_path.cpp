#include "course_path.h"

#include <cmath>
#include <stdexcept>

namespace {
constexpr double Pi = 3.14159265358979323846;
// Land kept between two stretches of the same river, beyond both half widths.
constexpr double MinimumLandBetweenStretches = 18.0;
// Water kept away from the map's border.
constexpr double BorderMargin = 4.0;
}  // namespace

CourseStep Run(double length, double halfWidth) {
  CourseStep s;
  s.kind = CourseStep::Straight;
  s.length = length;
  s.halfWidth = halfWidth;
  return s;
}

CourseStep Bend(double degrees, double radius, double halfWidth) {
  CourseStep s;
  s.kind = CourseStep::Turn;
  s.degrees = degrees;
  s.radius = radius;
  s.halfWidth = halfWidth;
  return s;
}

CoursePath WalkCourse(const std::vector<CourseStep>& steps, double startHalfWidth) {
  CoursePath path;
  double col = BoatStartCol + CourseLeadIn, row = BoatStartRow;
  double heading = Pi;  // towards smaller columns
  double halfWidth = startHalfWidth;
  double along = 0;
  auto emit = [&] {
    CourseSample s;
    s.col = col;
    s.row = row;
    s.dirCol = std::cos(heading);
    s.dirRow = std::sin(heading);
    s.halfWidth = halfWidth;
    s.along = along;
    path.samples.push_back(s);
  };
  emit();
  for (const CourseStep& step : steps) {
    double length = step.kind == CourseStep::Straight
                        ? step.length
                        : std::fabs(step.degrees) * Pi / 180.0 * step.radius;
    int count = std::max(1, (int)std::lround(length / SampleSpacing));
    double ds = length / count;
    // Positive degrees bend towards larger rows while heading towards smaller columns,
    // i.e. the heading angle (measured from +col towards +row) decreases.
    double turnPerSample =
        step.kind == CourseStep::Turn ? -step.degrees * Pi / 180.0 / count : 0.0;
    double startWidth = halfWidth;
    for (int k = 1; k <= count; ++k) {
      // Midpoint rule keeps arcs on their circle closely enough at this spacing.
      double mid = heading + turnPerSample / 2;
      col += std::cos(mid) * ds;
      row += std::sin(mid) * ds;
      heading += turnPerSample;
      along += ds;
      halfWidth = startWidth + (step.halfWidth - startWidth) * k / count;
      emit();
    }
  }
  path.length = along;
  return path;
}

const CourseSample& SampleAt(const CoursePath& path, double along) {
  long index = std::lround(along / SampleSpacing);
  if (index < 0) index = 0;
  if (index >= (long)path.samples.size()) index = (long)path.samples.size() - 1;
  return path.samples[index];
}

void ValidateCourse(const CoursePath& path, const std::string& what) {
  const auto& s = path.samples;
  for (const CourseSample& p : s) {
    double reach = p.halfWidth + BorderMargin;
    // The source behind the boat's start ends square (see MeasureRiver), not round.
    double colReach = p.along < reach + 5 ? 3 : reach;
    if (p.col < reach || p.col > 319 - colReach || p.row < reach || p.row > 319 - reach) {
      throw std::runtime_error(what + ": the river leaves the map near column " +
                               std::to_string((int)p.col) + ", row " +
                               std::to_string((int)p.row));
    }
  }
  const size_t stride = 4;
  for (size_t i = 0; i < s.size(); i += stride) {
    for (size_t j = i + stride; j < s.size(); j += stride) {
      double gap = s[j].along - s[i].along;
      double need = s[i].halfWidth + s[j].halfWidth + MinimumLandBetweenStretches;
      // Neighbouring samples of one stretch are close by nature; only stretches that are
      // far apart along the river must keep a bank between them.
      if (gap < need * Pi / 2 + 10) continue;
      double dc = s[i].col - s[j].col, dr = s[i].row - s[j].row;
      if (dc * dc + dr * dr < need * need) {
        throw std::runtime_error(what + ": the river comes too close to itself near column " +
                                 std::to_string((int)s[j].col) + ", row " +
                                 std::to_string((int)s[j].row));
      }
    }
  }
}

std::vector<CourseStep> CourseThrough(const std::vector<Waypoint>& points, const std::string& what) {
  struct Leg {
    double dc, dr, length;
  };
  std::vector<Waypoint> all;
  all.push_back({BoatStartCol + CourseLeadIn, BoatStartRow, 0, points.empty() ? 8 : points[0].halfWidth});
  all.insert(all.end(), points.begin(), points.end());
  std::vector<Leg> legs;
  for (size_t k = 0; k + 1 < all.size(); ++k) {
    double dc = all[k + 1].col - all[k].col, dr = all[k + 1].row - all[k].row;
    double length = std::sqrt(dc * dc + dr * dr);
    legs.push_back({dc / length, dr / length, length});
  }
  // Turn angle and tangent length of the bend at each inner waypoint.
  std::vector<double> turn(all.size(), 0), tangent(all.size(), 0);
  for (size_t k = 1; k + 1 < all.size(); ++k) {
    const Leg &a = legs[k - 1], &b = legs[k];
    double cross = a.dc * b.dr - a.dr * b.dc, dot = a.dc * b.dc + a.dr * b.dr;
    double angle = std::atan2(cross, dot);  // positive: towards larger rows heading west
    turn[k] = -angle * 180 / Pi;
    tangent[k] = all[k].radius * std::tan(std::fabs(angle) / 2);
  }
  std::vector<CourseStep> steps;
  for (size_t k = 0; k < legs.size(); ++k) {
    double straight = legs[k].length - tangent[k] - tangent[k + 1];
    if (straight < 0) {
      throw std::runtime_error(what + ": the bends at column " + std::to_string((int)all[k].col) +
                               ", row " + std::to_string((int)all[k].row) + " and the next waypoint overlap");
    }
    // The width changes over the straight; a bend keeps the width it starts with.
    steps.push_back(Run(straight, all[k + 1].halfWidth));
    if (k + 1 < legs.size() && std::fabs(turn[k + 1]) > 1e-9)
      steps.push_back(Bend(turn[k + 1], all[k + 1].radius, all[k + 1].halfWidth));
  }
  return steps;
}
