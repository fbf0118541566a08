#pragma once
// The live choices of the Program Options window (TForm6) that the
// calculators read on every solve. That window is built after the main one,
// so its part binds these once it exists; a missing name fails then.
#include <string>
#include <string_view>

#include "platform/form.h"

namespace cq {

// The IPC current methods, the items of ipcVersion: 0 "IPC-2152 with
// modifiers", 1 "IPC-2152 without modifiers", 2 "IPC-2221A".
inline constexpr int kIpcWithModifiers = 0;
inline constexpr int kIpcWithoutModifiers = 1;
inline constexpr int kIpc2221 = 2;

// The method text the Conductor and Via Properties pages show; empty
// outside the three methods.
constexpr std::string_view IpcModeText(int mode) {
  switch (mode) {
    case kIpcWithModifiers: return "IPC-2152 with modifiers mode";
    case kIpcWithoutModifiers: return "IPC-2152 without modifiers mode";
    case kIpc2221: return "IPC-2221 mode";
    default: return {};
  }
}

// Writes that text into a page's label; outside the three methods the
// label keeps what it shows.
inline void ShowIpcMode(Label& label, int mode) {
  if (std::string_view text = IpcModeText(mode); !text.empty()) label.setCaption(std::string(text));
}

struct ProgramOptionsControls {
  Form& f;
  RadioGroup& ipcVersion = f.radio("RadioGroup1");
  RadioGroup& etchFactor = f.radio("RadioGroup2");
  CheckBox& manualCopper = f.checkBox("CheckBox1");  // "Enter copper weight manually"
  CheckBox& viaHeight = f.checkBox("CheckBox2");  // leave the board height out
  Edit& throughHoleLimit = f.edit("Edit1");  // the through-hole aspect-ratio limit
  Edit& microviaLimit = f.edit("Edit2");  // the microvia aspect-ratio limit
};

}  // namespace cq
