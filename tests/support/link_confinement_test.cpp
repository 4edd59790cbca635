// Symbolic links below the application folder: followed where they stay
// inside it, refused for reading and writing where they lead out of it,
// whether directly, through a linked folder on the way or a chain of links.

#include "support/application_folder.h"
#include "support/file_system.h"
#include "support/link_confinement.h"
#include "support/path_errors.h"
#include "test_support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using testing_support::TempFolder;

namespace {

std::string spelled(const fs::path& p) {
    const std::u8string utf8 = p.u8string();
    return std::string(utf8.begin(), utf8.end());
}

TEST(FollowLinks, GoesWhereTheSystemGoesThroughChainsAndRelativeTargets) {
    TempFolder root;
    root.write("real/sub/file.txt", "x");
    fs::create_symlink("real/sub", root.path() / "toSub");               // relative, to a folder
    fs::create_symlink(root.path() / "toSub", root.path() / "absolute"); // absolute, to a link
    fs::create_symlink("../toSub/file.txt", root.path() / "real/chain"); // relative with ".."
    std::error_code ec;
    for (const fs::path& p :
         {root.path() / "toSub/file.txt", root.path() / "absolute/file.txt",
          root.path() / "real/chain", root.path() / "absolute/../sub/./file.txt",
          root.path() / "real/../toSub"}) {
        SCOPED_TRACE(p);
        EXPECT_EQ(fsys::followLinks(p, ec), fs::canonical(p));
        EXPECT_FALSE(ec) << ec.message();
    }
}

TEST(FollowLinks, LinksToMissingEntriesLeadWhereAWriteWouldCreateTheFile) {
    TempFolder root;
    fs::create_directories(root.path() / "real");
    fs::create_symlink("real/new.map", root.path() / "dangling");
    fs::create_symlink("dangling", root.path() / "twice");
    std::error_code ec;
    const fs::path created = fs::canonical(root.path() / "real") / "new.map";
    EXPECT_EQ(fsys::followLinks(root.path() / "dangling", ec), created);
    EXPECT_EQ(fsys::followLinks(root.path() / "twice", ec), created);
    EXPECT_EQ(fsys::followLinks(root.path() / "missing/deeper/x", ec),
              fs::canonical(root.path()) / "missing/deeper/x");

    fs::create_symlink("roundB", root.path() / "roundA");
    fs::create_symlink("roundA", root.path() / "roundB");
    EXPECT_EQ(fsys::followLinks(root.path() / "roundA", ec), fs::path());
    EXPECT_EQ(ec, std::errc::too_many_symbolic_link_levels);
}

TEST(FollowLinks, WithinComparesWholeComponents) {
    EXPECT_TRUE(fsys::isWithin("/a/app", "/a/app"));
    EXPECT_TRUE(fsys::isWithin("/a/app/Maps/x", "/a/app"));
    EXPECT_TRUE(fsys::isWithin("/a/app/Maps/x", "/a/app/"));
    EXPECT_FALSE(fsys::isWithin("/a/appendix/x", "/a/app"));
    EXPECT_FALSE(fsys::isWithin("/a", "/a/app"));
    EXPECT_FALSE(fsys::isWithin("/b/app", "/a/app"));
}

// An application folder "app" and, beside it, files that must stay out of
// reach of every path built below it.
class LinkConfinement : public ::testing::Test {
protected:
    void SetUp() override {
        outer.write("app/Maps/Default/main.config", "inside");
        outer.write("app/Shared/common.ini", "shared");
        outer.write("outside/secret.ini", "secret");
        outer.write("secret.ini", "beside");
        appfolder::setNative(spelled(outer.path() / "app"));
        app = fsys::toText(outer.path() / "app") + "\\";
    }

    void link(const fs::path& target, const std::string& linkBelowOuter) const {
        fs::create_symlink(target, outer.path() / linkBelowOuter);
    }

    // Reads and writes `text`, which must be refused as leading out through
    // `linkBelowOuter` to `targetBelowOuter`.
    void expectRefused(const std::string& text, const std::string& linkBelowOuter,
                       const std::string& targetBelowOuter) const {
        SCOPED_TRACE(text);
        std::error_code ec;
        fsys::resolve(text, ec);
        EXPECT_EQ(ec, fsys::PathError::LinkLeavesApplicationFolder);
        const std::string message = ec.message();
        EXPECT_NE(message.find("\"" + spelled(outer.path() / linkBelowOuter) + "\""),
                  std::string::npos)
            << message;
        EXPECT_NE(
            message.find("\"" + spelled(fs::canonical(outer.path()) / targetBelowOuter) + "\""),
            std::string::npos)
            << message;
        std::string bytes;
        EXPECT_FALSE(fsys::readWholeFile(text, bytes, ec));
        EXPECT_EQ(bytes, "");
        EXPECT_NE(fsys::probe(text), fsys::Probe::Exists);
        EXPECT_FALSE(fsys::writeWholeFile(text, "overwritten", ec));
        EXPECT_EQ(ec, fsys::PathError::LinkLeavesApplicationFolder);
        fsys::File file;
        EXPECT_FALSE(file.open(text, fsys::File::Mode::Append, ec));
        EXPECT_FALSE(fsys::removeFile(text, ec));
        EXPECT_EQ(outer.read("outside/secret.ini"), "secret");
        EXPECT_EQ(outer.read("secret.ini"), "beside");
    }

