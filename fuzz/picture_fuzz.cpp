// One picture file of any bytes, as the catalogues read their pictures: it is
// decoded within the limits or refused with a reason, never both.

#include "fuzz/fuzz_support.h"

#include "canvas/picture_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::ensureGuiApplication();
    auto& world = fuzzing::ScratchWorld::instance();
    world.write("picture.bmp", std::string_view(reinterpret_cast<const char*>(data), size));
    const canvas::PictureReading reading = canvas::readPicture(world.text() + "picture.bmp");
    if (reading.image.isNull() == reading.reason.empty())
        fuzzing::fail("a picture is both read and refused, or neither");
    if (!reading.image.isNull() && (reading.image.format() != QImage::Format_RGB32 ||
                                    static_cast<std::uint64_t>(reading.image.sizeInBytes()) >
                                        (std::uint64_t{canvas::kMaxPictureMegabytes} << 20)))
        fuzzing::fail("a picture beyond the limits or in another format was read");
    return 0;
}
