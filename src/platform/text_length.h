#pragma once
// Text lengths as the desktop's edit control counts them: in UTF-16 code
// units, so a character outside the Basic Multilingual Plane counts two.
#include <string>
#include <string_view>

namespace cq {

// The first characters of a UTF-8 text that fit in `units` code units. A
// character that does not fit whole is left out, never cut: neither a
// surrogate pair nor a UTF-8 sequence is split. A byte that starts no
// well-formed sequence counts as one character.
std::string LeadingUtf16Units(std::string_view text, int units);

}  // namespace cq
