#include "model/text_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/scratch_folder.h"

namespace tarnex {
namespace {

namespace fs = std::filesystem;
using testing::ReadText;

class TextFilesTest : public ::testing::Test {
  protected:
    std::string PathOf(const std::string& name) const { return scratch_.PathOf(name); }
    /// A failed or finished save leaves no temporary file behind.
    std::vector<std::string> Names() const { return scratch_.Names(); }
    /// The cause ReplaceTextFile gives, or "saved".
    static std::string ReplaceCause(const std::string& path, const std::string& text) {
        try {
            ReplaceTextFile(path, text);
        } catch (const FileError& error) {
            return error.what();
        }
        return "saved";
    }
    static mode_t ModeOf(const std::string& path) {
        struct stat st {};
        EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
        return st.st_mode & 07777;
    }

    testing::ScratchFolder scratch_{"tarnex-text-files"};
};

TEST_F(TextFilesTest, SymbolicLinksStayLinksAndTheFileTheyNameIsReplaced) {
    scratch_.WriteText("real.in", "old");
    fs::create_directory(PathOf("sub"));
    fs::create_symlink("../real.in", PathOf("sub/link.in"));  // relative to the link's folder
    fs::create_symlink("sub/link.in", PathOf("chain.in"));    // a link to a link
    ASSERT_EQ(ReplaceCause(PathOf("chain.in"), "new"), "saved");
    EXPECT_EQ(ReadText(PathOf("real.in")), "new");
    EXPECT_TRUE(fs::is_symlink(PathOf("chain.in")));
    EXPECT_TRUE(fs::is_symlink(PathOf("sub/link.in")));

    // A link that points nowhere yet: the file it names is created.
    fs::create_symlink("made.in", PathOf("dangling.in"));
    ASSERT_EQ(ReplaceCause(PathOf("dangling.in"), "made"), "saved");
    EXPECT_TRUE(fs::is_symlink(PathOf("dangling.in")));
    EXPECT_EQ(ReadText(PathOf("made.in")), "made");
    EXPECT_EQ(Names(),
              (std::vector<std::string>{"chain.in", "dangling.in", "made.in", "real.in", "sub"}));
}

TEST_F(TextFilesTest, PermissionBitsAndOwnerAreKeptANewFileFollowsTheUmask) {
    for (const mode_t mode : {0600, 0640, 0664, 0604}) {
        const std::string path = scratch_.WriteText("kept.in", "old");
        ::chmod(path.c_str(), mode);
        ASSERT_EQ(ReplaceCause(path, "new"), "saved");
        EXPECT_EQ(ReadText(path), "new");
        EXPECT_EQ(ModeOf(path), mode) << std::oct << mode;
    }
    if (::geteuid() == 0) {
        // The superuser may give the new file the old one's owner and group.
        const std::string path = scratch_.WriteText("owned.in", "old");
        ASSERT_EQ(::chown(path.c_str(), 4321, 8765), 0);
        ASSERT_EQ(ReplaceCause(path, "new"), "saved");
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 4321U);
        EXPECT_EQ(st.st_gid, 8765U);
    }
    const mode_t previous = ::umask(027);
    const std::string fresh = PathOf("fresh.in");
    const std::string cause = ReplaceCause(fresh, "new");
    ::umask(previous);
    ASSERT_EQ(cause, "saved");
    EXPECT_EQ(ModeOf(fresh), 0640U);
}

TEST_F(TextFilesTest, EveryHardLinkSeesTheNewContents) {
    const std::string first = scratch_.WriteText("first.in", "old");
    ::chmod(first.c_str(), 0640);
    fs::create_hard_link(first, PathOf("second.in"));
    ASSERT_EQ(ReplaceCause(first, "a longer new text"), "saved");
    EXPECT_EQ(ReadText(PathOf("second.in")), "a longer new text");
    ASSERT_EQ(ReplaceCause(PathOf("second.in"), "short"), "saved");  // shrinks in place too
    EXPECT_EQ(ReadText(first), "short");
    EXPECT_EQ(fs::hard_link_count(first), 2U);
    EXPECT_EQ(ModeOf(first), 0640U);
    EXPECT_EQ(Names(), (std::vector<std::string>{"first.in", "second.in"}));
}

TEST_F(TextFilesTest, TargetsThatCannotHoldADesignAreRefusedAndLeftAsTheyWere) {
    const std::string readOnly = scratch_.WriteText("read-only.in", "old");
    ::chmod(readOnly.c_str(), 0444);
    EXPECT_EQ(ReplaceCause(readOnly, "new"), "the file " + readOnly + " is read-only");
    EXPECT_EQ(ReadText(readOnly), "old");
    EXPECT_EQ(ModeOf(readOnly), 0444U);

    fs::create_directory(PathOf("folder.in"));
    EXPECT_EQ(ReplaceCause(PathOf("folder.in"), "new"), PathOf("folder.in") + " is a folder");
    ASSERT_EQ(::mkfifo(PathOf("pipe.in").c_str(), 0644), 0);
    EXPECT_EQ(ReplaceCause(PathOf("pipe.in"), "new"), PathOf("pipe.in") + " is not a regular file");
    EXPECT_TRUE(fs::is_fifo(PathOf("pipe.in")));
    EXPECT_EQ(ReplaceCause(PathOf("missing/x.in"), "new"),
              "the folder " + PathOf("missing") + " does not exist");
    EXPECT_EQ(ReplaceCause("", "new"), "no file name is given");
    EXPECT_EQ(Names(), (std::vector<std::string>{"folder.in", "pipe.in", "read-only.in"}));
}

TEST_F(TextFilesTest, AFolderWithoutWritePermissionIsRefusedAsPermissionDenied) {
    // The superuser may write anywhere: the save runs in a child process as nobody.
    fs::permissions(scratch_.path(), fs::perms::owner_all | fs::perms::others_exec);
    const std::string locked = PathOf("locked");
    fs::create_directory(locked);
    const std::string path = locked + "/design.in";
    std::ofstream(path) << "old";
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                fs::perms::others_exec);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && ::setuid(65534) != 0) ::_exit(3);
        const std::string cause = ReplaceCause(path, "new");
        ::_exit(cause == "permission denied" ? 0 : cause == "saved" ? 2 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: another cause, 2: saved";
    EXPECT_EQ(ReadText(path), "old");
    fs::permissions(locked, fs::perms::owner_all);  // so that the scratch folder can go
}

