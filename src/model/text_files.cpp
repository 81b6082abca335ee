#include "model/text_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

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
    Descriptor(Descriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor& operator=(Descriptor&&) = delete;

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
        default:
            return std::generic_category().message(error);
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

/// Writes all of `text` at the descriptor's position; the error number, or 0.
int WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

/// A new file beside `target` whose name no other process holds: created exclusively, with the
/// permissions a plain create would give (0666 less the umask).
Descriptor CreateTemporaryBeside(const fs::path& target, fs::path& temp) {
    std::random_device random;
    // Room for the suffix within the 255-byte name limit.
    const std::string stem = "." + target.filename().string().substr(0, 200) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = FolderOf(target) / (stem + std::to_string(random()) + ".saving");
        Descriptor fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd.valid()) return fd;
        if (errno != EEXIST) Fail(errno, temp);
    }
    throw FileError("no temporary file name is free in " + FolderOf(target).string());
}

/// Gives the new file the old one's owner and group where the process may, then its
/// permission bits (after the owner, which may clear the set-id bits).
void CopyOwnerAndMode(int fd, const struct stat& old, const fs::path& temp) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    if (::fchmod(fd, old.st_mode & 07777) != 0) Fail(errno, temp);
}

/// Writes the whole text to a new temporary file beside `target`, with the old file's owner and
/// mode when there is one, and flushes it to disk. Returns its path; nothing is left on failure.
fs::path WriteTemporaryCopy(const fs::path& target, const struct stat* old,
                            const std::string& text) {
    fs::path temp;
    Descriptor fd = CreateTemporaryBeside(target, temp);
    try {
        if (old != nullptr) CopyOwnerAndMode(fd.get(), *old, temp);
        const int error = WriteAll(fd.get(), text);
        if (error != 0) Fail(error, target);
        if (::fsync(fd.get()) != 0) Fail(errno, target);
        if (!fd.Close()) Fail(errno, target);
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
    return temp;
}

/// Rewrites a file in place: the same inode, so every hard link sees the new contents. Two
/// saves at once take turns through the lock.
void RewriteInPlace(const fs::path& target, const std::string& text) {
    Descriptor fd(::open(target.c_str(), O_WRONLY | O_CLOEXEC));
    if (!fd.valid()) Fail(errno, target);
    if (::flock(fd.get(), LOCK_EX) != 0) Fail(errno, target);
    const int error = WriteAll(fd.get(), text);
    if (error != 0) Fail(error, target);
    if (::ftruncate(fd.get(), static_cast<off_t>(text.size())) != 0) Fail(errno, target);
    if (::fsync(fd.get()) != 0) Fail(errno, target);
    if (!fd.Close()) Fail(errno, target);
}

/// Flushes a folder's entries to disk, so that a rename in it survives a power cut. File
/// systems that cannot flush a folder say so with EINVAL; that is no failure.
void FlushFolder(const fs::path& folder) {
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.valid()) Fail(errno, folder);
    if (::fsync(fd.get()) != 0 && errno != EINVAL) Fail(errno, folder);
}

}  // namespace

std::string ReadTextFile(const std::string& path) {
    if (path.empty()) throw FileError("no file name is given");
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

void ReplaceTextFile(const std::string& path, const std::string& text) {
    if (path.empty()) throw FileError("no file name is given");
    const fs::path target = ResolveLinks(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) Fail(errno, target);
    if (exists) {
        if (!S_ISREG(old.st_mode)) throw FileError(NotRegularCause(old.st_mode, target));
        // Refused as opening it for writing would refuse it; a file without any write bit is
        // read-only for the superuser too.
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) Fail(errno, target);
        if ((old.st_mode & 0222) == 0)
            throw FileError("the file " + target.string() + " is read-only");
    }

    const fs::path temp = WriteTemporaryCopy(target, exists ? &old : nullptr, text);
    if (exists && old.st_nlink > 1) {
        // Every hard link is to see the new design: the one file is rewritten in place. The
        // temporary copy already holds the whole design; if the rewrite fails it is kept.
        try {
            RewriteInPlace(target, text);
        } catch (const FileError& error) {
            throw FileError(std::string(error.what()) + "; the design is kept in " + temp.string());
        }
        ::unlink(temp.c_str());
    } else if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        Fail(error, target);
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
