#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarnex {

/// A per-location array indexed 1..size(), parallel to the load locations.
/// An index outside the range throws std::out_of_range; it is never undefined behaviour.
template <typename T>
class OneBasedArray {
  public:
    OneBasedArray() = default;
    explicit OneBasedArray(int count) { Recreate(count); }

    /// Re-creates the array with exactly `count` zero (value-initialised) entries.
    void Recreate(int count) {
        values_.assign(count > 0 ? static_cast<std::size_t>(count) : 0U, T{});
    }

    /// Keeps entries 1..min(size, count) and value-initialises any new ones.
    void Resize(int count) { values_.resize(count > 0 ? static_cast<std::size_t>(count) : 0U); }

    [[nodiscard]] int size() const { return static_cast<int>(values_.size()); }
    [[nodiscard]] bool empty() const { return values_.empty(); }

    T& operator()(int i) { return values_.at(Offset(i)); }
    const T& operator()(int i) const { return values_.at(Offset(i)); }
    T& operator[](int i) { return values_.at(Offset(i)); }
    const T& operator[](int i) const { return values_.at(Offset(i)); }

    auto begin() { return values_.begin(); }
    auto end() { return values_.end(); }
    auto begin() const { return values_.begin(); }
    auto end() const { return values_.end(); }

    bool operator==(const OneBasedArray&) const = default;

  private:
    std::size_t Offset(int i) const {
        if (i < 1 || i > size()) {
            throw std::out_of_range("location index " + std::to_string(i) + " outside 1.." +
                                    std::to_string(size()));
        }
        return static_cast<std::size_t>(i - 1);
    }

    std::vector<T> values_;
};

}  // namespace tarnex
