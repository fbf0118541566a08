#include "windows/about_version.h"

#include <nlohmann/json.hpp>

#include "platform/errors.h"
#include "platform/resources.h"

namespace cq {

namespace {

constexpr const char* kVersionLabel = "Label6";

const nlohmann::json* findControl(const nlohmann::json& parent, const std::string& name) {
  if (!parent.contains("controls")) return nullptr;
  for (const auto& control : parent["controls"]) {
    if (control.value("name", "") == name) return &control;
    if (const nlohmann::json* inner = findControl(control, name)) return inner;
  }
  return nullptr;
}

}  // namespace

std::string AboutVersionLine() {
  const std::string_view text = resource("forms/TForm2.json");
  const nlohmann::json about = nlohmann::json::parse(text.begin(), text.end());
  const nlohmann::json* label = findControl(about, kVersionLabel);
  if (!label || !label->contains("caption")) throw DescriptionError("no version line in the About window");
  return (*label)["caption"].get<std::string>();
}

}  // namespace cq
