#include "ui/recent_files.h"

#include <algorithm>

namespace tarnex::ui {

void RecentFiles::Add(const std::string& path) {
    if (path.empty()) return;
    Remove(path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > kMaxFiles) paths_.resize(kMaxFiles);
}

void RecentFiles::Remove(const std::string& path) {
    paths_.erase(std::remove(paths_.begin(), paths_.end(), path), paths_.end());
}

void RecentFiles::Assign(const std::vector<std::string>& paths) {
    paths_.clear();
    for (auto it = paths.rbegin(); it != paths.rend(); ++it) Add(*it);
}

}  // namespace tarnex::ui
