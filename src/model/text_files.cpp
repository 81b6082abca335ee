#include "model/text_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "model/save_steps.h"

namespace tarnex {

namespace {

namespace fs = std::filesystem;

/// Symbolic links are followed at most this often, as the system does.
constexpr int kMaxLinkHops = 40;

/// An open file descriptor, closed with the object.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor& operator=(Descriptor&& other) noexcept {
        if (this != &other) {
            if (fd_ >= 0) ::close(fd_);
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }

    [[nodiscard]] int get() const { return fd_; }
    [[nodiscard]] bool valid() const { return fd_ >= 0; }
    /// Closes now; false when the close reports an error (a delayed write failure).
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

fs::path FolderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

/// The cause of a failed file system call on `path`, in the user's terms.
std::string CauseOf(int error, const fs::path& path) {
    switch (error) {
        case ENOENT:
        case ENOTDIR: {
            std::error_code ec;
            const fs::path folder = FolderOf(path);
            if (!fs::is_directory(folder, ec))
                return "the folder " + folder.string() + " does not exist";
            return "the file " + path.string() + " does not exist";
        }
        case EACCES:
        case EPERM:
            return "permission denied";
        case ENOSPC:
        case EDQUOT:
            return "the disk is full";
        case EROFS:
            return "the file system is read-only";
        case EISDIR:
            return path.string() + " is a folder";
        default: {
            std::string cause = std::generic_category().message(error);
            if (!cause.empty()) cause[0] = static_cast<char>(std::tolower(cause[0]));
            return cause;
        }
    }
}

[[noreturn]] void Fail(int error, const fs::path& path) { throw FileError(CauseOf(error, path)); }

/// Why a file that exists cannot hold a design: it is a folder or some other kind of file.
std::string NotRegularCause(mode_t mode, const fs::path& path) {
    return path.string() + (S_ISDIR(mode) ? " is a folder" : " is not a regular file");
}

/// The file a chain of symbolic links ends at (the path itself when it is no link). A link that
/// points nowhere gives the path it names, so that a save creates that file.
fs::path ResolveLinks(fs::path path) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        std::error_code ec;
        const fs::path to = fs::read_symlink(path, ec);
        if (ec) return path;
        path = to.is_absolute() ? to : FolderOf(path) / to;
    }
    return path;  // the system reports the loop when the file is opened
}

SaveStepHook& StepHook() {
    static SaveStepHook hook;
    return hook;
}

/// The error a test makes the step fail with, or 0.
int StepError(SaveStep step) {
    const SaveStepHook& hook = StepHook();
    return hook ? hook(step) : 0;
}

/// Writes all of `bytes` at the descriptor's position; the error number, or 0.
int WriteAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

/// Refuses an existing target that cannot take new contents: not a regular file, no write
/// bit at all (read-only, for the superuser too), or not writable by this process.
void CheckExistingTarget(const struct stat& st, const fs::path& target) {
    if (!S_ISREG(st.st_mode)) throw FileError(NotRegularCause(st.st_mode, target));
    if ((st.st_mode & 0222) == 0) throw FileError("the file " + target.string() + " is read-only");
    // Refused as opening it for writing would refuse it.
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) Fail(errno, target);
}

/// The names of the working files of one target: ".NAME.<number>.saving" while a save writes
/// it, ".NAME.<number>.<inode>.rewriting" while a hard-linked file is rewritten in place (the
/// complete new contents, kept until the rewrite is on disk).
class WorkingNames {
  public:
    explicit WorkingNames(const fs::path& target)
        // Room for the suffixes within the 255-byte name limit.
        : folder_(FolderOf(target)), stem_("." + target.filename().string().substr(0, 200) + ".") {}

