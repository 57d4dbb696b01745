// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Arrays indexed from 1, as every table of the game is (card slots 1..8, deck positions 1..40).
#include <array>
#include <cassert>
#include <cstddef>

namespace mrvelto {

template <class T, int N>
class Da1 {
public:
    T& operator[](int i) {
        assert(i >= 1 && i <= N);
        return v_[static_cast<std::size_t>(i - 1)];
    }
    const T& operator[](int i) const {
        assert(i >= 1 && i <= N);
        return v_[static_cast<std::size_t>(i - 1)];
    }
    static constexpr int size() { return N; }
    void fill(const T& x) { v_.fill(x); }
    auto begin() { return v_.begin(); }
    auto end() { return v_.end(); }
    auto begin() const { return v_.begin(); }
    auto end() const { return v_.end(); }
    bool operator==(const Da1&) const = default;

private:
    std::array<T, N> v_{};
};

}  // namespace mrvelto
