// The comparison and merge commands as git's drivers, in a real repository
// driven by the real git.

#include "test_support/grid_bytes.h"
#include "test_support/process.h"
#include "test_support/temp_folder.h"

#include <gtest/gtest.h>

using testing_support::GridBytes;
using testing_support::ProcessResult;
using testing_support::TempFolder;

namespace {

const char* const kGrid = "Maps/Default/main.map";
const char* const kConfig = "Maps/Default/main.config";

std::string config(int width, int height) {
    return "[CONFIG]\r\nWidth=" + std::to_string(width) + "\r\nHeight=" + std::to_string(height) +
           "\r\n";
}

class GitRepo {
public:
    GitRepo() {
        m_home.write(".keep", "");
        git({"init", "-q", "-b", "trunk"});
        git({"config", "user.name", "Map Tester"});
        git({"config", "user.email", "tester@example.org"});
        const std::string cli = std::string("'") + MAPEDIT_CLI + "'";
        git({"config", "diff.mapgrid.command", cli + " git-diff"});
        git({"config", "merge.mapgrid.name", "location grids, cell by cell"});
        git({"config", "merge.mapgrid.driver", cli + " merge %O %A %B --path %P"});
        write(".gitattributes", "*.map diff=mapgrid merge=mapgrid\n");
    }

    ProcessResult git(std::vector<std::string> args) const {
        args.insert(args.begin(), {"-C", m_repo.path().string()});
        testing_support::ProcessLimits limits;
        limits.environment = {"HOME=" + m_home.path().string(), "GIT_CONFIG_NOSYSTEM=1",
                              "GIT_PAGER=cat", "LC_ALL=C"};
        const ProcessResult r = testing_support::runProcess("/usr/bin/git", args, limits);
        return r;
    }
    // A git command that must succeed.
    void must(std::vector<std::string> args) const {
        const ProcessResult r = git(args);
        ASSERT_EQ(r.exitCode, 0) << args[0] << ": " << r.out << r.err;
    }
    void write(const std::string& relative, const std::string& bytes) const {
        m_repo.write(relative, bytes);
    }
    std::string read(const std::string& relative) const { return m_repo.read(relative); }
    void commitAll(const std::string& message) const {
        must({"add", "-A"});
        must({"commit", "-q", "-m", message});
    }

