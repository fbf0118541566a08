#pragma once
// The sizes the program's icon comes in, and their pixels drawn at build
// time one size after the other (ARGB, premultiplied, row by row).
#include <array>

namespace cq::ui {

inline constexpr std::array<int, 6> kProgramIconSides{16, 24, 32, 48, 64, 128};

extern const unsigned int kProgramIconPixels[];

}  // namespace cq::ui
