// Tab walks the main window in reading order: the tab strip, the page's
// own inputs top to bottom and left to right, then the Options panel, then
// "Solve!" and "Print" (then the Information panel's via count). Checked on
// every calculator in every layout its choices give, as a user presses Tab.
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "app/calculator_table.h"
#include "program_fixture.h"
#include "qt_test_support.h"
#include "ui_qt/widget_tree.h"

namespace cq::ui {
namespace {

bool IsForm(const Control* c) { return dynamic_cast<const Form*>(c) != nullptr; }

// Shown and enabled, with every container around it.
bool Reachable(const Control& control) {
  for (const Control* c = &control; c && !IsForm(c); c = c->parent())
    if (!ShownInModel(*c) || !c->enabled()) return false;
  return true;
}

// The controls Tab stops at: what takes typing or a choice.
bool TakesTab(const Control& c) {
  if (!c.tabStop()) return false;
  if (auto* radio = dynamic_cast<const RadioGroup*>(&c)) return radio->count() > 0;
  return dynamic_cast<const Edit*>(&c) || dynamic_cast<const Button*>(&c) || dynamic_cast<const CheckBox*>(&c) ||
         dynamic_cast<const ComboBox*>(&c) || dynamic_cast<const TrackBar*>(&c) ||
         dynamic_cast<const TabControl*>(&c) || dynamic_cast<const PageControl*>(&c);
}

std::set<const Control*> ReachableStops(const Form& form) {
  std::set<const Control*> stops;
  for (const Control* c : form.allControls())
    if (TakesTab(*c) && Reachable(*c)) stops.insert(c);
  return stops;
}

// The control whose widget (or radio item) has the focus.
const Control* ControlOf(FormView& view, QWidget* w) {
  if (!w) return nullptr;
  if (qobject_cast<QRadioButton*>(w)) w = w->parentWidget();
  const Control* c = view.form().find(w->objectName().toStdString());
  return c && view.widgetFor(*c) == w ? c : nullptr;
}

// Presses Tab from the tab strip until the focus comes back to it.
std::vector<const Control*> WalkTab(FormView& view) {
  QWidget* start = view.widgetFor("TabControl1");
  start->setFocus(Qt::TabFocusReason);
  std::vector<const Control*> stops;
  QWidget* at = start;
  for (int i = 0; i < 300; ++i) {
    QTest::keyClick(at, Qt::Key_Tab);
    at = view.focusWidget();
    if (at == start || !at) break;
    stops.push_back(ControlOf(view, at));
  }
  return stops;
}

std::string Names(const std::vector<const Control*>& stops) {
  std::string out;
  for (const Control* c : stops) out += (c ? c->name() : std::string("(none)")) + " ";
  return out;
}

// Where a stop lies: 0 the tab strip, 1 the page, 2 the Options panel,
// 3 "Solve!" and "Print", 4 the Information panel.
int Zone(const Control* c) {
  if (c && c->name() == "TabControl1") return 0;
  for (const Control* p = c; p; p = p->parent()) {
    if (p->name() == "Panel2") return 3;
    if (p->name() == "GroupBox2") return 2;
    if (p->name() == "GroupBox30") return 4;
    if (p->name() == "Panel1") return 1;
  }
  return 5;
}

std::vector<const Control*> Ancestry(const Control* c) {
  std::vector<const Control*> path;
  for (; c && !IsForm(c); c = c->parent()) path.insert(path.begin(), c);
  return path;
}

// Whether b comes after a in reading order, among siblings: on a lower
// row, or on the same row (tops less than half the shorter one's height
// apart, and less than half a 21-pixel field's) further right.
bool ReadsAfter(const Bounds& a, const Bounds& b) {
  const bool sameRow = 2 * std::abs(b.top - a.top) < std::min({a.height, b.height, 21});
  return sameRow ? b.left > a.left || (b.left == a.left && b.top >= a.top) : b.top > a.top;
}

// Each stop comes after the one before it: what holds them differs first
// in two siblings, and those read in order (a container's own stop comes
// before what it holds).
std::string OutOfOrder(const std::vector<const Control*>& stops) {
  std::string faults;
  for (size_t i = 1; i < stops.size(); ++i) {
    const auto a = Ancestry(stops[i - 1]);
    const auto b = Ancestry(stops[i]);
    size_t d = 0;
    while (d < a.size() && d < b.size() && a[d] == b[d]) ++d;
    if (d == a.size()) continue;
    if (d == b.size() || !ReadsAfter(a[d]->bounds(), b[d]->bounds()))
      faults += stops[i - 1]->name() + " before " + stops[i]->name() + "; ";
  }
  return faults;
}

void ExpectReadingOrder(FormView& view, const std::string& state) {
  const std::vector<const Control*> stops = WalkTab(view);
  SCOPED_TRACE(state + ": " + Names(stops));
  ASSERT_FALSE(stops.empty());
  ASSERT_TRUE(std::find(stops.begin(), stops.end(), nullptr) == stops.end());
  const std::set<const Control*> walked(stops.begin(), stops.end());
  EXPECT_EQ(walked.size(), stops.size()) << "a stop twice";
  std::set<const Control*> expected = ReachableStops(view.form());
  expected.erase(view.form().find("TabControl1"));
  EXPECT_EQ(walked, expected);
  std::vector<int> zones;
  for (const Control* c : stops) zones.push_back(Zone(c));
  EXPECT_TRUE(std::is_sorted(zones.begin(), zones.end()));
  EXPECT_EQ(std::count(zones.begin(), zones.end(), 5), 0) << "a stop outside the known panels";
  EXPECT_EQ(OutOfOrder(stops), "");
}

// The shown inputs and their places: two states alike in this walk alike.
std::string LayoutOf(const Form& form) {
  std::string out;
  for (const Control* c : form.allControls())
    if (TakesTab(*c) && Reachable(*c)) {
      int left = 0, top = 0;
      for (const Control* p = c; p && !IsForm(p); p = p->parent()) {
        left += p->bounds().left;
        top += p->bounds().top;
      }
      out += c->name() + "@" + std::to_string(left) + "," + std::to_string(top) + " ";
    }
  return out;
}

// The choices that may show, hide or move inputs: those of the page, and
// the layer and plane radios.
std::vector<Control*> Choices(Form& form, const std::string& page) {
  std::vector<Control*> choices;
  for (Control* c : form.allControls()) {
    const std::vector<const Control*> around = Ancestry(c);
    const bool onPage =
        std::any_of(around.begin(), around.end(), [&page](const Control* p) { return p->name() == page; });
    const bool shared = c->name() == "RadioGroup3" || c->name() == "RadioGroup5";
    if (!(onPage || shared) || !Reachable(*c)) continue;
    if (dynamic_cast<RadioGroup*>(c) || dynamic_cast<ComboBox*>(c) || dynamic_cast<CheckBox*>(c) ||
        dynamic_cast<PageControl*>(c) || dynamic_cast<TabControl*>(c))
      choices.push_back(c);
  }
  return choices;
}

int ChoiceCount(Control& c) {
  if (auto* r = dynamic_cast<RadioGroup*>(&c)) return r->count();
  if (auto* b = dynamic_cast<ComboBox*>(&c)) return b->count();
  if (auto* t = dynamic_cast<TabControl*>(&c)) return static_cast<int>(t->tabs().size());
  if (auto* pc = dynamic_cast<PageControl*>(&c)) return static_cast<int>(pc->children().size());
  return 2;  // a check box: ticked and back
}

int Chosen(Control& c) {
  if (auto* r = dynamic_cast<RadioGroup*>(&c)) return r->itemIndex();
  if (auto* b = dynamic_cast<ComboBox*>(&c)) return b->itemIndex();
  if (auto* t = dynamic_cast<TabControl*>(&c)) return t->tabIndex();
  if (auto* pc = dynamic_cast<PageControl*>(&c)) return pc->activePage();
  return -1;
}

void Choose(Control& c, int index) {
  if (auto* r = dynamic_cast<RadioGroup*>(&c)) r->userSelect(index);
  if (auto* b = dynamic_cast<ComboBox*>(&c)) b->userSelect(index);
  if (auto* t = dynamic_cast<TabControl*>(&c)) t->userSelect(index);
  if (auto* pc = dynamic_cast<PageControl*>(&c)) pc->userSelect(index);
  if (dynamic_cast<CheckBox*>(&c)) c.userClick();
}

// Every calculator, each choice of its page and of the layer and plane
// radios item by item (back to where it was before the next choice), and
// once more with the copper weights typed in by hand.
TEST(FocusOrder, TabReadsEveryPageInEveryLayout) {
  test::ProgramWithViews p;
  p.program().showMainWindow();
  test::Pump(0);
  int walks = 0;
  for (bool manualCopper : {false, true}) {
    if (manualCopper) p.form("Form6").get<CheckBox>("CheckBox1").userClick();
    for (const CalculatorInfo& calculator : Calculators()) {
      p.form().menuItem(std::string(calculator.menuItem)).userChoose();
      test::Pump(0);
      const std::string name(calculator.menuItem);
      std::set<std::string> layouts;
      auto check = [&](const std::string& state) {
        if (!layouts.insert(LayoutOf(p.form())).second) return;
        ++walks;
        ExpectReadingOrder(p.view(), name + (manualCopper ? " manual copper" : "") + state);
      };
      check("");
      if (manualCopper) continue;
      for (Control* choice : Choices(p.form(), std::string(calculator.page))) {
        const int before = Chosen(*choice);
        for (int i = 0; i < ChoiceCount(*choice) && Reachable(*choice); ++i) {
          Choose(*choice, i);
          check(" " + choice->name() + " " + std::to_string(i));
        }
        if (before >= 0 && Reachable(*choice)) Choose(*choice, before);
      }
    }
  }
  EXPECT_GT(walks, 60);
}

// The issue's page: the structure's width, height and frequency first,
// then the material and its Er, the radio groups where they stand (the
// layer radio moved up beside the Units switch), and the buttons last.
TEST(FocusOrder, ConductorImpedanceMicrostrip) {
  test::ProgramWithViews p;
  p.program().showMainWindow();
  p.form().menuItem("RFImpedances1").userChoose();
  test::Pump(0);
  EXPECT_EQ(Names(WalkTab(p.view())),
            "Edit67 Edit68 Edit226 ComboBox1 Edit7 RadioGroup4 RadioGroup1 RadioGroup3 RadioGroup6 Button1 Button2 ");
}

}  // namespace
}  // namespace cq::ui