    // A 5 x 3 location with some cells filled, committed on trunk.
    GridBytes commitBase() const {
        GridBytes base(5, 3);
        base.set(GridBytes::Earth, 0, 0, 3).set(GridBytes::Object, 4, 3, 0x0105);
        write(kConfig, config(5, 3));
        write(kGrid, base.bytes());
        commitAll("base");
        return base;
    }
    // Commits `grid` (and `config` when given) on a new branch from trunk,
    // coming back to trunk.
    void commitOnBranch(const std::string& branch, const GridBytes& grid,
                        const std::string& cfg = {}) const {
        must({"checkout", "-q", "-b", branch, "trunk"});
        write(kGrid, grid.bytes());
        if (!cfg.empty())
            write(kConfig, cfg);
        commitAll(branch);
        must({"checkout", "-q", "trunk"});
    }

private:
    TempFolder m_home;
    TempFolder m_repo;
};

TEST(GitDrivers, DisjointEditsMergeCleanly) {
    GitRepo repo;
    const GridBytes base = repo.commitBase();
    GridBytes theirs = base;
    theirs.set(GridBytes::Action, 2, 1, 0x0203).set(GridBytes::Earth, 0, 0, 0);
    repo.commitOnBranch("theirs", theirs);
    GridBytes ours = base;
    ours.set(GridBytes::Guard, 4, 3, 1).set(GridBytes::Object, 4, 3, 0x0106);
    repo.write(kGrid, ours.bytes());
    repo.commitAll("ours");

    const ProcessResult merge = repo.git({"merge", "-q", "--no-edit", "theirs"});
    ASSERT_EQ(merge.exitCode, 0) << merge.out << merge.err;
    GridBytes expected = ours;
    expected.set(GridBytes::Action, 2, 1, 0x0203).set(GridBytes::Earth, 0, 0, 0);
    EXPECT_TRUE(repo.read(kGrid) == expected.bytes());
    EXPECT_EQ(repo.git({"status", "--porcelain"}).out, "");
}

TEST(GitDrivers, EditsOfOneCellConflictAndAreListed) {
    GitRepo repo;
    const GridBytes base = repo.commitBase();
    GridBytes theirs = base;
    theirs.set(GridBytes::Object, 4, 3, 0x0200).set(GridBytes::Item, 1, 2, 8);
    repo.commitOnBranch("theirs", theirs);
    GridBytes ours = base;
    ours.set(GridBytes::Object, 4, 3, 0x0107);
    repo.write(kGrid, ours.bytes());
    repo.commitAll("ours");

    const ProcessResult merge = repo.git({"merge", "--no-edit", "theirs"});
    EXPECT_NE(merge.exitCode, 0);
    EXPECT_NE(merge.err.find("4,3 object: 261 -> 263 / 512\n"), std::string::npos) << merge.err;
    EXPECT_NE(merge.out.find("CONFLICT"), std::string::npos) << merge.out;
    // Ours stays in the conflicting cell; their other change is taken.
    GridBytes expected = ours;
    expected.set(GridBytes::Item, 1, 2, 8);
    EXPECT_TRUE(repo.read(kGrid) == expected.bytes());
    EXPECT_EQ(repo.git({"status", "--porcelain"}).out, "UU " + std::string(kGrid) + "\n");
}

TEST(GitDrivers, DifferentSizesConflictAsAWholeFile) {
    GitRepo repo;
    const GridBytes base = repo.commitBase();
    GridBytes taller(5, 4);
    taller.bytes().replace(0, base.bytes().size(), base.bytes());
    taller.set(GridBytes::Block, 0, 4, 1);
    repo.commitOnBranch("theirs", taller, config(5, 4));
    GridBytes ours = base;
    ours.set(GridBytes::Block, 1, 1, 1);
    repo.write(kGrid, ours.bytes());
    repo.commitAll("ours");

    const ProcessResult merge = repo.git({"merge", "--no-edit", "theirs"});
    EXPECT_NE(merge.exitCode, 0);
    EXPECT_NE(merge.err.find("whole file is a conflict"), std::string::npos) << merge.err;
    EXPECT_TRUE(repo.read(kGrid) == ours.bytes());
}

TEST(GitDrivers, DiffShowsCellLines) {
    GitRepo repo;
    const GridBytes base = repo.commitBase();
    GridBytes changed = base;
    changed.set(GridBytes::Guard, 2, 2, 1).set(GridBytes::Object, 4, 3, 0);
    repo.write(kGrid, changed.bytes());
    ProcessResult diff = repo.git({"diff"});
    EXPECT_EQ(diff.exitCode, 0) << diff.err;
    EXPECT_EQ(diff.out, "grid " + std::string(kGrid) +
                            "\n"
                            "2,2 guard: 0 -> 1\n"
                            "4,3 object: 261 -> 0\n"
                            "2 changes: earth 0, object 1, item 0, action 0, block 0, guard 1\n");

    repo.commitAll("changed");
    repo.write("Maps/Default/cave.config", config(2, 0));
    repo.write("Maps/Default/cave.map", GridBytes(2, 0).bytes());
    repo.commitAll("cave");
    diff = repo.git({"diff", "HEAD~2", "HEAD", "--", "*.map"});
    EXPECT_EQ(diff.exitCode, 0) << diff.err;
    EXPECT_NE(diff.out.find("grid Maps/Default/cave.map\nnew location grid, 2x0\n"),
              std::string::npos)
        << diff.out;
    EXPECT_NE(diff.out.find("2,2 guard: 0 -> 1\n"), std::string::npos) << diff.out;
}

} // namespace
