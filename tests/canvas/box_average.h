#pragma once
// The reference the scaled pictures are checked against, worked out pixel by
// pixel: the rounded mean of each channel over the box of `source` that
// output pixel (x, y) of an output of `size` stands for.

#include <QImage>

#include <cstdint>

namespace canvas_testing {

inline QImage boxAverage(const QImage& source, QSize size) {
    QImage averaged(size, QImage::Format_RGB32);
    const auto edge = [](int i, int from, int to) {
        return static_cast<int>(std::int64_t{i} * from / to);
    };
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            std::int64_t sums[3] = {0, 0, 0};
            std::int64_t count = 0;
            for (int sy = edge(y, source.height(), size.height());
                 sy < edge(y + 1, source.height(), size.height()); ++sy) {
                for (int sx = edge(x, source.width(), size.width());
                     sx < edge(x + 1, source.width(), size.width()); ++sx) {
                    const QRgb p = source.pixel(sx, sy);
                    sums[0] += qRed(p), sums[1] += qGreen(p), sums[2] += qBlue(p), ++count;
                }
            }
            averaged.setPixel(x, y,
                              qRgb(static_cast<int>((sums[0] + count / 2) / count),
                                   static_cast<int>((sums[1] + count / 2) / count),
                                   static_cast<int>((sums[2] + count / 2) / count)));
        }
    }
    return averaged;
}

} // namespace canvas_testing
