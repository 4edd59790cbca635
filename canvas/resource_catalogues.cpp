#include "canvas/resource_catalogues.h"

#include "canvas/catalogue_count.h"
#include "canvas/picture_file.h"
#include "support/cp1251.h"
#include "support/file_system.h"
#include "support/ini_snapshot.h"
#include "support/mdl_ini.h"
#include "support/mdl_main.h"

#include <algorithm>
#include <atomic>
#include <limits>

namespace canvas {
namespace {

// Reasons are shown to the designer: written here in UTF-8, kept in code page 1251.
std::string ru(std::string_view utf8) {
    return cp1251::fromUtf8(utf8);
}

// Object codes are two bytes and code n draws entry n - 1.
constexpr std::int64_t kHighestObjectEntry = 65534;

// The pictures of one catalogue together take at most this much memory. Each
// picture is limited on its own, but a catalogue names up to 65535 of them,
// and a picture of a few kilobytes on disk may decode to the limit.
constexpr std::uint64_t kMaxCatalogueBytes = std::uint64_t{1} << 30;

// Counts the memory a catalogue's pictures take as they are loaded.
class PictureBudget {
public:
    // False once the pictures taken so far exceed the limit.
    bool take(std::uint64_t bytes) {
        m_taken += bytes;
        return m_taken <= kMaxCatalogueBytes;
    }

private:
    std::uint64_t m_taken = 0;
};

std::uint64_t bytesOf(const QImage& image) {
    return static_cast<std::uint64_t>(image.sizeInBytes());
}

// The masked sprite of a picture covers the picture, with two words a pixel.
std::uint64_t spriteBytes(const QImage& picture) {
    const std::uint64_t pixels =
        static_cast<std::uint64_t>(picture.width()) * static_cast<std::uint64_t>(picture.height());
    return pixels > kMaxCatalogueBytes ? kMaxCatalogueBytes + 1 : pixels * 8;
}

std::uint64_t nextGeneration() {
    static std::atomic<std::uint64_t> counter{0};
    return ++counter;
}

std::string entrySection(std::int32_t i) {
    return "OBJ-" + std::to_string(i);
}

// A file value counts as given when something other than spaces is left.
bool isGiven(std::string_view value) {
    return value.find_first_not_of(' ') != std::string_view::npos;
}

ResourceLoadResult failure(std::string file, std::string reason, std::string reasonEnglish) {
    ResourceLoadResult result;
    result.ok = false;
    result.file = std::move(file);
    result.reason = std::move(reason);
    result.reasonEnglish = std::move(reasonEnglish);
    return result;
}

// Reads "Count" of section "DATA"; on success `count` is the value.
template <typename Integer>
ResourceLoadResult readCatalogueCount(const std::string& file, const ini::IniSnapshot& catalogue,
                                      std::int64_t& count) {
    const std::string text = catalogue.read("DATA", "Count", "-1");
    const CountReading reading =
        readCount(text, std::numeric_limits<Integer>::min(), std::numeric_limits<Integer>::max());
    switch (reading.status) {
    case CountReading::Status::NotANumber:
        return failure(file,
                       ru("значение Count в разделе DATA не является числом: \"") + text + "\"",
                       "Count in section DATA is not a number: \"" + text + "\"");
    case CountReading::Status::OutOfRange:
        return failure(
            file, ru("значение Count в разделе DATA вне допустимых пределов: \"") + text + "\"",
            "Count in section DATA is out of range: \"" + text + "\"");
    case CountReading::Status::Ok:
        break;
    }
    count = reading.value;
    return {};
}

// The failure for a count below 0: the catalogue has no entries (which is also
// what a missing, unreadable or oversized file or a missing key gives).
ResourceLoadResult noEntries(const std::string& file, std::int64_t count) {
    if (fsys::probe(file) == fsys::Probe::Missing)
        return failure(file, ru("файл не найден"), "file not found");
    if (const std::error_code error = mdlINI::IniReadProblem(file)) {
        if (error == std::errc::file_too_large) {
            std::error_code sizeEc;
            const std::string size = std::to_string(fsys::fileSize(file, sizeEc));
            const std::string limit = std::to_string(mdlINI::kMaxIniFileBytes);
            return failure(file,
                           ru("файл слишком велик для каталога: ") + size +
                               ru(" байт, а каталог не бывает длиннее ") + limit + ru(" байт"),
                           "the file is too large for a catalogue: " + size +
                               " bytes, and a catalogue is at most " + limit + " bytes");
        }
        return failure(file, ru("не удалось прочитать (") + cp1251::fromUtf8(error.message()) + ")",
                       "cannot be read (" + error.message() + ")");
    }
    return failure(file,
                   ru("нет ни одной записи: значение Count в разделе DATA равно ") +
                       std::to_string(count),
                   "no entries: Count in section DATA is " + std::to_string(count));
}

ResourceLoadResult pictureFailure(const std::string& file, std::int32_t entry,
                                  const PictureReading& reading) {
    return failure(file, ru("запись ") + entrySection(entry) + ": " + reading.reason,
                   "entry " + entrySection(entry) + ": " + reading.reasonEnglish);
}

ResourceLoadResult overBudget(const std::string& catalogue, std::int32_t entry) {
    const std::string limit = std::to_string(kMaxCatalogueBytes >> 20);
    return failure(
        catalogue,
        ru("запись ") + entrySection(entry) + ru(": картинки каталога вместе заняли бы больше ") +
            limit + ru(" МБ памяти"),
        "entry " + entrySection(entry) + ": the catalogue's pictures would take more than " +
            limit + " MB of memory together");
}

std::string sizeText(const QSize& size) {
    return std::to_string(size.width()) + " x " + std::to_string(size.height());
}

void warnOfMaskSize(ResourceLoadResult& result, const std::string& catalogue, std::int32_t entry,
                    const QSize& mask, const QSize& picture) {
    const std::string file = fsys::displayText(catalogue);
    result.warnings.push_back(file + ru(": запись ") + entrySection(entry) + ru(": маска ") +
                              sizeText(mask) + ru(" точек другого размера, чем картинка ") +
                              sizeText(picture) + ru("; картинка рисуется в своих границах"));
    result.warningsEnglish.push_back(file + ": entry " + entrySection(entry) + ": a mask of " +
                                     sizeText(mask) + " pixels for a picture of " +
                                     sizeText(picture) +
                                     "; the picture is drawn within its own rectangle");
}

} // namespace

std::string ResourceLoadResult::message() const {
    return ok ? std::string() : fsys::displayText(file) + ": " + reason;
}

std::string ResourceLoadResult::englishMessage() const {
    return ok ? std::string() : fsys::displayText(file) + ": " + reasonEnglish;
}

ResourceCatalogues::ResourceCatalogues()
    : m_builtin(BuiltinImages::instance()), m_earthGeneration(nextGeneration()),
      m_objectGeneration(nextGeneration()) {
    m_earthBuffer.push_back(m_builtin.picEmpry(0));
    m_objectBuffer.push_back(
        {m_builtin.picEmpry(0), m_builtin.picEmpry(1), m_builtin.placeholderSprite()});
    measureObjectReach();
}

std::string ResourceCatalogues::resourceFolder(std::string_view ResourcesPath) {
    std::string application;
    return mdlMain::NormalizeFolder(mdlMain::GetFolderPath(application) +
                                    std::string(ResourcesPath));
}

ResourceLoadResult ResourceCatalogues::LoadResources(std::string& ResourcesPath) {
    if (ResourcesPath.empty())
        ResourcesPath = "Resources";
    const std::string folder = resourceFolder(ResourcesPath);
    ResourceLoadResult result = loadEarths(folder);
    if (!result)
        return result;
    ResourceLoadResult warnings;
    result = loadObjects(folder, warnings);
    result.warnings = std::move(warnings.warnings);
    result.warningsEnglish = std::move(warnings.warningsEnglish);
    measureObjectReach();
    return result;
}

ResourceLoadResult ResourceCatalogues::loadEarths(const std::string& folder) {
    const std::string file = folder + "level0.ini";
    const ini::IniSnapshot catalogue(file);
    std::int64_t count = 0;
    const ResourceLoadResult result = readCatalogueCount<std::int16_t>(file, catalogue, count);
    if (!result)
        return result;
    m_earths.setEarthsCount(static_cast<std::int16_t>(count));
    if (count < 0)
        return noEntries(file, count);

    const auto size = static_cast<std::size_t>(count) + 1;
    EarthStructure::Texts files(size);
    EarthStructure::Texts names(size);
    m_earthBuffer.resize(1);
    m_earthGeneration = nextGeneration();
    PictureBudget budget;
    for (std::int32_t i = 0; i <= count; ++i) {
        const std::string section = entrySection(i);
        const auto at = static_cast<std::size_t>(i);
        files[at] = catalogue.read(section, "FileName", "");
        names[at] = catalogue.read(section, "Name", "Unknown");
        QImage image = m_builtin.picEmpry(0);
        if (isGiven(files[at])) {
            const std::string picture = folder + files[at];
            PictureReading reading = readPicture(picture);
            if (!reading.reason.empty())
                return pictureFailure(picture, i, reading);
            if (!budget.take(bytesOf(reading.image)))
                return overBudget(file, i);
            image = std::move(reading.image);
        }
        if (i == 0)
            m_earthBuffer[0] = std::move(image);
        else
            m_earthBuffer.push_back(std::move(image));
    }
    m_earths.setEarthsFile(files);
    m_earths.setEarthsName(names);
    return {};
}

ResourceLoadResult ResourceCatalogues::loadObjects(const std::string& folder,
                                                   ResourceLoadResult& warnings) {
    const std::string file = folder + "level1.ini";
    const ini::IniSnapshot catalogue(file);
    std::int64_t count = 0;
    ResourceLoadResult result = readCatalogueCount<std::int32_t>(file, catalogue, count);
    if (result && count > kHighestObjectEntry)
        result = failure(file,
                         ru("значение Count в разделе DATA равно ") + std::to_string(count) +
                             ru(", а коды объектов достигают только записи ") +
                             std::to_string(kHighestObjectEntry),
                         "Count in section DATA is " + std::to_string(count) +
                             ", and object codes reach only entry " +
                             std::to_string(kHighestObjectEntry));
    if (!result)
        return result;
    m_objects.setObjectsCount(static_cast<std::int32_t>(count));
    if (count < 0)
        return noEntries(file, count);

    const auto size = static_cast<std::size_t>(count) + 1;
    ObjectStructure::Texts pics(size);
    ObjectStructure::Texts masks(size);
    ObjectStructure::Texts names(size);
    m_objectBuffer.resize(1);
    m_objectGeneration = nextGeneration();
    PictureBudget budget;
    for (std::int32_t i = 0; i <= count; ++i) {
        const std::string section = entrySection(i);
        const auto at = static_cast<std::size_t>(i);
        pics[at] = catalogue.read(section, "FileName", "");
        masks[at] = catalogue.read(section, "MaskFileName", "");
        names[at] = catalogue.read(section, "Name", "Unknown");
        ObjectPicture entry{m_builtin.picEmpry(0), m_builtin.picEmpry(1),
                            m_builtin.placeholderSprite()};
        if (isGiven(pics[at]) && isGiven(masks[at])) {
            const std::string pictureFile = folder + pics[at];
            PictureReading picture = readPicture(pictureFile);
            if (!picture.reason.empty())
                return pictureFailure(pictureFile, i, picture);
            const std::string maskFile = folder + masks[at];
            PictureReading mask = readPicture(maskFile);
            if (!mask.reason.empty())
                return pictureFailure(maskFile, i, mask);
            if (!budget.take(bytesOf(picture.image) + bytesOf(mask.image) +
                             spriteBytes(picture.image)))
                return overBudget(file, i);
            if (mask.image.size() != picture.image.size())
                warnOfMaskSize(warnings, file, i, mask.image.size(), picture.image.size());
            entry.sprite = MaskedImage::fromMaskAndPicture(mask.image, picture.image);
            entry.picture = std::move(picture.image);
            entry.mask = std::move(mask.image);
        }
        if (i == 0)
            m_objectBuffer[0] = std::move(entry);
        else
            m_objectBuffer.push_back(std::move(entry));
    }
    m_objects.setObjectsPic(pics);
    m_objects.setObjectsMask(masks);
    m_objects.setObjectsName(names);
    return {};
}

const QImage& ResourceCatalogues::picEarthBuffer(int i) const {
    static const QImage none;
    return i >= 0 && i < earthBufferCount() ? m_earthBuffer[static_cast<std::size_t>(i)] : none;
}

const QImage& ResourceCatalogues::picObjectBufferPic(int i) const {
    static const QImage none;
    return hasObjectEntry(i) ? m_objectBuffer[static_cast<std::size_t>(i)].picture : none;
}

const QImage& ResourceCatalogues::picObjectBufferMask(int i) const {
    static const QImage none;
    return hasObjectEntry(i) ? m_objectBuffer[static_cast<std::size_t>(i)].mask : none;
}

const QImage& ResourceCatalogues::earthImage(int code) const {
    return code >= 0 && code < earthBufferCount() ? m_earthBuffer[static_cast<std::size_t>(code)]
                                                  : m_builtin.picEmpry(0);
}

const MaskedImage& ResourceCatalogues::objectSprite(int entry) const {
    return hasObjectEntry(entry) ? m_objectBuffer[static_cast<std::size_t>(entry)].sprite
                                 : m_builtin.placeholderSprite();
}

QSize ResourceCatalogues::objectSpriteSize(int entry) const {
    return hasObjectEntry(entry) ? m_objectBuffer[static_cast<std::size_t>(entry)].picture.size()
                                 : m_builtin.picEmpry(0).size();
}

void ResourceCatalogues::measureObjectReach() {
    // Codes without an entry draw the placeholder.
    const MaskedImage& placeholder = m_builtin.placeholderSprite();
    int reach = std::max(placeholder.width(), m_builtin.picEmpry(0).width() + 1);
    int down = std::max(placeholder.height(), m_builtin.picEmpry(0).height() + 1);
    for (const ObjectPicture& entry : m_objectBuffer) {
        reach = std::max({reach, entry.sprite.width(), entry.picture.width() + 1});
        down = std::max({down, entry.sprite.height(), entry.picture.height() + 1});
    }
    m_objectReach = reach;
    m_objectDownReach = down;
}

bool ResourceCatalogues::hasObjectEntry(int entry) const {
    return entry >= 0 && entry < objectBufferCount();
}

} // namespace canvas
