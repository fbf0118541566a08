// Tab in the Qt windows passes read-only boxes by: on every calculator
// page (each shown in turn) and every small window.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include <string>

#include "app/calculator_table.h"
#include "program_fixture.h"
#include "qt_test_support.h"

namespace cq::ui {
namespace {

// The read-only line edits and text boxes Tab would stop in.
std::vector<std::string> ReadOnlyTabStops(FormView& view) {
  std::vector<std::string> found;
  for (const auto* line : view.findChildren<QLineEdit*>())
    if (line->isReadOnly() && (line->focusPolicy() & Qt::TabFocus)) found.push_back(line->objectName().toStdString());
  for (const auto* text : view.findChildren<QPlainTextEdit*>())
    if (text->isReadOnly() && (text->focusPolicy() & Qt::TabFocus)) found.push_back(text->objectName().toStdString());
  return found;
}

TEST(TabStopsInViews, NoReadOnlyBoxTakesTheTab) {
  test::ProgramWithViews p;
  p.program().showMainWindow();
  for (const CalculatorInfo& calculator : Calculators()) {
    p.form().menuItem(std::string(calculator.menuItem)).userChoose();
    test::Pump(0);
    EXPECT_EQ(ReadOnlyTabStops(p.view()), std::vector<std::string>{}) << calculator.menuItem;
  }
  for (const auto& view : p.frontEnd().views())
    EXPECT_EQ(ReadOnlyTabStops(*view), std::vector<std::string>{}) << view->form().name();
}

// The fields themselves stay Tab stops: the via page's first input.
TEST(TabStopsInViews, InputsKeepTheirStop) {
  test::ProgramWithViews p;
  p.program().showMainWindow();
  p.form().menuItem("ViaProperties1").userChoose();
  test::Pump(0);
  QWidget* hole = p.view().widgetFor("Edit3");
  ASSERT_NE(hole, nullptr);
  EXPECT_TRUE(hole->focusPolicy() & Qt::TabFocus);
}

}  // namespace
}  // namespace cq::ui
