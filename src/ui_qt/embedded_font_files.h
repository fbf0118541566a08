#pragma once
// The font files compiled into the program (generated at build time from
// the DejaVu packages): file name, for example "DejaVuSans.ttf", and
// contents.
#include <span>
#include <string_view>
#include <utility>

namespace cq::ui {

std::span<const std::pair<std::string_view, std::string_view>> embeddedFontFiles();

}  // namespace cq::ui
