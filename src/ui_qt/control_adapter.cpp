#include "ui_qt/control_adapter.h"

#include <array>

#include "platform/form.h"

namespace cq::ui {

namespace {

// In the order a control is matched: a class before the classes it derives
// from (a memo is an edit).
constexpr std::array kAdapters{
    &kMemoAdapter,
    &kEditAdapter,
    &kPanelAdapter,
    &kGroupBoxAdapter,
    &kLabelAdapter,
    &kButtonAdapter,
    &kCheckBoxAdapter,
    &kRadioGroupAdapter,
    &kComboBoxAdapter,
    &kTrackBarAdapter,
    &kUpDownAdapter,
    &kTabControlAdapter,
    &kPageControlAdapter,
    &kImageAdapter,
    &kProgressBarAdapter,
    &kStatusBarAdapter,
    &kButtonGroupAdapter,
};

}  // namespace

const ControlAdapter* AdapterFor(const Control& control) {
  if (IsAny<MenuItem, Timer, DialogComponent, Form>(control)) return nullptr;
  for (const ControlAdapter* adapter : kAdapters)
    if (adapter->matches(control)) return adapter;
  return nullptr;
}

}  // namespace cq::ui
