// Every calculator page in every state its switches lay it out in, and
// every small window, in every theme, in both unit systems and with both
// decimal separators: no caption cut, nothing over anything it was not
// placed over.
#include <QPushButton>
#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <set>
#include <utility>

#include "app/calculator_table.h"
#include "every_theme.h"
#include "layout_check.h"
#include "program_fixture.h"
#include "small_form.h"
#include "ui_qt/form_view.h"
#include "ui_qt/qt_styles.h"

namespace cq::ui {
namespace {

// Overlaps on screen that the window descriptions do not show, on purpose.
const OverlapAllowance kAllowedOverlaps = {
};

TEST(LayoutCheck, NamesACaptionTooWideForItsButton) {
  test::SmallForm small;
  auto& fits = small.form.create<Button>("Button1");
  fits.setCaption("OK");
  fits.setBounds({8, 8, 80, 25});
  auto& clipped = small.form.create<Button>("Button2");
  clipped.setCaption("Send to Wavelength Calculator");
  clipped.setBounds({8, 40, 60, 25});
  FormView view(small.form);
  const auto faults = LayoutFaults(view);
  ASSERT_EQ(faults.size(), 1u);
  EXPECT_NE(faults[0].find("Button2"), std::string::npos) << faults[0];
}

TEST(LayoutCheck, NamesALabelGrownOverItsField) {
  test::SmallForm small;
  auto& label = small.form.create<Label>("Label1");
  label.setCaption("Ohms per 1000 feet of wire");
  label.setBounds({8, 8, 40, 14});
  auto& edit = small.form.create<Edit>("Edit1");
  edit.setBounds({52, 6, 80, 21});
  FormView view(small.form);
  const auto faults = LayoutFaults(view);
  ASSERT_EQ(faults.size(), 1u);
  EXPECT_NE(faults[0].find("Label1 and Edit1"), std::string::npos) << faults[0];
  // The same pair placed over each other on purpose passes.
  EXPECT_TRUE(LayoutFaults(view, {{"Label1", "Edit1"}}).empty());
}

TEST(LayoutCheck, NamesACaptionThatRunsUpToItsField) {
  test::SmallForm small;
  auto& label = small.form.create<Label>("Label1");
  label.setCaption("Max amps for wiring");
  label.setBounds({8, 8, 40, 14});
  auto& edit = small.form.create<Edit>("Edit1");
  edit.setBounds({8, 6, 80, 21});
  FormView view(small.form);
  auto* shown = view.widgetFor("Label1");
  // The field starts 2 px after the caption's text, then 4 px after it.
  const int textEnd = 8 + shown->fontMetrics().size(Qt::TextSingleLine, QStringLiteral("Max amps for wiring")).width();
  edit.setBounds({textEnd + 2, 6, 80, 21});
  const auto faults = LayoutFaults(view);
  ASSERT_EQ(faults.size(), 1u);
  EXPECT_NE(faults[0].find("Label1 ends 2 px before Edit1"), std::string::npos) << faults[0];
  edit.setBounds({textEnd + 4, 6, 80, 21});
  EXPECT_TRUE(LayoutFaults(view).empty());
}

struct Conditions {
  std::string separator;
  std::string theme;
  int units;
  std::string text() const {
    return theme + ", " + (units == 0 ? "Imperial" : "Metric") + ", decimal " + (separator == "," ? "comma" : "point");
  }
};

// Each fault once, with the first state and conditions it was seen in and
// how often it came back.
class Faults {
 public:
  void add(const std::string& page, const std::string& state, const std::vector<std::string>& found,
           const Conditions& c) {
    for (const auto& f : found) {
      auto& seen = seen_[page + ": " + f];
      if (seen.second++ == 0) seen.first = (state.empty() ? "as it opens" : "in" + state) + ", " + c.text();
    }
  }
  void report() const {
    for (const auto& [fault, where] : seen_)
      ADD_FAILURE() << fault << " (" << where.first
                    << (where.second > 1 ? "; seen " + std::to_string(where.second) + " times" : std::string()) << ")";
  }

