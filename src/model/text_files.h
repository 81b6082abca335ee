#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tarnex {

/// A file that cannot be read or written. what() names the cause as the user sees it: "the
/// folder /x does not exist", "the disk is full", "permission denied".
class FileError : public std::runtime_error {
  public:
    explicit FileError(const std::string& cause) : std::runtime_error(cause) {}
};

/// The whole contents of the regular file at `path`; anything else (a folder, a FIFO, a device)
/// is refused without being opened for long. A rewrite of the file in place that was cut off
/// (the process killed) is completed first from the complete copy it left beside the file.
/// Throws FileError.
std::string ReadTextFile(const std::string& path);

/// The one way the program writes a file (the design, the report, the CSV, pictures, copies):
/// replaces the contents of the regular file at `path` with `bytes`, or creates it, so that a
/// failure or a kill at any moment leaves the previous contents or the new ones, never a
/// mixture, and the cause is named ("the disk is full").
/// - A symbolic link is followed and the file it names replaced (the link stays a link).
/// - A target that is not a regular file (a folder, FIFO or device: never opened), that may not
///   be written, or that has no write bit (read-only, even for the superuser) is refused
///   untouched.
/// - The bytes go to a new temporary file beside the target, ".NAME.<number>.saving", created
///   exclusively and locked while the save works, with the old file's permission bits (owner
///   and group where the process may set them); it is flushed to disk and renamed over the
///   target, and the folder is flushed. Temporary files of the same target that no live save
///   holds (left by a killed save) are removed first.
/// - A file with more than one hard link is rewritten in place so that every name sees the new
///   contents: the room is reserved first (if there is none, nothing of the file is touched);
///   the complete copy stays beside it as a journal until the rewrite is on disk, and the next
///   save or read completes a rewrite that was cut off.
/// Throws FileError.
void ReplaceTextFile(const std::string& path, std::string_view bytes);

/// Refuses, as ReplaceTextFile would, a file that cannot be written (not a regular file,
/// read-only, no permission, a folder that does not exist), without touching anything: for a
/// writer that has work to do before it writes. Throws FileError.
void CheckWritableFile(const std::string& path);

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