    [[nodiscard]] const fs::path& folder() const { return folder_; }
    [[nodiscard]] fs::path Temporary(unsigned number) const {
        return folder_ / (stem_ + std::to_string(number) + kSaving);
    }
    /// The journal name of a temporary file, for the file of inode `inode`.
    [[nodiscard]] static fs::path Journal(const fs::path& temporary, ino_t inode) {
        std::string name = temporary.string();
        name.resize(name.size() - std::strlen(kSaving));
        return name + "." + std::to_string(inode) + kRewriting;
    }
    /// True when `name` is a temporary file of the target.
    [[nodiscard]] bool IsTemporary(const std::string& name) const {
        const std::optional<std::string> middle = Middle(name, kSaving);
        return middle && IsNumber(*middle);
    }
    /// The inode that `name` is the journal of, when it is the journal of a rewrite in this
    /// folder (of this target under any of its names: the inode tells).
    [[nodiscard]] static std::optional<ino_t> JournalInode(const std::string& name) {
        const std::string_view suffix = kRewriting;
        if (!name.starts_with('.') || !name.ends_with(suffix)) return std::nullopt;
        const std::string rest = name.substr(0, name.size() - suffix.size());
        const std::size_t inodeDot = rest.rfind('.');
        if (inodeDot == std::string::npos || inodeDot == 0) return std::nullopt;
        const std::size_t numberDot = rest.rfind('.', inodeDot - 1);
        if (numberDot == std::string::npos ||
            !IsNumber(rest.substr(numberDot + 1, inodeDot - numberDot - 1)) ||
            !IsNumber(rest.substr(inodeDot + 1)))
            return std::nullopt;
        return static_cast<ino_t>(std::stoull(rest.substr(inodeDot + 1)));
    }

  private:
    static constexpr const char* kSaving = ".saving";
    static constexpr const char* kRewriting = ".rewriting";

    [[nodiscard]] std::optional<std::string> Middle(const std::string& name,
                                                    std::string_view suffix) const {
        if (name.size() <= stem_.size() + suffix.size() || !name.starts_with(stem_) ||
            !name.ends_with(suffix))
            return std::nullopt;
        return name.substr(stem_.size(), name.size() - stem_.size() - suffix.size());
    }
    static bool IsNumber(const std::string& text) {
        return !text.empty() && text.size() <= 20 &&
               std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    }

    fs::path folder_;
    std::string stem_;
};

/// Flushes a folder's entries to disk, so that a rename in it survives a power cut. File
/// systems that cannot flush a folder say so with EINVAL; that is no failure.
void FlushFolder(const fs::path& folder) {
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.valid()) Fail(errno, folder);
    if (::fsync(fd.get()) != 0 && errno != EINVAL) Fail(errno, folder);
}

/// True when `path` still names the file open at `fd` (no one removed or replaced it).
bool StillNamed(int fd, const fs::path& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino && opened.st_nlink > 0;
}

/// A working file that no save holds, opened and locked; invalid when it is held (a live
/// save), gone or not a regular file.
Descriptor LockUnheld(const fs::path& path) {
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (!fd.valid() || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0 || !StillNamed(fd.get(), path))
        return Descriptor(-1);
    return fd;
}

