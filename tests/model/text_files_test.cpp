#include "model/text_files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "model/save_steps.h"
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
    ASSERT_EQ(ReplaceCause(first, ""), "saved");  // no room to reserve for nothing
    EXPECT_EQ(ReadText(PathOf("second.in")), "");
    ASSERT_EQ(ReplaceCause(first, "short"), "saved");
    EXPECT_EQ(fs::hard_link_count(first), 2U);
    EXPECT_EQ(ModeOf(first), 0640U);
    EXPECT_EQ(Names(), (std::vector<std::string>{"first.in", "second.in"}));
}

TEST_F(TextFilesTest, TargetsThatCannotHoldADesignAreRefusedAndLeftAsTheyWere) {
    // Without a write bit a file is read-only for its owner and for the superuser alike.
    const std::string readOnly = scratch_.WriteText("read-only.in", "old");
    ::chmod(readOnly.c_str(), 0444);
    EXPECT_EQ(ReplaceCause(readOnly, "new"), "the file " + readOnly + " is read-only");
    const auto checkCause = [](const std::string& path) -> std::string {
        try {
            CheckWritableFile(path);
        } catch (const FileError& error) {
            return error.what();
        }
        return "writable";
    };
    EXPECT_EQ(checkCause(readOnly), "the file " + readOnly + " is read-only");
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
    // The check before a long piece of work refuses the same, touching nothing.
    EXPECT_EQ(checkCause(PathOf("pipe.in")), PathOf("pipe.in") + " is not a regular file");
    EXPECT_EQ(checkCause(PathOf("folder.in")), PathOf("folder.in") + " is a folder");
    EXPECT_EQ(checkCause(PathOf("missing/x.in")),
              "the folder " + PathOf("missing") + " does not exist");
    EXPECT_EQ(checkCause(PathOf("new.in")), "writable");
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

/// A test's hook into the steps of the saves it makes; removed with the object.
class StepHook {
  public:
    explicit StepHook(SaveStepHook hook) { SetSaveStepHook(std::move(hook)); }
    ~StepHook() { SetSaveStepHook({}); }
    StepHook(const StepHook&) = delete;
    StepHook& operator=(const StepHook&) = delete;
};

/// A design-sized text that the in-place rewrite copies in several pieces.
std::string LongText(char fill) { return std::string(200000, fill) + "\r\nend\r\n"; }

TEST_F(TextFilesTest, AFullDiskLeavesTheOldFileByteForByte) {
    const std::string old = LongText('o');
    const std::string path = scratch_.WriteText("design.in", old);
    {
        const StepHook full(
            [](SaveStep step) { return step == SaveStep::WriteTemporary ? ENOSPC : 0; });
        EXPECT_EQ(ReplaceCause(path, LongText('n')), "the disk is full");
    }
    EXPECT_TRUE(ReadText(path) == old);
    EXPECT_EQ(Names(), std::vector<std::string>{"design.in"});

    // A hard-linked file: no room for its new length touches nothing of it, and says so.
    fs::create_hard_link(path, PathOf("other-name.in"));
    {
        const StepHook full(
            [](SaveStep step) { return step == SaveStep::ReserveSpace ? ENOSPC : 0; });
        EXPECT_EQ(ReplaceCause(path, LongText('n') + "longer"),
                  "the disk is full; there is no room for the new contents of " + path +
                      ", which is unchanged");
    }
    EXPECT_TRUE(ReadText(PathOf("other-name.in")) == old);
    EXPECT_EQ(Names(), (std::vector<std::string>{"design.in", "other-name.in"}));
}

TEST_F(TextFilesTest, AnInPlaceRewriteThatFailsMidwayIsCompletedByTheNextRead) {
    const std::string path = scratch_.WriteText("design.in", LongText('o'));
    fs::create_hard_link(path, PathOf("other-name.in"));
    const std::string fresh = LongText('n');
    std::string cause;
    {
        int pieces = 0;
        const StepHook failing([&pieces](SaveStep step) {
            return step == SaveStep::WriteInPlace && ++pieces == 2 ? EIO : 0;
        });
        cause = ReplaceCause(path, fresh);
    }
    // The one complete copy is kept and named; the file itself holds a part of it.
    ASSERT_EQ(Names().size(), 3U);
    const std::string journal = PathOf(Names().front());
    EXPECT_EQ(cause, "input/output error; the new contents of " + path +
                         " are incomplete and whole in " + journal +
                         ", which the next save or read completes them from");
    EXPECT_TRUE(ReadText(journal) == fresh);
    EXPECT_FALSE(ReadText(path) == fresh);
    EXPECT_TRUE(ReadTextFile(PathOf("other-name.in")) == fresh);
    EXPECT_TRUE(ReadText(path) == fresh);
    EXPECT_EQ(Names(), (std::vector<std::string>{"design.in", "other-name.in"}));
}

/// A save killed at one of its steps, in a child process.
struct KilledSave {
    SaveStep step;
    int calls;  // killed at this call of the step (the pieces of an in-place rewrite)
    bool hardLinked;
    bool newContents;  // what the next read finds: the new contents, else the old ones
};

TEST_F(TextFilesTest, AKilledSaveLeavesOldOrNewAndTheNextSaveNoWorkingFile) {
    const std::vector<KilledSave> cases = {
        {SaveStep::WriteTemporary, 1, false, false}, {SaveStep::Rename, 1, false, false},
        {SaveStep::WriteTemporary, 1, true, false},  {SaveStep::MarkJournal, 1, true, false},
        {SaveStep::ReserveSpace, 1, true, true},     {SaveStep::WriteInPlace, 1, true, true},
        {SaveStep::WriteInPlace, 3, true, true},     {SaveStep::RemoveJournal, 1, true, true},
    };
    const std::string old = LongText('o');
    const std::string fresh = LongText('n') + "and a longer tail";
    for (const KilledSave& c : cases) {
        const std::string path = scratch_.WriteText("design.in", old);
        if (c.hardLinked) fs::create_hard_link(path, PathOf("other-name.in"));
        // Three saves killed at the same step leave their working files behind.
        for (int kill = 0; kill < 3; ++kill) {
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                int calls = 0;
                SetSaveStepHook([&](SaveStep step) {
                    if (step == c.step && ++calls == c.calls) ::raise(SIGKILL);
                    return 0;
                });
                std::ignore = ReplaceCause(path, fresh);
                ::_exit(0);
            }
            int status = 0;
            ::waitpid(child, &status, 0);
            ASSERT_TRUE(WIFSIGNALED(status)) << static_cast<int>(c.step);
        }
        EXPECT_GT(Names().size(), c.hardLinked ? 2U : 1U) << static_cast<int>(c.step);
        EXPECT_TRUE(ReadTextFile(path) == (c.newContents ? fresh : old))
            << static_cast<int>(c.step);
        // The next save removes what no live save holds.
        ASSERT_EQ(ReplaceCause(path, "newest"), "saved");
        EXPECT_EQ(ReadText(path), "newest");
        if (c.hardLinked) {
            EXPECT_EQ(ReadText(PathOf("other-name.in")), "newest");
        }
        EXPECT_EQ(Names().size(), c.hardLinked ? 2U : 1U) << static_cast<int>(c.step);
        fs::remove(path);
        fs::remove(PathOf("other-name.in"));
    }
}