TEST_F(TextFilesTest, ReadingRefusesWhatIsNoRegularFileWithoutWaitingForAWriter) {
    ASSERT_EQ(::mkfifo(PathOf("pipe.in").c_str(), 0644), 0);
    const auto readCause = [](const std::string& path) -> std::string {
        try {
            return "read: " + ReadTextFile(path);
        } catch (const FileError& error) {
            return error.what();
        }
    };
    EXPECT_EQ(readCause(PathOf("pipe.in")), PathOf("pipe.in") + " is not a regular file");
    EXPECT_EQ(readCause(scratch_.path().string()), scratch_.path().string() + " is a folder");
    EXPECT_EQ(readCause(PathOf("none.in")), "the file " + PathOf("none.in") + " does not exist");
    EXPECT_EQ(readCause(PathOf("none/x.in")), "the folder " + PathOf("none") + " does not exist");
    EXPECT_EQ(readCause(scratch_.WriteText("a.in", std::string("a\0b", 3))),
              std::string("read: a\0b", 9));
}

TEST_F(TextFilesTest, SameFileComparesFilesNotPathTexts) {
    const std::string design = scratch_.WriteText("design.in", "x");
    fs::create_directory(PathOf("sub"));
    fs::create_symlink("../design.in", PathOf("sub/link.in"));
    fs::create_hard_link(design, PathOf("hard.in"));
    EXPECT_TRUE(SameFile(design, PathOf("sub/../design.in")));
    EXPECT_TRUE(SameFile(design, PathOf("sub/link.in")));
    EXPECT_TRUE(SameFile(PathOf("hard.in"), design));
    EXPECT_FALSE(SameFile(design, scratch_.WriteText("other.in", "x")));
    // Files that do not exist yet: the same path once links and ".." are resolved.
    fs::create_symlink("new.out", PathOf("to-new.out"));
    EXPECT_TRUE(SameFile(PathOf("sub/../new.out"), PathOf("to-new.out")));
    EXPECT_TRUE(SameFile(PathOf("./new.out"), PathOf("new.out")));
    EXPECT_FALSE(SameFile(PathOf("new.out"), PathOf("sub/new.out")));
    EXPECT_FALSE(SameFile(PathOf("new.out"), ""));
}

}  // namespace
}  // namespace tarnex
