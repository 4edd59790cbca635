#pragma once
// What the fuzz targets share: cutting one input into the files of a small
// world, a scratch application folder to put them in, and the toolkit's
// application object for the targets that decode pictures.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace fuzzing {

// Inputs of several files hold them one after the other, separated by this
// line. The seeds and the dictionaries use it too.
inline constexpr std::string_view kPartSeparator = "\n--8<--\n";

// The input cut at each separator, at most `maxParts` parts: the last part
// keeps whatever follows, separators included. Missing parts are empty.
std::vector<std::string_view> splitParts(const std::uint8_t* data, std::size_t size,
                                         std::size_t maxParts);

// Data planted next to the application folder, where no read may reach: an
// INI file "..\\outside\\secret" (from the application folder) whose every
// value a target may ask for is kLeakedValue.
inline constexpr std::string_view kLeakedValue = "LEAKED-FROM-OUTSIDE";

// A folder of this process below the temporary folder; it is the application
// folder from the first call on and is removed, with the folder beside it
// holding the planted secret, when the process ends.
class ScratchWorld {
public:
    static ScratchWorld& instance();

    const std::filesystem::path& root() const { return m_root; }
    // The folder as a program text, ending in "\".
    std::string text() const;

    // Removes everything below the folder.
    void clear();
    // Empties the folder and writes the input's parts (see splitParts) as the
    // files `names`, one part each, in order.
    void writeInput(const std::uint8_t* data, std::size_t size,
                    std::initializer_list<std::string_view> names);

    // Writes a file below the folder ("/"-separated), creating its folders.
    // Written plainly: the targets test reading, and a save per input would
    // slow them down without testing anything more.
    void write(std::string_view relative, std::string_view bytes);

    ~ScratchWorld();

private:
    ScratchWorld();
    void plantSecret();
    std::filesystem::path m_process; // holds the application folder and "outside"
    std::filesystem::path m_root;
};

// Creates the toolkit's application object once (offscreen).
void ensureGuiApplication();

// Whether an input holds the planted value itself: its reads prove nothing
// about the planted file, so the targets that look for it skip such inputs.
bool holdsLeakedValue(const std::uint8_t* data, std::size_t size);

// Fails when a text read from an INI file is longer than a read can return,
// or holds the planted value from outside the application folder.
void checkReadText(std::string_view text, const char* what);

// Stops the run as a finding, naming what broke.
[[noreturn]] void fail(const std::string& what);

} // namespace fuzzing
