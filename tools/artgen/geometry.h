#pragma once
// Distances for drawing roads and tunnels along broken lines.

#include <vector>

namespace artgen {

struct Point {
    double x = 0, y = 0;
};

double distanceToSegment(Point p, Point a, Point b);
double distanceToPolyline(Point p, const std::vector<Point>& line);

} // namespace artgen
