#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarnex {

/// A file that cannot be read or written. what() names the cause as the user sees it: "the
/// folder /x does not exist", "the disk is full", "permission denied".
class FileError : public std::runtime_error {
  public:
    explicit FileError(const std::string& cause) : std::runtime_error(cause) {}
};

/// The whole contents of the regular file at `path`; anything else (a folder, a FIFO, a device)
/// is refused without being opened for long. Throws FileError.
std::string ReadTextFile(const std::string& path);

/// Replaces the contents of the regular file at `path`, or creates it, so that a failure leaves
/// the previous contents whole. A symbolic link is followed and the file it names replaced (the
/// link stays a link). The new contents go to a temporary file of a unique name beside the
/// target, with the old file's permission bits (and owner and group where the process may set
/// them), flushed to disk and renamed over the target; the folder is flushed after the rename.
/// A file with more than one hard link is rewritten in place once the temporary copy is on
/// disk, so that every name sees the new contents. A target that is not a regular file, or that
/// may not be written (no permission, or marked read-only by having no write bit), is refused
/// untouched. Throws FileError.
void ReplaceTextFile(const std::string& path, const std::string& text);

/// True when the two names are one file: the same device and inode when both exist, else the
/// same path once symbolic links, "." and ".." are resolved.
bool SameFile(const std::string& a, const std::string& b);

/// A file that a written file must never replace (the design, its report), and what it is to
/// the user ("the input file").
struct KeptFile {
    std::string path;
    std::string what;
};

/// The first of `kept` that writing `file` would overwrite (an empty path is no file).
std::optional<KeptFile> OverwrittenFile(const std::string& file, const std::vector<KeptFile>& kept);

}  // namespace tarnex
