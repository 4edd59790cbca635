#include "geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace artgen {

double distanceToSegment(Point p, Point a, Point b) {
    const double vx = b.x - a.x, vy = b.y - a.y;
    const double len2 = vx * vx + vy * vy;
    double t = len2 > 0 ? ((p.x - a.x) * vx + (p.y - a.y) * vy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double dx = p.x - (a.x + t * vx), dy = p.y - (a.y + t * vy);
    return std::sqrt(dx * dx + dy * dy);
}

double distanceToPolyline(Point p, const std::vector<Point>& line) {
    double best = std::numeric_limits<double>::max();
    for (std::size_t i = 1; i < line.size(); ++i)
        best = std::min(best, distanceToSegment(p, line[i - 1], line[i]));
    return best;
}

} // namespace artgen