/// Copies `size` bytes of the journal into the file at `fd` from its start, after setting the
/// file's length to them, and flushes the file; the error number, or 0.
int CopyInto(int fd, int journal, std::size_t size) {
    if (::ftruncate(fd, static_cast<off_t>(size)) != 0) return errno;
    std::vector<char> piece(std::size_t{1} << 16);
    std::size_t done = 0;
    while (done < size) {
        if (const int error = StepError(SaveStep::WriteInPlace); error != 0) return error;
        const std::size_t want = std::min(piece.size(), size - done);
        const ssize_t n = ::pread(journal, piece.data(), want, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return EIO;  // the journal is shorter than it was written
        std::size_t written = 0;
        while (written < static_cast<std::size_t>(n)) {
            const ssize_t w =
                ::pwrite(fd, piece.data() + written, static_cast<std::size_t>(n) - written,
                         static_cast<off_t>(done + written));
            if (w < 0 && errno == EINTR) continue;
            if (w < 0) return errno;
            written += static_cast<std::size_t>(w);
        }
        done += written;
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

/// Completes a rewrite in place that was cut off: the journal (locked by the caller) holds the
/// complete new contents of the target; they are written over it and the journal removed.
void CompleteRewrite(const fs::path& target, int journal, const fs::path& journalPath) {
    const auto fail = [&](int error) {
        throw FileError(CauseOf(error, target) + "; a save of " + target.string() +
                        " was cut off and its whole new contents are in " + journalPath.string());
    };
    struct stat st {};
    if (::fstat(journal, &st) != 0) fail(errno);
    Descriptor fd(::open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid()) fail(errno);
    if (::flock(fd.get(), LOCK_EX) != 0) fail(errno);
    if (const int error = CopyInto(fd.get(), journal, static_cast<std::size_t>(st.st_size));
        error != 0)
        fail(error);
    ::unlink(journalPath.c_str());
    FlushFolder(FolderOf(target));
}

/// Before a save or a read of `target`: completes the rewrites in place of it that were cut
/// off, and (`removeTemporaries`) removes its temporary files that no live save holds.
void CleanUpAfterKilledSaves(const fs::path& target, bool removeTemporaries) {
    const WorkingNames names(target);
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    std::error_code ec;
    // Without the folder there is nothing to clean; the save reports what is wrong with it.
    for (fs::directory_iterator entry(names.folder(), ec), end; !ec && entry != end;
         entry.increment(ec)) {
        const std::string name = entry->path().filename().string();
        if (removeTemporaries && names.IsTemporary(name)) {
            // Locked, it is no live save's: removed while the lock is held.
            const Descriptor fd = LockUnheld(entry->path());
            if (fd.valid()) ::unlink(entry->path().c_str());
        } else if (const std::optional<ino_t> inode = WorkingNames::JournalInode(name)) {
            if (!exists || *inode != st.st_ino) continue;  // a journal of another file
            const Descriptor fd = LockUnheld(entry->path());
            if (fd.valid()) CompleteRewrite(target, fd.get(), entry->path());
        }
    }
}

/// The temporary file of one save, locked while the save works; removed with the object
/// unless renamed into place or kept.
class Temporary {
  public:
    /// A new file beside `target` whose name no other process holds: created exclusively, with
    /// the permissions a plain create would give (0666 less the umask), and locked.
    explicit Temporary(const fs::path& target) {
        const WorkingNames names(target);
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            path_ = names.Temporary(random());
            Descriptor fd(::open(path_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
            if (!fd.valid()) {
                if (errno != EEXIST) Fail(errno, path_);
                continue;
            }
            if (::flock(fd.get(), LOCK_EX) != 0) {
                const int error = errno;
                ::unlink(path_.c_str());
                Fail(error, path_);
            }
            // A clean-up that locked the new file before this save did has removed it: another
            // name is taken.
            if (StillNamed(fd.get(), path_)) {
                fd_ = std::move(fd);
                return;
            }
        }
        path_.clear();
        throw FileError("no temporary file name is free in " + names.folder().string());
    }
    ~Temporary() {
        if (!path_.empty()) ::unlink(path_.c_str());  // before the lock goes with the close
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    Temporary(Temporary&&) = delete;
    Temporary& operator=(Temporary&&) = delete;

    [[nodiscard]] int fd() const { return fd_.get(); }
    [[nodiscard]] const fs::path& path() const { return path_; }
    /// The file has a new name (still removed with the object).
    void Renamed(fs::path to) { path_ = std::move(to); }
    /// The file stays: renamed into place, or kept for the user.
    void Keep() { path_.clear(); }

  private:
    Descriptor fd_{-1};
    fs::path path_;
};

/// Gives the new file the old one's owner and group where the process may, then its
/// permission bits (after the owner, which may clear the set-id bits).
void CopyOwnerAndMode(int fd, const struct stat& old, const fs::path& temp) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    if (::fchmod(fd, old.st_mode & 07777) != 0) Fail(errno, temp);
}

/// Rewrites a hard-linked file in place from the complete temporary copy: the same inode, so
/// every name sees the new contents. The temporary copy becomes the journal of the rewrite
/// before the file is touched, so that a rewrite cut off at any point is completed by the next
/// save or read. The room for the new length is reserved before anything is written (if there
/// is none, the file is left as it was and the journal removed); then the file's length is
/// set, the contents copied and flushed. Two saves at once take turns through the file's lock.
void RewriteInPlace(const fs::path& target, Temporary& temp, std::size_t size) {
    Descriptor fd(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid()) Fail(errno, target);
    if (::flock(fd.get(), LOCK_EX) != 0) Fail(errno, target);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) Fail(errno, target);
    const fs::path journal = WorkingNames::Journal(temp.path(), st.st_ino);
    int error = StepError(SaveStep::MarkJournal);
    if (error == 0 && ::rename(temp.path().c_str(), journal.c_str()) != 0) error = errno;
    if (error != 0) Fail(error, target);
    temp.Renamed(journal);
    FlushFolder(FolderOf(target));

    error = StepError(SaveStep::ReserveSpace);
    // An empty file needs no room (and a reservation of nothing is refused as invalid).
    if (error == 0 && size > 0) error = ::posix_fallocate(fd.get(), 0, static_cast<off_t>(size));
    if (error != 0) {
        // A reservation that failed may still have lengthened the file: its old length back
        // (only the added zeros go), then the journal goes with the object.
        struct stat now {};
        if (::fstat(fd.get(), &now) == 0 && now.st_size != st.st_size &&
            ::ftruncate(fd.get(), st.st_size) != 0) {
            temp.Keep();
        }
        throw FileError(CauseOf(error, target) + "; there is no room for the new contents of " +
                        target.string() + ", which is unchanged");
    }
    error = CopyInto(fd.get(), temp.fd(), size);
    if (error != 0) {
        temp.Keep();  // the one complete copy; the next save or read writes it over the file
        throw FileError(CauseOf(error, target) + "; the new contents of " + target.string() +
                        " are incomplete and whole in " + journal.string() +
                        ", which the next save or read completes them from");
    }
    if (StepError(SaveStep::RemoveJournal) == 0) {
        ::unlink(journal.c_str());
        temp.Keep();
    }
}

}  // namespace

void SetSaveStepHook(SaveStepHook hook) { StepHook() = std::move(hook); }

std::string ReadTextFile(const std::string& path) {
    if (path.empty()) throw FileError("no file name is given");
    CleanUpAfterKilledSaves(ResolveLinks(path), false);
    // Not blocking: a FIFO without a writer must not hang the open; it is refused below.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd.valid()) Fail(errno, path);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) Fail(errno, path);
    if (!S_ISREG(st.st_mode)) throw FileError(NotRegularCause(st.st_mode, path));
    std::string text;
    text.reserve(static_cast<std::size_t>(st.st_size));
    std::array<char, std::size_t{1} << 16> buffer{};
    while (true) {
        const ssize_t n = ::read(fd.get(), buffer.data(), buffer.size());
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail(errno, path);
        }
        text.append(buffer.data(), static_cast<std::size_t>(n));
    }
    return text;
}

void CheckWritableFile(const std::string& path) {
    if (path.empty()) throw FileError("no file name is given");
    const fs::path target = ResolveLinks(path);
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        CheckExistingTarget(st, target);
        return;
    }
    if (errno != ENOENT) Fail(errno, target);
    const fs::path folder = FolderOf(target);
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        throw FileError("the folder " + folder.string() + " does not exist");
    if (::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0) Fail(errno, folder);
}