    TempFolder outer;
    std::string app;
};

TEST_F(LinkConfinement, LinksThatStayInsideAreFollowedForReadingAndWriting) {
    link("../../Shared/common.ini", "app/Maps/Default/relative.ini");
    link(outer.path() / "app/Shared", "app/Maps/Linked");
    link("../Maps/Default/relative.ini", "app/Shared/chain.ini");
    for (const std::string& text :
         {app + "Maps\\Default\\relative.ini", app + "Maps\\Linked\\common.ini",
          app + "Shared\\chain.ini", app + "maps\\LINKED\\Common.ini"}) {
        SCOPED_TRACE(text);
        std::string bytes;
        std::error_code ec;
        ASSERT_TRUE(fsys::readWholeFile(text, bytes, ec)) << ec.message();
        EXPECT_EQ(bytes, outer.read("app/Shared/common.ini"));
    }
    std::error_code ec;
    ASSERT_TRUE(fsys::writeWholeFile(app + "Shared\\chain.ini", "saved", ec)) << ec.message();
    EXPECT_EQ(outer.read("app/Shared/common.ini"), "saved") << "the file at the chain's end";
    EXPECT_TRUE(fs::is_symlink(outer.path() / "app/Shared/chain.ini"));
    EXPECT_TRUE(fs::is_symlink(outer.path() / "app/Maps/Default/relative.ini"));

    // A link to a file not yet there: the write creates the file, the link stays.
    link("../../Shared/new.ini", "app/Maps/Default/pending.ini");
    ASSERT_TRUE(fsys::writeWholeFile(app + "Maps\\Default\\pending.ini", "made", ec))
        << ec.message();
    EXPECT_EQ(outer.read("app/Shared/new.ini"), "made");
    EXPECT_TRUE(fs::is_symlink(outer.path() / "app/Maps/Default/pending.ini"));
}

TEST_F(LinkConfinement, LinksLeadingOutAreRefusedNamingTheLinkAndWhereItLeads) {
    link(outer.path() / "outside/secret.ini", "app/Maps/Default/direct.ini");
    expectRefused(app + "Maps\\Default\\direct.ini", "app/Maps/Default/direct.ini",
                  "outside/secret.ini");

    link("../../outside", "app/Maps/Away");
    expectRefused(app + "Maps\\Away\\secret.ini", "app/Maps/Away", "outside");
    // A file that a write would create outside, named in another case.
    expectRefused(app + "Maps\\away\\new.ini", "app/Maps/Away", "outside");

    // A chain whose first link stays inside while the second leads out.
    link("Away", "app/Maps/Hop");
    expectRefused(app + "Maps\\Hop\\secret.ini", "app/Maps/Hop", "outside");

    // A link to a missing file outside.
    link(outer.path() / "outside/new.ini", "app/Maps/Default/planted.ini");
    expectRefused(app + "Maps\\Default\\planted.ini", "app/Maps/Default/planted.ini",
                  "outside/new.ini");
    EXPECT_FALSE(fs::exists(outer.path() / "outside/new.ini"));

    // ".." after a link to the application folder itself climbs out of it,
    // although the text stays inside.
    link(outer.path() / "app", "app/Maps/Top");
    expectRefused(app + "Maps\\Top\\..\\secret.ini", "app/Maps/Top", "secret.ini");
}

TEST_F(LinkConfinement, TheApplicationFolderMayItselfBeReachedThroughALink) {
    link(outer.path() / "app", "alias");
    appfolder::setNative(spelled(outer.path() / "alias"));
    const std::string alias = fsys::toText(outer.path() / "alias") + "\\";
    link(fs::canonical(outer.path() / "app/Shared"), "app/Maps/Real");
    link(outer.path() / "outside", "app/Maps/Away");
    std::string bytes;
    std::error_code ec;
    ASSERT_TRUE(fsys::readWholeFile(alias + "Maps\\Default\\main.config", bytes, ec))
        << ec.message();
    EXPECT_EQ(bytes, "inside");
    ASSERT_TRUE(fsys::readWholeFile(alias + "Maps\\Real\\common.ini", bytes, ec)) << ec.message();
    EXPECT_EQ(bytes, "shared") << "a link naming the folder's real place stays inside";
    fsys::resolve(alias + "Maps\\Away\\secret.ini", ec);
    EXPECT_EQ(ec, fsys::PathError::LinkLeavesApplicationFolder);
}

TEST_F(LinkConfinement, PathsElsewhereFollowTheirLinksAsTheUserChoseThem) {
    link(outer.path() / "outside/secret.ini", "beside.ini");
    const std::string text = fsys::toText(outer.path()) + "\\beside.ini";
    std::string bytes;
    std::error_code ec;
    ASSERT_TRUE(fsys::readWholeFile(text, bytes, ec)) << ec.message();
    EXPECT_EQ(bytes, "secret");
    ASSERT_TRUE(fsys::writeWholeFile(text, "changed", ec)) << ec.message();
    EXPECT_EQ(outer.read("outside/secret.ini"), "changed");
    EXPECT_TRUE(fs::is_symlink(outer.path() / "beside.ini"));
}

} // namespace
