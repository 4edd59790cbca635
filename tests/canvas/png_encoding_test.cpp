// The striped PNG encoder: what a PNG reader decodes from its files is the
// picture, pixel for pixel, for every row filter, for pictures of one stripe
// and of many (the stripes' deflate streams joined, their checksums combined),
// and the bytes do not depend on the number of threads.

#include "canvas/picture_format.h"
#include "canvas/png_encoding.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>

#include <filesystem>
#include <fstream>
#include <random>

namespace {

// A picture with smooth areas, repeats and noise, so every filter and the
// deflate matches across rows and stripes get exercised.
QImage testPicture(int width, int height, unsigned seed) {
    QImage picture(width, height, QImage::Format_RGB32);
    std::mt19937 random(seed);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool noisy = (x / 7 + y / 5) % 3 == 0;
            const unsigned value = noisy ? random() & 0xFFFFFF
                                         : (static_cast<unsigned>(x % 32) * 8) << 16 |
                                               (static_cast<unsigned>(y % 32) * 8) << 8 |
                                               static_cast<unsigned>((x + y) % 256);
            picture.setPixel(x, y, 0xFF000000u | value);
        }
    return picture;
}

QImage decoded(const std::string& png) {
    QByteArray bytes(png.data(), static_cast<qsizetype>(png.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "PNG");
    QImage image = reader.read();
    EXPECT_FALSE(image.isNull()) << reader.errorString().toStdString();
    return image.convertToFormat(QImage::Format_RGB32);
}

void expectSamePixels(const QImage& actual, const QImage& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y)) {
                ADD_FAILURE() << "first difference at " << x << "," << y;
                return;
            }
}

struct Case {
    int width;
    int height;
    int stripeRows;
};

TEST(PngEncoding, DecodesToThePictureForEveryFilterAndStripeLayout) {
    const Case cases[] = {{1, 1, 256}, {5, 3, 1}, {33, 17, 4}, {300, 70, 16}, {64, 600, 256}};
    const canvas::PngRowFilter filters[] = {canvas::PngRowFilter::None, canvas::PngRowFilter::Sub,
                                            canvas::PngRowFilter::Up, canvas::PngRowFilter::Average,
                                            canvas::PngRowFilter::Paeth};
    unsigned seed = 1;
    for (const Case& c : cases)
        for (const canvas::PngRowFilter filter : filters)
            for (const int level : {0, 2, 9}) {
                SCOPED_TRACE(testing::Message()
                             << c.width << "x" << c.height << " stripes of " << c.stripeRows
                             << ", filter " << static_cast<int>(filter) << ", level " << level);
                const QImage picture = testPicture(c.width, c.height, seed++);
                canvas::PngEncoding encoding;
                encoding.level = level;
                encoding.filter = filter;
                encoding.stripeRows = c.stripeRows;
                encoding.threads = 3;
                const std::string png = canvas::encodePng(picture, encoding);
                ASSERT_FALSE(png.empty());
                expectSamePixels(decoded(png), picture);
            }
}

TEST(PngEncoding, TheFileIsTheSameOnOneThreadAndOnMany) {
    const QImage picture = testPicture(200, 333, 7);
    canvas::PngEncoding encoding;
    encoding.stripeRows = 10;
    encoding.threads = 1;
    const std::string alone = canvas::encodePng(picture, encoding);
    encoding.threads = 4;
    EXPECT_EQ(canvas::encodePng(picture, encoding), alone);
}

TEST(PngEncoding, TransparencyIsKeptForPicturesWithAlpha) {
    QImage picture(37, 21, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgba(x * 6, y * 12, 99, (x + y) % 3 == 0 ? 0 : 255));
    for (const canvas::PngRowFilter filter :
         {canvas::PngRowFilter::Sub, canvas::PngRowFilter::Paeth}) {
        canvas::PngEncoding encoding;
        encoding.filter = filter;
        encoding.stripeRows = 4;
        const std::string png = canvas::encodePng(picture, encoding);
        QImage read = QImage::fromData(reinterpret_cast<const uchar*>(png.data()),
                                       static_cast<int>(png.size()), "PNG");
        ASSERT_TRUE(read.hasAlphaChannel());
        read = read.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                ASSERT_EQ(read.pixel(x, y), picture.pixel(x, y)) << x << "," << y;
    }
    EXPECT_TRUE(canvas::encodePng(QImage(), {}).empty());
}

TEST(PngEncoding, WrittenPictureFilesUseIt) {
    const QImage picture = testPicture(90, 40, 3);
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "mapedit-png-encoding-test.png";
    std::string reason;
    ASSERT_TRUE(canvas::writePictureFile(picture, file, reason)) << reason;
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    std::filesystem::remove(file);
    EXPECT_EQ(bytes, canvas::encodePng(picture, canvas::kPngEncoding));
    expectSamePixels(decoded(bytes), picture);
}

} // namespace