TEST_F(TextFilesTest, TheTemporaryFileOfALiveSaveIsNeverRemoved) {
    const std::string path = scratch_.WriteText("design.in", "old");
    // Working files of this file: one held by a save that is still at work, one left by a
    // killed save; and one of another file whose name begins the same.
    const std::string live = scratch_.WriteText(".design.in.123.saving", "live");
    const std::string stale = scratch_.WriteText(".design.in.456.saving", "stale");
    const std::string other = scratch_.WriteText(".design.in.x.789.saving", "other");
    const int held = ::open(live.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    ASSERT_EQ(ReplaceCause(path, "new"), "saved");
    ::close(held);
    EXPECT_EQ(Names(), (std::vector<std::string>{".design.in.123.saving", ".design.in.x.789.saving",
                                                 "design.in"}));
    EXPECT_FALSE(fs::exists(stale));
}

/// Runs `body` in a child process with a file system of 64 KB mounted on `folder` (a mount of
/// its own, in a namespace of its own where the system allows one): the exit status of body,
/// or -1 when no file system could be mounted.
template <typename Body>
int WithSmallFileSystem(const std::string& folder, Body body) {
    const pid_t child = ::fork();
    if (child == 0) {
        const int flags = ::geteuid() == 0 ? CLONE_NEWNS : CLONE_NEWUSER | CLONE_NEWNS;
        if (::unshare(flags) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tarnex-test", folder.c_str(), "tmpfs", 0, "size=64k") != 0)
            ::_exit(99);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 99) return -1;
    return WEXITSTATUS(status);
}

TEST_F(TextFilesTest, OnARealFullDiskAHardLinkedDesignKeepsItsOldContents) {
    // A 913-byte design with a second name, saved as 39,850 bytes on a disk of 64 KB.
    const std::string folder = PathOf("small");
    fs::create_directory(folder);
    const int status = WithSmallFileSystem(folder, [&folder] {
        const std::string path = folder + "/h1.in";
        const std::string old(913, 'o');
        std::ofstream(path, std::ios::binary) << old;
        fs::create_hard_link(path, folder + "/h2.in");
        const std::string cause = ReplaceCause(path, std::string(39850, 'n'));
        if (cause != "the disk is full; there is no room for the new contents of " + path +
                         ", which is unchanged")
            return 1;
        if (ReadText(path) != old || ReadText(folder + "/h2.in") != old) return 2;
        if (fs::file_size(path) != 913) return 3;
        int count = 0;
        for (const auto& entry : fs::directory_iterator(folder)) count += entry.exists() ? 1 : 0;
        return count == 2 ? 0 : 4;
    });
    if (status < 0) GTEST_SKIP() << "no small file system can be mounted here";
    EXPECT_EQ(status, 0) << "1: another cause, 2: changed, 3: length, 4: a file left";
}

}  // namespace
}  // namespace tarnex
