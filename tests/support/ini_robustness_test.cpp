// ReadIni and WriteIni on what the golden cases cover little or not at all:
// binary and huge files, failing writes, the desktop platform's own behaviour
// where the golden results differ from it, and the program's write sequences.

#include "support/mdl_ini.h"
#include "test_support/byte_difference.h"
#include "test_support/temp_folder.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

using namespace std::string_literals;
using mdlINI::ReadIni;
using mdlINI::WriteIni;
using testing_support::sameBytes;
using testing_support::TempFolder;

class IniFile : public testing::Test {
protected:
    // The program's path text of a file in the test's folder.
    std::string path(const std::string& name = "a.ini") const { return root.text() + name; }
    void create(const std::string& bytes, const std::string& name = "a.ini") const {
        root.write(name, bytes);
    }
    std::string bytes(const std::string& name = "a.ini") const { return root.read(name); }
    std::string read(const std::string& section, const std::string& key,
                     const std::string& defaultValue = "D") const {
        return ReadIni(path(), section, key, defaultValue);
    }
    void write(const std::string& section, const std::string& key, const std::string& value) const {
        std::error_code ec;
        EXPECT_TRUE(mdlINI::WriteIniReporting(path(), section, key, value, ec)) << ec.message();
    }

    TempFolder root;
};

// `text` with its first `from` replaced by `to`.
std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

using IniBinaryContent = IniFile;

TEST_F(IniBinaryContent, NulAndOtherControlBytesAreOrdinaryCharacters) {
    const std::string original = "[S]\r\n"
                                 "k=a\0b\r\n"
                                 "\0\0\x01\xff=junk\r\n"
                                 "bin= \x01\x7f\x80\xff\xfe \r\n"
                                 "m=2\r\n"
                                 "[N\0X]\r\n"
                                 "v=1\r\n"s;
    create(original);
    EXPECT_EQ(read("S", "k"), "a\0b"s);
    EXPECT_EQ(read("S", "\0\0\x01\xff"s), "junk");
    EXPECT_EQ(read("S", "bin"), "\x01\x7f\x80\xff\xfe");
    EXPECT_EQ(read("S", "m"), "2");
    EXPECT_EQ(read("N\0X"s, "v"), "1");
    EXPECT_EQ(read("N", "v"), "D") << "a NUL does not end a section name";

    write("S", "m", "3");
    EXPECT_TRUE(sameBytes(bytes(), replaced(original, "m=2", "m=3")));
    write("N\0X"s, "w", "\0"s);
    EXPECT_TRUE(sameBytes(bytes(), replaced(original, "m=2", "m=3") + "w=\0\r\n"s));
}

TEST_F(IniBinaryContent, AHundredThousandCharacterLineIsCutOnlyWhenReturned) {
    std::string longValue;
    for (int i = 0; longValue.size() < 100000; ++i)
        longValue += std::to_string(i) + ",";
    const std::string longKey(100000, 'K');
    const std::string original =
        "[S]\r\nbig=" + longValue + "\r\n" + longKey + "=long key\r\nafter=ok\r\n[T]\r\n";
    create(original);
    EXPECT_EQ(read("S", "big"), longValue.substr(0, 1023));
    EXPECT_EQ(read("S", longKey), "long key");
    EXPECT_EQ(read("S", std::string(99999, 'K')), "D");
    EXPECT_EQ(read("S", "after"), "ok");
    EXPECT_EQ(read("T", "x", longValue), longValue.substr(0, 1023));

    write("S", "after", "changed");
    EXPECT_TRUE(sameBytes(bytes(), replaced(original, "after=ok", "after=changed")));
    write("S", "big", longValue + longValue);
    EXPECT_TRUE(sameBytes(bytes(), replaced(replaced(original, "after=ok", "after=changed"),
                                            longValue, longValue + longValue)));
    EXPECT_EQ(read("S", "big"), longValue.substr(0, 1023));
}

TEST_F(IniBinaryContent, AFileWithoutAnyLineEndIsOneLine) {
    std::string junk;
    for (int i = 0; junk.size() < 200000; ++i)
        junk += "k=v" + std::to_string(i) + "=[x]; ";
    const std::string original = "[S]" + junk;
    create(original);
    EXPECT_EQ(read("S", "k"), "D") << "everything after ']' belongs to the section line";

    write("S", "k", "1");
    EXPECT_TRUE(sameBytes(bytes(), original + "\r\nk=1\r\n"));
    EXPECT_EQ(read("S", "k"), "1");

    create("k=v", "b.ini");
    EXPECT_EQ(ReadIni(path("b.ini"), "", "k", "D"), "D");
    WriteIni(path("b.ini"), "S", "k", "w");
    EXPECT_TRUE(sameBytes(bytes("b.ini"), "k=v\r\n[S]\r\nk=w\r\n"));
}

