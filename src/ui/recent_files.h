#pragma once

#include <string>
#include <vector>

namespace tarnex::ui {

/// The design files last opened or saved, newest first, each once.
class RecentFiles {
  public:
    /// Files kept at most.
    static constexpr std::size_t kMaxFiles = 8;

    /// Puts `path` first (moved up when already listed); the oldest beyond the limit go.
    void Add(const std::string& path);
    void Remove(const std::string& path);
    /// Replaces the list (from the user's settings), keeping the limit and dropping repeats.
    void Assign(const std::vector<std::string>& paths);
    [[nodiscard]] const std::vector<std::string>& paths() const { return paths_; }

  private:
    std::vector<std::string> paths_;
};

}  // namespace tarnex::ui
