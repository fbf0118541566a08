// Every calculator page and every small window, in every theme, in both unit
// systems and with both decimal separators: no caption cut, nothing over
// anything it was not placed over.
#include <QPushButton>
#include <gtest/gtest.h>
#include <map>

#include "app/calculator_table.h"
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

class Faults {
 public:
  void add(const std::string& where, const std::vector<std::string>& found, const Conditions& c) {
    for (const auto& f : found) seen_[where + ": " + f].push_back(c.text());
  }
  void report() const {
    for (const auto& [fault, conditions] : seen_)
      ADD_FAILURE() << fault << " (" << conditions.front() << (conditions.size() > 1 ? " and " + std::to_string(conditions.size() - 1) + " more" : std::string()) << ")";
  }

 private:
  std::map<std::string, std::vector<std::string>> seen_;
};

TEST(Layout, EveryPageAndWindowFitsInEveryThemeUnitAndSeparator) {
  Faults faults;
  for (const std::string separator : {".", ","}) {
    test::ProgramWithViews p(nullptr, separator);
    p.program().showMainWindow();
    QtStyles styles([](const std::string&) {});
    auto& tabs = p.form().get<TabControl>("TabControl1");
    auto& units = p.form().get<RadioGroup>("RadioGroup6");
    auto& structures = p.form().get<RadioGroup>("RadioGroup3");
    for (int unit : {0, 1}) {
      // The Units switch is open on the calculator the program starts with.
      tabs.userSelect(16);
      units.userSelect(unit);
      for (const std::string& theme : styles.names()) {
        styles.trySetStyle(theme);
        const Conditions c{separator, theme, unit};
        for (const CalculatorInfo& calc : Calculators()) {
          tabs.userSelect(calc.index);
          faults.add(std::string(calc.tabCaption), LayoutFaults(p.view(), kAllowedOverlaps), c);
          // Each structure of the layer radio lays the page out anew.
          const int first = structures.itemIndex();
          for (int item = 0; item < static_cast<int>(structures.items().size()); ++item) {
            if (item == first || !structures.effectivelyEnabled()) continue;
            structures.userSelect(item);
            faults.add(std::string(calc.tabCaption) + " / " + structures.items()[item],
                       LayoutFaults(p.view(), kAllowedOverlaps), c);
          }
        }
        for (const auto& v : p.frontEnd().views()) {
          if (&v->form() == &p.form()) continue;
          // Shown, so that its controls are laid out as the user sees them.
          v->show();
          faults.add(v->form().name(), LayoutFaults(*v, kAllowedOverlaps), c);
          v->hide();
        }
      }
    }
  }
  faults.report();
}

}  // namespace
}  // namespace cq::ui