TEST_F(IniBinaryContent, ManyKeysAndLongPreamblesTakeLinearTime) {
    // A reader or writer that rescans the file per line, or inserts line by
    // line, needs minutes for this; one pass takes milliseconds.
    const auto start = std::chrono::steady_clock::now();
    std::string preamble;
    for (int i = 0; preamble.size() < 2000000; ++i)
        preamble += "pre" + std::to_string(i) + " = x\r";
    std::string keys;
    for (int i = 0; i < 200000; ++i)
        keys += "k" + std::to_string(i) + "=" + std::to_string(i * 7) + "\n";
    const std::string original = preamble + "\n[S]\r\n" + keys + "[T]\r\nt=1\r\n";
    create(original);

    EXPECT_EQ(read("S", "k199999"), std::to_string(199999 * 7));
    EXPECT_EQ(read("S", "k200000"), "D");
    EXPECT_EQ(read("T", "t"), "1");
    EXPECT_EQ(read("S", "pre7"), "D");
    write("S", "k100000", "x");
    const std::string afterOne = replaced(original, "\nk100000=700000\n", "\nk100000=x\r\n");
    EXPECT_TRUE(sameBytes(bytes(), afterOne));
    write("S", "added", "y");
    EXPECT_TRUE(sameBytes(bytes(),
                          replaced(afterOne, "k199999=1399993\n", "k199999=1399993\nadded=y\r\n")));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

using IniFailedWrite = IniFile;

TEST_F(IniFailedWrite, AMissingFolderIsReportedAndNothingIsCreated) {
    std::error_code ec;
    EXPECT_FALSE(mdlINI::WriteIniReporting(path("nodir\\a.ini"), "S", "k", "v", ec));
    EXPECT_TRUE(ec);
    WriteIni(path("nodir\\deeper\\a.ini"), "S", "k", "v");
    EXPECT_TRUE(std::filesystem::is_empty(root.path())) << "no folder or file was created";
    EXPECT_EQ(ReadIni(path("nodir\\a.ini"), "S", "k", "D"), "D");
}

TEST_F(IniFailedWrite, AFolderIsNeitherReadNorReplaced) {
    std::filesystem::create_directory(root.path() / "folder.ini");
    root.write("folder.ini/inside.txt", "x");
    std::error_code ec;
    EXPECT_FALSE(mdlINI::WriteIniReporting(path("folder.ini"), "S", "k", "v", ec));
    EXPECT_TRUE(ec);
    EXPECT_TRUE(std::filesystem::is_directory(root.path() / "folder.ini"));
    EXPECT_TRUE(sameBytes(root.read("folder.ini/inside.txt"), "x"));
    EXPECT_EQ(ReadIni(path("folder.ini"), "S", "k", "D"), "D");
}

// What a write changes in an existing file, and what it leaves alone.
using IniRewrite = IniFile;

TEST_F(IniRewrite, TheSameValueAgainLeavesTheFileUntouched) {
    create("[S]\n  k  =  v  \n\n");
    const auto old =
        std::filesystem::last_write_time(root.path() / "a.ini") - std::chrono::hours(1);
    std::filesystem::last_write_time(root.path() / "a.ini", old);
    write(" s ", "K", "v");
    EXPECT_EQ(std::filesystem::last_write_time(root.path() / "a.ini"), old)
        << "the file was written again";
    write("S", "k", "v ");
    EXPECT_TRUE(sameBytes(bytes(), "[S]\nk=v \r\n\n"))
        << "a value differing in a trailing blank is written";
}

TEST_F(IniRewrite, AWriteKeepsEveryByteOfAHugePreambleAndOfTheOtherLines) {
    std::string preamble;
    for (int i = 0; preamble.size() < 1000000; ++i) {
        preamble += "  key" + std::to_string(i) + "\t=\tvalue ; comment\r";
        preamble += i % 3 == 0 ? "\n" : i % 3 == 1 ? "=\r\n   \r\n" : "; [S]\n\x01\0\xff\r\n"s;
    }
    const std::string section = "[ S ] text after\r\n  a = 1 \n\n;note\r\n\r\n";
    const std::string rest = "[T]\r\nb=2";
    create(preamble + section + rest);

    write("S", "a", "9");
    const std::string firstWrite = preamble + "[ S ] text after\r\na=9\r\n\n;note\r\n\r\n" + rest;
    EXPECT_TRUE(sameBytes(bytes(), firstWrite));
    write("S", "new", "x");
    const std::string secondWrite = replaced(firstWrite, ";note\r\n", ";note\r\nnew=x\r\n");
    EXPECT_TRUE(sameBytes(bytes(), secondWrite));
    write("T", "c", "3");
    EXPECT_TRUE(sameBytes(bytes(), secondWrite + "\r\nc=3\r\n"));
    write("U", "d", "4");
    EXPECT_TRUE(sameBytes(bytes(), secondWrite + "\r\nc=3\r\n[U]\r\nd=4\r\n"));
}

TEST_F(IniRewrite, LoneCarriageReturnsStayLineEnds) {
    create("[S]\rk=v\rm=1\r");
    write("S", "k", "w");
    EXPECT_TRUE(sameBytes(bytes(), "[S]\rk=w\r\nm=1\r"));
    write("S", "n", "2");
    EXPECT_TRUE(sameBytes(bytes(), "[S]\rk=w\r\nm=1\rn=2\r\n"));
    EXPECT_EQ(read("S", "m"), "1");
    EXPECT_EQ(read("S", "n"), "2");
}

// Where the golden results show a behaviour that the desktop platform itself
// does not have, these functions behave like the platform.
using IniPlatformBehaviour = IniFile;

TEST_F(IniPlatformBehaviour, AUtf8MarkIsPartOfTheFirstLine) {
    create("\xEF\xBB\xBF[S]\r\nk=v\r\n[T]\r\nm=\xD0\x96\r\n");
    EXPECT_EQ(read("S", "k"), "D");
    EXPECT_EQ(read("T", "m"), "\xD0\x96") << "no conversion from UTF-8";
    write("S", "k", "w");
    EXPECT_TRUE(
        sameBytes(bytes(), "\xEF\xBB\xBF[S]\r\nk=v\r\n[T]\r\nm=\xD0\x96\r\n[S]\r\nk=w\r\n"));
}

TEST_F(IniPlatformBehaviour, OnlySpacesAreRemovedFromSectionAndKeyArguments) {
    create("[S]\r\nk=1\r\n");
    EXPECT_EQ(read("  S  ", "  k  "), "1");
    EXPECT_EQ(read("\tS", "k"), "D");
    EXPECT_EQ(read("S", "k\t"), "D");
    EXPECT_EQ(read("S\v", "k"), "D");
    EXPECT_EQ(read("S", "\x1a"
                        "k"),
              "D");

    write(" S ", " k ", "2");
    EXPECT_TRUE(sameBytes(bytes(), "[S]\r\nk=2\r\n"));
    write(" New ", " key ", "v");
    EXPECT_TRUE(sameBytes(bytes(), "[S]\r\nk=2\r\n[New]\r\nkey=v\r\n"));
    write("S", "k\t", "3");
    EXPECT_TRUE(sameBytes(bytes(), "[S]\r\nk=2\r\nk\t=3\r\n[New]\r\nkey=v\r\n"));
    EXPECT_EQ(read("S", "k"), "2") << "the file's own blanks are trimmed; the first line wins";
}

TEST_F(IniPlatformBehaviour, TheValueIsWrittenExactlyAsGiven) {
    write("S", "k", "  v\t");
    EXPECT_TRUE(sameBytes(bytes(), "[S]\r\nk=  v\t\r\n"));
    EXPECT_EQ(read("S", "k"), "v");
    write("S", "k", "\t\"  q  \" ");
    EXPECT_TRUE(sameBytes(bytes(), "[S]\r\nk=\t\"  q  \" \r\n"));
    EXPECT_EQ(read("S", "k"), "  q  ");
}

TEST_F(IniPlatformBehaviour, ASectionNameEndsAtTheFirstClosingBracket) {
    create("[x]]\r\nd=4\r\n[a]b]\r\ne=5\r\n[[y]\r\nf=6\r\n");
    EXPECT_EQ(read("x", "d"), "4");
    EXPECT_EQ(read("x]", "d"), "D");
    EXPECT_EQ(read("a", "e"), "5");
    EXPECT_EQ(read("a]b", "e"), "D");
    EXPECT_EQ(read("[y", "f"), "6");
    write("a", "e", "50");
    EXPECT_TRUE(sameBytes(bytes(), "[x]]\r\nd=4\r\n[a]b]\r\ne=50\r\n[[y]\r\nf=6\r\n"));
}

TEST_F(IniPlatformBehaviour, AnOpeningBracketWithoutAClosingOneStartsASection) {
    create("[S]\r\na=1\r\n[Open \t\r\nb=2\r\n[\r\nc=3\r\n");
    EXPECT_EQ(read("Open", "b"), "2");
    EXPECT_EQ(read("S", "b"), "D");
    EXPECT_EQ(read("Open", "c"), "3") << "a '[' with nothing after it starts no section";
    write("S", "x", "9");
    EXPECT_TRUE(sameBytes(bytes(), "[S]\r\na=1\r\nx=9\r\n[Open \t\r\nb=2\r\n[\r\nc=3\r\n"));
}

TEST_F(IniPlatformBehaviour, SemicolonLinesAreCommentsThatNoKeyFinds) {
    create("[S]\r\n;w=hidden\r\n  ; k=also\r\nv=;semi\r\n");
    EXPECT_EQ(read("S", ";w"), "D");
    EXPECT_EQ(read("S", "; k"), "D");
    EXPECT_EQ(read("S", "w"), "D");
    EXPECT_EQ(read("S", "v"), ";semi");
    write("S", ";w", "x");
    EXPECT_TRUE(sameBytes(bytes(), "[S]\r\n;w=hidden\r\n  ; k=also\r\nv=;semi\r\n;w=x\r\n"));
    EXPECT_EQ(read("S", ";w"), "D") << "a key written with ';' becomes a comment";
}

TEST_F(IniPlatformBehaviour, OnlyAnEmptyBracketPairNamesTheEmptySection) {
    create("top=1\r\n[]\r\ne=2\r\n[S]\r\nk=3\r\n");
    EXPECT_EQ(read("", "top"), "D") << "lines before the first section cannot be read";
    EXPECT_EQ(read("", "e"), "2");
    EXPECT_EQ(read("  ", "e"), "2");
    EXPECT_EQ(read("S", "k"), "3");
    write("", "top", "5");
    EXPECT_TRUE(sameBytes(bytes(), "top=1\r\n[]\r\ne=2\r\ntop=5\r\n[S]\r\nk=3\r\n"));

    create("[S]\r\nk=old\r\n", "b.ini");
    WriteIni(path("b.ini"), "", "k", "v");
    EXPECT_TRUE(sameBytes(bytes("b.ini"), "[S]\r\nk=old\r\n[]\r\nk=v\r\n"));
    EXPECT_EQ(ReadIni(path("b.ini"), "", "k", "D"), "v");
    EXPECT_EQ(ReadIni(path("b.ini"), "S", "k", "D"), "old");
}

// The writes the program itself makes.
using IniProgramWrites = IniFile;

TEST_F(IniProgramWrites, NewLocationConfig) {
    for (const bool round : {false, true}) {
        SCOPED_TRACE(round ? "round box cleared" : "round box ticked");
        const std::string file = round ? "cave.config" : "town.config";
        WriteIni(path(file), "CONFIG", "Width", "120");
        WriteIni(path(file), "CONFIG", "Height", "80");
        if (round)
            WriteIni(path(file), "CONFIG", "Round", "1");
        EXPECT_TRUE(sameBytes(bytes(file), round
                                               ? "[CONFIG]\r\nWidth=120\r\nHeight=80\r\nRound=1\r\n"
                                               : "[CONFIG]\r\nWidth=120\r\nHeight=80\r\n"));
        EXPECT_EQ(ReadIni(path(file), "CONFIG", "Width", "0"), "120");
        EXPECT_EQ(ReadIni(path(file), "CONFIG", "Height", "0"), "80");
        EXPECT_EQ(ReadIni(path(file), "CONFIG", "Round", "0"), round ? "1" : "0");
    }
}

TEST_F(IniProgramWrites, NewMapDescriptionAndItsLaterEdit) {
    std::filesystem::create_directories(root.path() / "Maps" / "Test");
    const std::string file = "Maps\\Test\\Test.mpc";
    const std::string description = "\xCF\xE5\xF9\xE5\xF0\xE0 \xAB\xB8\xBB"; // cp1251 text
    WriteIni(path(file), "CONFIG", "Resources", "Resources");
    WriteIni(path(file), "CONFIG", "Description", description);
    WriteIni(path(file), "CONFIG", "Author", "");
    WriteIni(path(file), "CONFIG", "Contacts", "");
    const std::string expected = "[CONFIG]\r\nResources=Resources\r\nDescription=" + description +
                                 "\r\nAuthor=\r\nContacts=\r\n";
    EXPECT_TRUE(sameBytes(root.read("Maps/Test/Test.mpc"), expected));
    EXPECT_EQ(ReadIni(path(file), "CONFIG", "Description", "D"), description);
    EXPECT_EQ(ReadIni(path(file), "CONFIG", "Author", "D"), "");
    EXPECT_EQ(ReadIni(path(file), "CONFIG", "Contacts", "D"), "");

    WriteIni(path(file), "CONFIG", "Author", "\xC8\xE2\xE0\xED");
    WriteIni(path(file), "CONFIG", "Resources", "Resources");
    EXPECT_TRUE(sameBytes(root.read("Maps/Test/Test.mpc"),
                          replaced(expected, "Author=\r\n", "Author=\xC8\xE2\xE0\xED\r\n")));
}

} // namespace
