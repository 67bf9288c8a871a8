// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace vorrel {

// The edits a builder page makes to its list of entries, by position. A position outside the
// list is no entry.

// Removes entry `row`. Returns the row to select afterwards: the entry that followed the removed
// one, or -1 when the removed entry was the last (or there was none to remove).
template <typename Entry> int removeEntry(std::vector<Entry>& entries, int row) {
    if (row < 0 || std::size_t(row) >= entries.size())
        return -1;
    entries.erase(entries.begin() + row);
    return std::size_t(row) < entries.size() ? row : -1;
}

// Swaps entry `row` with its neighbour `delta` (-1 up, +1 down) places away. Returns the entry's
// new row, or -1 when it cannot move that way.
template <typename Entry> int moveEntry(std::vector<Entry>& entries, int row, int delta) {
    const long long target = (long long)row + delta;
    if (row < 0 || std::size_t(row) >= entries.size() || target < 0 ||
        std::size_t(target) >= entries.size())
        return -1;
    std::swap(entries[std::size_t(row)], entries[std::size_t(target)]);
    return int(target);
}

} // namespace vorrel