void ReplaceTextFile(const std::string& path, std::string_view bytes) {
    if (path.empty()) throw FileError("no file name is given");
    const fs::path target = ResolveLinks(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) Fail(errno, target);
    if (exists) CheckExistingTarget(old, target);
    CleanUpAfterKilledSaves(target, true);

    Temporary temp(target);
    if (exists) CopyOwnerAndMode(temp.fd(), old, temp.path());
    int error = StepError(SaveStep::WriteTemporary);
    if (error == 0) error = WriteAll(temp.fd(), bytes);
    if (error != 0) Fail(error, target);
    if (::fsync(temp.fd()) != 0) Fail(errno, target);

    if (exists && old.st_nlink > 1) {
        // Every hard link is to see the new contents: the one file is rewritten in place.
        RewriteInPlace(target, temp, bytes.size());
    } else {
        error = StepError(SaveStep::Rename);
        if (error == 0 && ::rename(temp.path().c_str(), target.c_str()) != 0) error = errno;
        if (error != 0) Fail(error, target);
        temp.Keep();
    }
    FlushFolder(FolderOf(target));
}

bool SameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    struct stat sa {};
    struct stat sb {};
    if (::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0) {
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    }
    std::error_code ea;
    std::error_code eb;
    const fs::path pa = fs::weakly_canonical(fs::absolute(ResolveLinks(a), ea), ea);
    const fs::path pb = fs::weakly_canonical(fs::absolute(ResolveLinks(b), eb), eb);
    return !ea && !eb && pa == pb;
}

std::optional<KeptFile> OverwrittenFile(const std::string& file,
                                        const std::vector<KeptFile>& kept) {
    for (const KeptFile& k : kept) {
        if (SameFile(file, k.path)) return k;
    }
    return std::nullopt;
}

}  // namespace tarnex
