#include "canvas/zoom_scaling.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace canvas {
namespace {

constexpr std::uint32_t kColourBits = 0x00FFFFFFu;

// Sums of the four channels of a set of pixels.
struct ChannelSums {
    std::uint64_t channel[4] = {0, 0, 0, 0};
    std::uint64_t count = 0;

    void add(std::uint32_t pixel) {
        for (int c = 0; c < 4; ++c)
            channel[c] += (pixel >> (8 * c)) & 0xFFu;
        ++count;
    }
    // The rounded average of each channel; count must not be 0.
    std::uint32_t average() const {
        std::uint32_t pixel = 0;
        for (int c = 0; c < 4; ++c)
            pixel |= static_cast<std::uint32_t>((channel[c] + count / 2) / count) << (8 * c);
        return pixel;
    }
};

bool drawsOpaque(std::uint32_t orBits) {
    return (orBits & kColourBits) == kColourBits;
}

bool keepsDestination(std::uint32_t orBits, std::uint32_t andBits) {
    return (orBits & kColourBits) == 0 && (andBits & kColourBits) == kColourBits;
}

// The pixels of one zoomed pixel's box that lie inside a picture.
struct Box {
    int x0, x1, y0, y1; // clipped to the picture
    std::int64_t area;  // the whole box, inside the picture or not
};

// The boxes of the zoomed pixels along one axis of a picture `length` pixels
// long, worked out once for all its rows or columns.
struct AxisBoxes {
    std::vector<int> first;
    std::vector<int> end; // clipped to the picture
    std::vector<int> size;

    AxisBoxes(const ZoomAxis& axis, int zoomedLength, int length) {
        for (int d = 0; d < zoomedLength; ++d) {
            const std::int64_t begin = axis.sourceBegin(d);
            const std::int64_t finish = axis.sourceEnd(d);
            first.push_back(static_cast<int>(begin));
            end.push_back(static_cast<int>(std::min<std::int64_t>(finish, length)));
            size.push_back(static_cast<int>(finish - begin));
        }
    }
};

struct Boxes {
    AxisBoxes x;
    AxisBoxes y;

    Boxes(const ViewZoom& zoom, QSize zoomed, QSize picture)
        : x(zoom.x, zoomed.width(), picture.width()), y(zoom.y, zoomed.height(), picture.height()) {
    }
    Box at(int column, int row) const {
        const auto i = static_cast<std::size_t>(column);
        const auto j = static_cast<std::size_t>(row);
        return {x.first[i], x.end[i], y.first[j], y.end[j],
                std::int64_t{x.size[i]} * std::int64_t{y.size[j]}};
    }
};

// The zoomed OR and AND bits of one box.
void zoomMaskedBox(const MaskedImage& image, const Box& box, std::uint32_t& orBits,
                   std::uint32_t& andBits) {
    ChannelSums opaqueAnd, changingOr, changingAnd;
    for (int y = box.y0; y < box.y1; ++y) {
        const std::uint32_t* orRow = image.orRow(y);
        const std::uint32_t* andRow = image.andRow(y);
        for (int x = box.x0; x < box.x1; ++x) {
            if (keepsDestination(orRow[x], andRow[x]))
                continue;
            if (drawsOpaque(orRow[x]))
                opaqueAnd.add(andRow[x]);
            changingOr.add(orRow[x]);
            changingAnd.add(andRow[x]);
        }
    }
    const auto atLeastHalf = [&](const ChannelSums& sums) {
        return sums.count > 0 && 2 * static_cast<std::int64_t>(sums.count) >= box.area;
    };
    if (atLeastHalf(opaqueAnd)) {
        orBits = kColourBits;
        andBits = opaqueAnd.average() | 0xFF000000u;
    } else if (atLeastHalf(changingAnd)) {
        orBits = changingOr.average();
        andBits = changingAnd.average();
    } else {
        orBits = 0;
        andBits = 0xFFFFFFFFu;
    }
}

} // namespace

QImage zoomedPicture(const QImage& picture, const ViewZoom& zoom) {
    const auto width = static_cast<int>(zoom.x.viewLength(picture.width()));
    const auto height = static_cast<int>(zoom.y.viewLength(picture.height()));
    QImage zoomed(width, height, QImage::Format_RGB32);
    const Boxes boxes(zoom, zoomed.size(), picture.size());
    for (int y = 0; y < height; ++y) {
        auto* to = reinterpret_cast<std::uint32_t*>(zoomed.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const Box box = boxes.at(x, y);
            if (box.area == 1) { // zooming in: the one pixel as it is
                to[x] =
                    reinterpret_cast<const std::uint32_t*>(picture.constScanLine(box.y0))[box.x0];
                continue;
            }
            ChannelSums sums;
            for (int sy = box.y0; sy < box.y1; ++sy) {
                const auto* from =
                    reinterpret_cast<const std::uint32_t*>(picture.constScanLine(sy));
                for (int sx = box.x0; sx < box.x1; ++sx)
                    sums.add(from[sx]);
            }
            to[x] = 0xFF000000u | sums.average();
        }
    }
    return zoomed;
}

MaskedImage zoomedMasked(const MaskedImage& image, const ViewZoom& zoom) {
    if (image.isNull())
        return {};
    const auto width = static_cast<int>(zoom.x.viewLength(image.width()));
    const auto height = static_cast<int>(zoom.y.viewLength(image.height()));
    const auto size = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::vector<std::uint32_t> orBits(size);
    std::vector<std::uint32_t> andBits(size);
    const Boxes boxes(zoom, QSize(width, height), QSize(image.width(), image.height()));
    std::size_t at = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x, ++at) {
            const Box box = boxes.at(x, y);
            if (box.area == 1) { // zooming in: the one pixel as it is
                orBits[at] = image.orRow(box.y0)[box.x0];
                andBits[at] = image.andRow(box.y0)[box.x0];
            } else {
                zoomMaskedBox(image, box, orBits[at], andBits[at]);
            }
        }
    }
    return MaskedImage::fromBits(width, height, std::move(orBits), std::move(andBits));
}

Tint tintOf(const MaskedImage& pattern) {
    if (pattern.isNull())
        return {};
    ChannelSums changing;
    for (int y = 0; y < pattern.height(); ++y)
        for (int x = 0; x < pattern.width(); ++x)
            if (!keepsDestination(pattern.orRow(y)[x], pattern.andRow(y)[x]))
                changing.add(pattern.andRow(y)[x]);
    if (changing.count == 0)
        return {};
    const std::uint64_t area =
        static_cast<std::uint64_t>(pattern.width()) * static_cast<std::uint64_t>(pattern.height());
    return Tint(changing.average() | 0xFF000000u,
                static_cast<int>((256 * changing.count + area / 2) / area));
}

} // namespace canvas
