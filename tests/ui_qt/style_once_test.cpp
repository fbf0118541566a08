// A widget gets its style sheet as it is made, before anything of it is
// polished: setting a sheet on a container whose children are already
// polished restyles them all again, which made building a page quadratic
// in its depth.
#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <gtest/gtest.h>
#include <unordered_map>

#include "program_fixture.h"
#include "qt_test_support.h"
#include "ui_qt/form_view.h"

namespace cq::ui {
namespace {

// Counts the style changes each widget of one window receives.
class StyleChangeCounter : public QObject {
 public:
  explicit StyleChangeCounter(QWidget* window) : window_(window) { qApp->installEventFilter(this); }
  ~StyleChangeCounter() override { qApp->removeEventFilter(this); }
  // The widgets restyled more than once, by name, with their counts.
  std::string restyledAgain() const {
    std::string out;
    for (const auto& [w, n] : counts_)
      if (n > 1) out += w->objectName().toStdString() + " (" + w->metaObject()->className() + ") x" + std::to_string(n) + "\n";
    return out;
  }
  size_t widgets() const { return counts_.size(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::StyleChange && watched->isWidgetType()) {
      auto* w = static_cast<QWidget*>(watched);
      if (window_->isAncestorOf(w)) ++counts_[w];
    }
    return false;
  }

 private:
  QWidget* window_;
  std::unordered_map<const QWidget*, int> counts_;
};

// Tests before these may leave a theme's application-wide sheet behind;
// under one, the tab strip and the status bar take a second restyle from
// their font, which is not what these tests look at.
void WithoutApplicationSheet() { qApp->setStyleSheet(QString()); }

TEST(StyleOnce, TheFirstFrameStylesEachWidgetOfTheMainWindowOnce) {
  WithoutApplicationSheet();
  test::ProgramWithViews p;
  StyleChangeCounter counter(&p.view());
  p.program().showMainWindow();
  QApplication::processEvents();
  ASSERT_GT(counter.widgets(), 50u);  // the frame and the shown page were built
  EXPECT_EQ(counter.restyledAgain(), "");
}

TEST(StyleOnce, AFirstVisitStylesEachWidgetOfThePageOnce) {
  WithoutApplicationSheet();
  test::ProgramWithViews p;
  p.program().showMainWindow();
  QApplication::processEvents();
  StyleChangeCounter counter(&p.view());
  // Conductor Properties: panels in group boxes, combo boxes and radio groups.
  p.form().get<TabControl>("TabControl1").userSelect(2);
  QApplication::processEvents();
  ASSERT_GT(counter.widgets(), 20u);
  EXPECT_EQ(counter.restyledAgain(), "");
}

}  // namespace
}  // namespace cq::ui
