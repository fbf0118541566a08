#pragma once
// Files compiled into the program: window descriptions, pictures, styles.
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace cq {

// Path (relative to the resources folder, for example "forms/TForm2.json")
// and contents of every embedded file.
std::span<const std::pair<std::string_view, std::string_view>> embeddedResources();

// Contents of one embedded file; throws DescriptionError when it is missing.
std::string_view resource(std::string_view path);
bool hasResource(std::string_view path);

}  // namespace cq
