// Each model control finds the adapter of its own kind in the table, a
// derived class before its base; the form and the controls without a
// widget of their own find none.
#include <gtest/gtest.h>

#include "platform/button_group.h"
#include "small_form.h"
#include "ui_qt/control_adapter.h"

namespace cq::ui {
namespace {

TEST(ControlAdapters, EachControlFindsTheAdapterOfItsKind) {
  test::SmallForm model;
  Form& f = model.form;
  struct Case {
    Control* control;
    ControlKind kind;
  };
  const Case cases[] = {
      {&f.create<Memo>("Memo1"), ControlKind::Memo},  // a memo is an edit too
      {&f.create<Edit>("Edit1"), ControlKind::Edit},
      {&f.create<Panel>("Panel1"), ControlKind::Panel},
      {&f.create<Shape>("Shape1"), ControlKind::Panel},  // drawn as a swatch
      {&f.create<GroupBox>("GroupBox1"), ControlKind::GroupBox},
      {&f.create<Label>("Label1"), ControlKind::Label},
      {&f.create<Button>("Button1"), ControlKind::Button},
      {&f.create<CheckBox>("CheckBox1"), ControlKind::CheckBox},
      {&f.create<RadioGroup>("RadioGroup1"), ControlKind::RadioGroup},
      {&f.create<ComboBox>("ComboBox1"), ControlKind::ComboBox},
      {&f.create<TrackBar>("TrackBar1"), ControlKind::TrackBar},
      {&f.create<UpDown>("UpDown1"), ControlKind::UpDown},
      {&f.create<TabControl>("TabControl1"), ControlKind::TabControl},
      {&f.create<PageControl>("PageControl1"), ControlKind::PageControl},
      {&f.create<Image>("Image1"), ControlKind::Image},
      {&f.create<ProgressBar>("ProgressBar1"), ControlKind::ProgressBar},
      {&f.create<StatusBar>("StatusBar1"), ControlKind::StatusBar},
      {&f.create<ButtonGroup>("ButtonGroup1"), ControlKind::ButtonGroup},
  };
  for (const Case& c : cases) {
    const ControlAdapter* adapter = AdapterFor(*c.control);
    ASSERT_NE(adapter, nullptr) << c.control->name();
    EXPECT_EQ(adapter->kind, c.kind) << c.control->name();
    EXPECT_NE(adapter->create, nullptr) << c.control->name();
  }
  const Control* withoutWidget[] = {&f, &f.create<MainMenu>("MainMenu1"), &f.create<MenuItem>("File1"),
                                    &f.create<Timer>("Timer1"), &f.create<DialogComponent>("PrinterSetupDialog1")};
  for (const Control* c : withoutWidget) EXPECT_EQ(AdapterFor(*c), nullptr) << c->name();
}

}  // namespace
}  // namespace cq::ui