 private:
  std::map<std::string, std::pair<std::string, int>> seen_;
};

bool Inside(const Control& c, const Control& root) {
  for (const Control* p = &c; p; p = p->parent())
    if (p == &root) return true;
  return false;
}

// A control whose state lays a page out anew, with the states a user can
// put it in.
struct Switch {
  Control* control;
  int states;
  int state() const {
    if (auto* r = dynamic_cast<RadioGroup*>(control)) return r->itemIndex();
    if (auto* b = dynamic_cast<CheckBox*>(control)) return b->checked() ? 1 : 0;
    if (auto* t = dynamic_cast<TabControl*>(control)) return t->tabIndex();
    if (auto* p = dynamic_cast<PageControl*>(control)) return p->activePage();
    return static_cast<ComboBox*>(control)->itemIndex();
  }
  // As the user does it: a click, a tab or an item chosen.
  void drive(int to) const {
    if (to < 0 || to == state()) return;
    if (auto* r = dynamic_cast<RadioGroup*>(control)) r->userSelect(to);
    else if (auto* b = dynamic_cast<CheckBox*>(control)) b->userClick();
    else if (auto* t = dynamic_cast<TabControl*>(control)) t->userSelect(to);
    else if (auto* p = dynamic_cast<PageControl*>(control)) p->userSelect(to);
    else static_cast<ComboBox*>(control)->userSelect(to);
  }
  std::string stateText(int s) const {
    if (auto* r = dynamic_cast<RadioGroup*>(control)) return r->items()[static_cast<size_t>(s)];
    if (dynamic_cast<CheckBox*>(control)) return s ? "checked" : "unchecked";
    if (auto* t = dynamic_cast<TabControl*>(control)) return t->tabs()[static_cast<size_t>(s)];
    if (auto* c = dynamic_cast<ComboBox*>(control)) return c->items()[static_cast<size_t>(s)];
    return static_cast<PageControl*>(control)->children()[static_cast<size_t>(s)]->caption();
  }
};

// The switches a user can reach now: the page's radio groups, check boxes,
// tabs and lists, the Options panel's structure and plane radios, and the
// radios and check boxes of Program Options (calculation modes, manual
// copper) while that window is open.
std::vector<Switch> Switches(const Form& main, const Form& options, const Control& page) {
  std::vector<Switch> out;
  auto add = [&out, &page](Control* c, bool anywhere) {
    if (!c->acceptsInput() || !(anywhere || Inside(*c, page))) return;
    if (auto* r = dynamic_cast<RadioGroup*>(c)) out.push_back({c, r->count()});
    else if (dynamic_cast<CheckBox*>(c)) out.push_back({c, 2});
    else if (auto* t = dynamic_cast<TabControl*>(c)) out.push_back({c, static_cast<int>(t->tabs().size())});
    else if (auto* p = dynamic_cast<PageControl*>(c)) out.push_back({c, static_cast<int>(p->children().size())});
    else if (auto* l = dynamic_cast<ComboBox*>(c)) out.push_back({c, static_cast<int>(l->items().size())});
  };
  for (Control* c : main.allControls()) add(c, c->name() == "RadioGroup3" || c->name() == "RadioGroup5");
  for (Control* c : options.allControls())
    if (dynamic_cast<RadioGroup*>(c) || dynamic_cast<CheckBox*>(c)) add(c, true);
  return out;
}

// Every state a page reaches from the one it opens in: each switch through
// each of its states, and in each state the switches it brought into view
// through theirs. Each switch goes back to its state when it is done.
void EveryLayoutState(const Form& main, const Form& options, const Control& page,
                      const std::function<void(const std::string&)>& check, std::set<const Control*> handled = {},
                      const std::string& path = {}) {
  std::vector<Switch> switches;
  for (const Switch& s : Switches(main, options, page))
    if (handled.insert(s.control).second) switches.push_back(s);
  for (const Switch& s : switches) {
    if (!s.control->acceptsInput()) continue;  // hidden by a sibling's last state
    const int first = s.state();
    for (int state = 0; state < s.states; ++state) {
      if (state == first) continue;
      s.drive(state);
      const std::string window = Inside(*s.control, options) ? "Program Options " : "";
      const std::string here = path + " / " + window + s.control->name() + " " + s.stateText(state);
      check(here);
      EveryLayoutState(main, options, page, check, handled, here);
    }
    s.drive(first);
  }
}

// The walk reaches the states a user reaches: every tab and count of
// Ohm's Law and its LED box, the differential vias, every padstack type and
// planar shape, and the calculation modes with the Solve For radio they
// free on Conductor Properties.
TEST(LayoutStates, TheWalkReachesEverySwitchsStates) {
  test::ProgramWithViews p;
  p.program().showMainWindow();
  auto& tabs = p.form().get<TabControl>("TabControl1");
  Form& options = p.form("Form6");
  options.show();
  std::set<std::string> reached;
  for (const CalculatorInfo& calc : Calculators()) {
    tabs.userSelect(calc.index);
    EveryLayoutState(p.form(), options, p.form().control(std::string(calc.page)),
                     [&](const std::string& state) { reached.insert(std::string(calc.tabCaption) + state); });
  }
  std::vector<std::string> expected;
  for (const char* tab : {"R Series", "R Parallel", "PI Pad", "T Pad", "C Series", "C Parallel", "L Series", "L Parallel"})
    expected.push_back(std::string("Ohm's Law / TabControl3 ") + tab);
  for (const auto& [tab, count] : {std::pair{"R Series", "RadioGroup16"}, {"R Parallel", "RadioGroup23"},
                                   {"C Series", "RadioGroup25"}, {"C Parallel", "RadioGroup27"},
                                   {"L Series", "RadioGroup29"}, {"L Parallel", "RadioGroup31"}})
    for (const char* n : {" 3", " 4"}) expected.push_back(std::string("Ohm's Law / TabControl3 ") + tab + " / " + count + n);
  expected.push_back("Ohm's Law / CheckBox6 checked");
  expected.push_back("Via Properties / RadioGroup5 Differential Vias / CheckBox5 checked");
  for (const char* type : {"Conductor / Pad TH", "2 Conductors / Pad TH", "Conductor / Pad BGA", "2 Conductor / Pad BGA",
                           "Corner to Corner", "BGA Land Size"})
    expected.push_back(std::string("Padstack Calculator / RadioGroup14 ") + type);
  for (const char* shape : {"Circular", "Hexagonal", "Octagonal"})
    expected.push_back(std::string("Planar Inductors / RadioGroup3 ") + shape);
  expected.push_back("Conductor Properties / Program Options RadioGroup1 IPC-2221A (Obsolete for amperage) / RadioGroup8 Conductor Width");
  expected.push_back("Conductor Properties / Program Options CheckBox1 checked");
  for (const std::string& state : expected) EXPECT_TRUE(reached.count(state)) << state;
}

// A value that moves or shows controls, with the control that then shows
// where it does.
struct ValueState {
  int calculator;
  std::vector<std::pair<const char*, int>> switches;  // set first
  const char* field;
  const char* imperial;  // the text typed, by unit system
  const char* metric;
  const char* shown;     // the control that the value shows or moves
  int top;               // its top then; -1: shown is enough
};

// The Ohm's Law pads with the load above the source impedance (their R1 and
// R2 boxes trade places), the asymmetric stripline with equal heights, the
// padstack warnings and the via's aspect-ratio warning.
const ValueState kValueStates[] = {
    {10, {{"TabControl3", 3}}, "Edit282", "75", "75", "Edit283", 96},
    {10, {{"TabControl3", 4}}, "Edit294", "75", "75", "Edit295", 96},
    {1, {{"RadioGroup3", 3}}, "Edit74", nullptr, nullptr, "Label188", -1},
    {11, {{"RadioGroup14", 2}}, "Edit33", "50", "1.27", "Memo3", -1},
    {11, {{"RadioGroup14", 3}}, "Edit35", "20", "0.508", "Memo5", -1},
    {16, {}, "Edit6", "101", "2.5654", "Label402", -1},
};

// Puts a page in the state of a value row; false when the value did not
// have its effect.
bool Reach(Form& form, const ValueState& v, int unit, const std::string& separator) {
  for (const auto& [name, state] : v.switches) {
    Control& c = form.control(name);
    if (auto* r = dynamic_cast<RadioGroup*>(&c)) r->userSelect(state);
    else form.get<TabControl>(name).userSelect(state);
  }
  auto& field = form.edit(v.field);
  // No text given: the height of the other field, so that the two are equal.
  std::string text = v.imperial ? (unit == 0 ? v.imperial : v.metric) : form.edit("Edit68").text();
  for (char& ch : text)
    if (ch == '.') ch = separator[0];
  field.userFocus();
  field.userSetText(text);
  field.userPressEnter();
  const Control& shown = form.control(v.shown);
  return shown.showing() && (v.top < 0 || shown.bounds().top == v.top);
}

TEST(Layout, TheThemesAreEveryStyle) {
  QtStyles styles([](const std::string&) {});
  EXPECT_EQ(std::vector<std::string>(std::begin(test::kEveryTheme), std::end(test::kEveryTheme)), styles.names());
}

class LayoutInTheme : public ::testing::TestWithParam<const char*> {};

TEST_P(LayoutInTheme, EveryPageStateAndWindowFitsInEveryUnitAndSeparator) {
  const std::string theme = GetParam();
  QtStyles styles([](const std::string&) {});
  ASSERT_TRUE(styles.trySetStyle(theme));
  Faults faults;
  for (const std::string separator : {".", ","}) {
    test::ProgramWithViews p(nullptr, separator);
    p.program().showMainWindow();
    auto& tabs = p.form().get<TabControl>("TabControl1");
    auto& units = p.form().get<RadioGroup>("RadioGroup6");
    Form& options = p.form("Form6");
    for (int unit : {0, 1}) {
      // The Units switch is open on the calculator the program starts with.
      tabs.userSelect(16);
      units.userSelect(unit);
      const Conditions c{separator, theme, unit};
      for (const CalculatorInfo& calc : Calculators()) {
        tabs.userSelect(calc.index);
        const std::string page(calc.tabCaption);
        faults.add(page, {}, LayoutFaults(p.view(), kAllowedOverlaps), c);
        // Program Options open beside the page, as its options button opens it.
        options.show();
        EveryLayoutState(p.form(), options, p.form().control(std::string(calc.page)), [&](const std::string& state) {
          faults.add(page, state, LayoutFaults(p.view(), kAllowedOverlaps), c);
        });
        options.close();
      }
      for (const ValueState& v : kValueStates) {
        tabs.userSelect(v.calculator);
        const std::string page(Calculators()[static_cast<size_t>(v.calculator)].tabCaption);
        const std::string state = std::string(" / ") + v.field + " typed, " + v.shown + " shown";
        EXPECT_TRUE(Reach(p.form(), v, unit, separator)) << page << state << " (" << c.text() << ")";
        faults.add(page, state, LayoutFaults(p.view(), kAllowedOverlaps), c);
      }
      for (const auto& v : p.frontEnd().views()) {
        if (&v->form() == &p.form()) continue;
        // Shown, so that its controls are laid out as the user sees them.
        v->show();
        faults.add(v->form().name(), {}, LayoutFaults(*v, kAllowedOverlaps), c);
        v->hide();
      }
    }
  }
  faults.report();
}

INSTANTIATE_TEST_SUITE_P(EveryTheme, LayoutInTheme, ::testing::ValuesIn(test::kEveryTheme), test::ThemeTestName);

}  // namespace
}  // namespace cq::ui
