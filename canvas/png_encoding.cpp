#include "canvas/png_encoding.h"

#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

namespace canvas {
namespace {

void appendBigEndian(std::string& out, std::uint32_t value) {
    const char bytes[4] = {static_cast<char>(value >> 24), static_cast<char>(value >> 16),
                           static_cast<char>(value >> 8), static_cast<char>(value)};
    out.append(bytes, 4);
}

// Appends a chunk: its length, type, data and the CRC of type and data.
void appendChunk(std::string& out, const char type[4], const unsigned char* data,
                 std::size_t size) {
    appendBigEndian(out, static_cast<std::uint32_t>(size));
    const std::size_t typeAt = out.size();
    out.append(type, 4);
    out.append(reinterpret_cast<const char*>(data), size);
    const auto crc =
        crc32(0, reinterpret_cast<const Bytef*>(out.data() + typeAt), static_cast<uInt>(size + 4));
    appendBigEndian(out, static_cast<std::uint32_t>(crc));
}

std::uint8_t paethPredictor(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc)
        return static_cast<std::uint8_t>(a);
    return static_cast<std::uint8_t>(pb <= pc ? b : c);
}

// Writes the filter byte and the filtered bytes of `row` (its `above` row
// null for the first) into `out`.
void filterRow(PngRowFilter filter, const unsigned char* row, const unsigned char* above,
               std::size_t bytes, std::size_t pixel, unsigned char* out) {
    out[0] = static_cast<unsigned char>(filter);
    unsigned char* filtered = out + 1;
    switch (filter) {
    case PngRowFilter::None:
        std::memcpy(filtered, row, bytes);
        return;
    case PngRowFilter::Sub:
        for (std::size_t i = 0; i < bytes; ++i)
            filtered[i] = static_cast<unsigned char>(row[i] - (i >= pixel ? row[i - pixel] : 0));
        return;
    case PngRowFilter::Up:
        for (std::size_t i = 0; i < bytes; ++i)
            filtered[i] = static_cast<unsigned char>(row[i] - (above ? above[i] : 0));
        return;
    case PngRowFilter::Average:
        for (std::size_t i = 0; i < bytes; ++i) {
            const int left = i >= pixel ? row[i - pixel] : 0;
            const int up = above ? above[i] : 0;
            filtered[i] = static_cast<unsigned char>(row[i] - (left + up) / 2);
        }
        return;
    case PngRowFilter::Paeth:
        for (std::size_t i = 0; i < bytes; ++i) {
            const int left = i >= pixel ? row[i - pixel] : 0;
            const int up = above ? above[i] : 0;
            const int upLeft = above && i >= pixel ? above[i - pixel] : 0;
            filtered[i] = static_cast<unsigned char>(row[i] - paethPredictor(left, up, upLeft));
        }
        return;
    }
}

struct Stripe {
    int firstRow = 0;
    int endRow = 0;
    std::string deflated; // raw deflate, ended on a byte boundary (the last: finished)
    uLong adler = 1;      // of its filtered bytes
    uLong filteredBytes = 0;
    bool failed = false;
};

void encodeStripe(const QImage& rgb, std::size_t pixel, const PngEncoding& encoding, bool last,
                  Stripe& stripe) {
    const auto rowBytes = static_cast<std::size_t>(rgb.width()) * pixel;
    std::vector<unsigned char> filtered(rowBytes + 1);
    z_stream stream{};
    if (deflateInit2(&stream, encoding.level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        stripe.failed = true;
        return;
    }
    const uLong rows = static_cast<uLong>(stripe.endRow - stripe.firstRow);
    stripe.deflated.resize(deflateBound(&stream, rows * (rowBytes + 1)) + 64);
    stream.next_out = reinterpret_cast<Bytef*>(stripe.deflated.data());
    stream.avail_out = static_cast<uInt>(stripe.deflated.size());
    for (int y = stripe.firstRow; y < stripe.endRow; ++y) {
        filterRow(encoding.filter, rgb.constScanLine(y), y > 0 ? rgb.constScanLine(y - 1) : nullptr,
                  rowBytes, pixel, filtered.data());
        stripe.adler = adler32(stripe.adler, filtered.data(), static_cast<uInt>(filtered.size()));
        stream.next_in = filtered.data();
        stream.avail_in = static_cast<uInt>(filtered.size());
        const bool end = y + 1 == stripe.endRow;
        const int flush = end ? (last ? Z_FINISH : Z_SYNC_FLUSH) : Z_NO_FLUSH;
        const int result = deflate(&stream, flush);
        if (result == Z_STREAM_ERROR || stream.avail_in != 0) {
            stripe.failed = true;
            break;
        }
    }
    stripe.filteredBytes = rows * static_cast<uLong>(rowBytes + 1);
    stripe.deflated.resize(stripe.deflated.size() - stream.avail_out);
    deflateEnd(&stream);
}

} // namespace

std::string encodePng(const QImage& image, const PngEncoding& encoding) {
    if (image.isNull())
        return {};
    // 8-bit RGB, or RGBA when the picture has an alpha channel.
    const bool alpha = image.hasAlphaChannel();
    const QImage::Format format = alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888;
    const QImage rgb = image.format() == format ? image : image.convertToFormat(format);
    const std::size_t pixel = alpha ? 4 : 3;
    const int height = rgb.height();
    const int stripeRows = std::max(1, encoding.stripeRows);
    std::vector<Stripe> stripes((height + stripeRows - 1) / stripeRows);
    for (std::size_t i = 0; i < stripes.size(); ++i) {
        stripes[i].firstRow = static_cast<int>(i) * stripeRows;
        stripes[i].endRow = std::min(height, stripes[i].firstRow + stripeRows);
    }
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i; (i = next++) < stripes.size();)
            encodeStripe(rgb, pixel, encoding, i + 1 == stripes.size(), stripes[i]);
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < std::min<int>(encoding.threads, static_cast<int>(stripes.size())); ++t)
        helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers)
        helper.join();

    std::string out("\x89PNG\r\n\x1a\n", 8);
    unsigned char header[13];
    const auto putBigEndian = [](unsigned char* at, std::uint32_t value) {
        at[0] = static_cast<unsigned char>(value >> 24);
        at[1] = static_cast<unsigned char>(value >> 16);
        at[2] = static_cast<unsigned char>(value >> 8);
        at[3] = static_cast<unsigned char>(value);
    };
    putBigEndian(header, static_cast<std::uint32_t>(rgb.width()));
    putBigEndian(header + 4, static_cast<std::uint32_t>(height));
    header[8] = 8;             // bits per channel
    header[9] = alpha ? 6 : 2; // RGBA or RGB
    header[10] = 0;            // deflate
    header[11] = 0;            // adaptive filtering, one filter byte per row
    header[12] = 0;            // not interlaced
    appendChunk(out, "IHDR", header, sizeof header);

    // The zlib stream: its header, the stripes, the Adler-32 of all filtered rows.
    const unsigned char zlibHeader[2] = {0x78, 0x01};
    uLong adler = 1;
    std::string data(reinterpret_cast<const char*>(zlibHeader), 2);
    for (const Stripe& stripe : stripes) {
        if (stripe.failed)
            return {};
        adler = adler32_combine(adler, stripe.adler, static_cast<z_off_t>(stripe.filteredBytes));
        data += stripe.deflated;
        // IDAT chunks of at most a few megabytes, as readers expect.
        if (data.size() >= (std::size_t{8} << 20)) {
            appendChunk(out, "IDAT", reinterpret_cast<const unsigned char*>(data.data()),
                        data.size());
            data.clear();
        }
    }
    unsigned char trailer[4];
    putBigEndian(trailer, static_cast<std::uint32_t>(adler));
    data.append(reinterpret_cast<const char*>(trailer), 4);
    appendChunk(out, "IDAT", reinterpret_cast<const unsigned char*>(data.data()), data.size());
    appendChunk(out, "IEND", nullptr, 0);
    return out;
}

} // namespace canvas
