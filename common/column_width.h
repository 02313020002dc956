#pragma once

#include <algorithm>

// Display widths of list columns, in characters: what the column settings
// of a list accept, and what a width read from a settings file is held to,
// so that a damaged file can neither stall printing nor overflow the grid.
inline constexpr int kLeastColumnCharacters = 1;
inline constexpr int kMostColumnCharacters = 999;

inline int clampColumnCharacters(int characters) {
    return std::clamp(characters, kLeastColumnCharacters, kMostColumnCharacters);
}
