#pragma once

#include <array>
#include <cassert>
#include <cstddef>

// A fixed table whose rows are numbered from 1, as the staircase and its tours are
// numbered everywhere in the program; keeps the algorithms free of "- 1" corrections.
template <typename T, std::size_t N>
class OneBased {
public:
    static constexpr int size() { return static_cast<int>(N); }

    T& operator[](int number) {
        assert(number >= 1 && number <= size());
        return rows_[static_cast<std::size_t>(number - 1)];
    }
    const T& operator[](int number) const {
        assert(number >= 1 && number <= size());
        return rows_[static_cast<std::size_t>(number - 1)];
    }

    auto begin() { return rows_.begin(); }
    auto end() { return rows_.end(); }
    auto begin() const { return rows_.begin(); }
    auto end() const { return rows_.end(); }

    bool operator==(const OneBased&) const = default;

private:
    std::array<T, N> rows_{};
};
