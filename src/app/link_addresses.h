#pragma once
// The address book of the links: what each key opens. Web and mail
// addresses, helper programs named the Windows way (the shell maps them to
// the platform's own), and documents by file name.
#include <string_view>

namespace cq {

// Throws DescriptionError for a key the book does not hold: a link that
// names no target is a fault of the link table.
std::string_view LinkAddress(std::string_view key);

}  // namespace cq
