#pragma once
// Where the program keeps its settings (under the current user).
namespace cq {
inline constexpr const char* kSettingsKey = "Software\\Quillonex PCB Design, Inc.\\Cirquet";
}  // namespace cq
