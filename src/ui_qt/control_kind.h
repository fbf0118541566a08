#pragma once
// The kinds of control a form's view makes widgets for.

namespace cq::ui {

enum class ControlKind {
  None, Panel, GroupBox, Label, Edit, Memo, Button, CheckBox, RadioGroup, ComboBox, TrackBar, UpDown,
  TabControl, PageControl, Image, ProgressBar, StatusBar, ButtonGroup
};

}  // namespace cq::ui
