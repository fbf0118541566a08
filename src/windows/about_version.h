#pragma once
// The About window's version line ("Version 8.31"), read from its window
// description without building the window, for what is made at build time
// (the licence document) and must say the same version.
#include <string>

namespace cq {

// Throws DescriptionError when the line is not in the description.
std::string AboutVersionLine();

}  // namespace cq
