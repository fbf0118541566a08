#include "ui_qt/qt_styles.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <gtest/gtest.h>

#include "platform/resources.h"
#include "small_form.h"
#include "ui_qt/form_view.h"
#include "ui_qt/style_palettes.h"
#include "ui_qt/theme.h"
#include "ui_qt/widgets.h"

namespace cq::ui {
namespace {

// WCAG contrast ratio of two colours.
double contrast(const QColor& a, const QColor& b) {
  auto lum = [](const QColor& c) {
    auto ch = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * ch(c.redF()) + 0.7152 * ch(c.greenF()) + 0.0722 * ch(c.blueF());
  };
  const double la = lum(a), lb = lum(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A push button in a window of its own, as the active sheets paint it.
QImage buttonFace() {
  QWidget window;
  QPushButton button(QStringLiteral("Solve!"), &window);
  button.resize(80, 24);
  return button.grab().toImage();
}

// The same with no sheet but the group frames every style shares.
QImage buttonFaceUnderGroupFramesAlone() {
  const QString programSheet = qApp->styleSheet();
  const std::string_view frames = resource("styles/group-frames.qss");
  qApp->setStyleSheet(QString::fromUtf8(frames.data(), static_cast<qsizetype>(frames.size())));
  QImage face = buttonFace();
  qApp->setStyleSheet(programSheet);
  return face;
}

class QtStylesTest : public ::testing::Test {
 protected:
  void TearDown() override { styles.trySetStyle("Windows"); }
  std::vector<std::string> errors;
  QtStyles styles{[this](const std::string& message) { errors.push_back(message); }};
};

TEST_F(QtStylesTest, EveryStyleApplies) {
  EXPECT_EQ(styles.names(),
            (std::vector<std::string>{"Charcoal Dark Slate", "Charcoal HiRes", "Slate", "Windows", "Windows10"}));
  struct Row {
    std::string name;
    bool dark;
  };
  for (const Row& row : std::vector<Row>{{"Charcoal Dark Slate", true},
                                         {"Charcoal HiRes", true},
                                         {"Slate", false},
                                         {"Windows10", false},
                                         {"Charcoal HiRes", true}}) {
    SCOPED_TRACE(row.name);
    ASSERT_TRUE(styles.trySetStyle(row.name));
    EXPECT_EQ(styles.activeStyle(), row.name);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window),
              CarriedStylePalette(QString::fromStdString(row.name))->color(QPalette::Window));
    EXPECT_FALSE(qApp->styleSheet().isEmpty());
    EXPECT_EQ(ActiveTheme().dark, row.dark);
  }
  // The platform's own look: its standard palette,
  // and of the program's sheets only the group frames all styles share.
  ASSERT_TRUE(styles.trySetStyle("Windows"));
  EXPECT_EQ(styles.activeStyle(), "Windows");
  EXPECT_EQ(QApplication::palette().color(QPalette::Window), QApplication::style()->standardPalette().color(QPalette::Window));
  EXPECT_TRUE(qApp->styleSheet().startsWith("/* Every style"));
  EXPECT_EQ(buttonFace(), buttonFaceUnderGroupFramesAlone());
  EXPECT_TRUE(errors.empty());
}

// The carried styles' rules reach windows made before and after a switch,
// and none of them reaches a window of the platform's own look.
TEST_F(QtStylesTest, AWindowShowsTheActiveStylesRulesWhenEverItWasMade) {
  ASSERT_TRUE(styles.trySetStyle("Windows"));
  const QImage platform = buttonFace();
  ASSERT_EQ(platform, buttonFaceUnderGroupFramesAlone());
  QWidget before;
  auto* button = new QPushButton(QStringLiteral("Solve!"), &before);
  button->resize(80, 24);
  for (const std::string name : {"Charcoal Dark Slate", "Slate", "Windows", "Windows10"}) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(styles.trySetStyle(name));
    const QImage made = buttonFace();
    EXPECT_EQ(button->grab().toImage(), made);
    EXPECT_EQ(made == platform, name == "Windows");
  }
}

TEST_F(QtStylesTest, AnUnknownStyleFailsAndKeepsTheActiveOne) {
  ASSERT_TRUE(styles.trySetStyle("Slate"));
  const QString sheet = qApp->styleSheet();
  for (const std::string name : {"Nope", "", "slate", "Charcoal  HiRes"}) {
    EXPECT_FALSE(styles.trySetStyle(name)) << name;
    EXPECT_EQ(styles.activeStyle(), "Slate");
    EXPECT_EQ(qApp->styleSheet(), sheet);
  }
  EXPECT_EQ(errors, (std::vector<std::string>{"Style 'Nope' not found", "Style '' not found",
                                              "Style 'slate' not found", "Style 'Charcoal  HiRes' not found"}));
}

TEST(StylePalettes, TextStaysReadableOnEveryCarriedStyle) {
  for (const char* name : {"Charcoal Dark Slate", "Charcoal HiRes", "Slate", "Windows10"}) {
    SCOPED_TRACE(name);
    const auto p = CarriedStylePalette(name);
    ASSERT_TRUE(p.has_value());
    EXPECT_GE(contrast(p->color(QPalette::WindowText), p->color(QPalette::Window)), 7.0);
    EXPECT_GE(contrast(p->color(QPalette::Text), p->color(QPalette::Base)), 7.0);
    EXPECT_GE(contrast(p->color(QPalette::ButtonText), p->color(QPalette::Button)), 7.0);
    EXPECT_GE(contrast(p->color(QPalette::HighlightedText), p->color(QPalette::Highlight)), 4.5);
    EXPECT_GE(contrast(p->color(QPalette::Disabled, QPalette::WindowText), p->color(QPalette::Window)), 2.5);
  }
  EXPECT_FALSE(CarriedStylePalette("Windows").has_value());
}

TEST_F(QtStylesTest, SwitchingRestylesOpenWindows) {
  test::SmallForm model;
  Label& result = model.form.create<Label>("Label1");
  result.setBounds({10, 10, 120, 16});
  result.setCaption("12.5 mils");
  result.setFontColor(colors::Navy);
  FormView view(model.form);
  model.form.show();
  auto* label = view.widget<QLabel>("Label1");
  ASSERT_NE(label, nullptr);
  auto shown = [&view, label](QPalette::ColorRole role) {
    label->ensurePolished();
    return (role == QPalette::Window ? view.clientArea() : label)->palette().color(role);
  };

  // Every switch, the platform's own look included, reaches the open
  // window, whatever style came before.
  for (const std::string name : {"Windows10", "Slate", "Windows", "Charcoal Dark Slate", "Windows"}) {
    ASSERT_TRUE(styles.trySetStyle(name));
    EXPECT_EQ(shown(QPalette::Window), QApplication::palette().color(QPalette::Window)) << name;
  }
  ASSERT_TRUE(styles.trySetStyle("Windows10"));
  EXPECT_EQ(shown(QPalette::WindowText), QColor(0x00, 0x00, 0x80));
  // Navy vanishes on charcoal: the open window shows it lighter, same hue.
  ASSERT_TRUE(styles.trySetStyle("Charcoal HiRes"));
  const QColor onDark = shown(QPalette::WindowText);
  EXPECT_GE(contrast(onDark, QApplication::palette().color(QPalette::Window)), 3.0);
  EXPECT_EQ(onDark.hslHue(), QColor(0x00, 0x00, 0x80).hslHue());
  ASSERT_TRUE(styles.trySetStyle("Slate"));
  EXPECT_EQ(shown(QPalette::WindowText), QColor(0x00, 0x00, 0x80));
}

TEST_F(QtStylesTest, AHiddenWindowShowsTheStyleChosenWhileItWasHidden) {
  test::SmallForm model;
  FormView view(model.form);
  for (const std::string name : {"Slate", "Windows", "Charcoal HiRes", "Windows10"}) {
    ASSERT_TRUE(styles.trySetStyle(name));
    model.form.show();
    EXPECT_EQ(view.clientArea()->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Window))
        << name;
    model.form.close();
  }
}

TEST_F(QtStylesTest, AWhiteWindowTakesADarkStylesOwnFaceAndStaysReadable) {
  // The Program Options window is white; dark styles have black fields and
  // buttons, so the window shows the style's own face instead of white.
  test::SmallForm model;
  model.form.setColor(colors::White);
  RadioGroup& radio = model.form.create<RadioGroup>("RadioGroup1");
  radio.setBounds({10, 10, 200, 80});
  radio.setItems({"IPC-2152 with modifiers", "IPC-2221A"});
  radio.setItemIndex(0);
  CheckBox& check = model.form.create<CheckBox>("CheckBox1");
  check.setBounds({10, 100, 200, 20});
  check.setChecked(true);
  Button& button = model.form.create<Button>("Button1");
  button.setBounds({10, 130, 120, 24});
  button.setCaption("Program Feedback");
  ASSERT_TRUE(styles.trySetStyle("Charcoal HiRes"));
  FormView view(model.form);
  model.form.show();
  auto* item = dynamic_cast<RadioGroupWidget*>(view.widgetFor("RadioGroup1"))->button(0);
  auto* box = view.widgetFor("CheckBox1");
  for (QWidget* w : {static_cast<QWidget*>(item), box}) {
    w->ensurePolished();
    const QPalette& p = w->palette();
    // The mark on its field, and the caption on the style's window.
    EXPECT_GE(contrast(p.color(QPalette::Text), p.color(QPalette::Base)), 7.0) << w->objectName().toStdString();
    EXPECT_GE(contrast(p.color(QPalette::WindowText), QApplication::palette().color(QPalette::Window)), 7.0)
        << w->objectName().toStdString();
  }
  EXPECT_FALSE(view.clientArea()->styleSheet().contains("#ffffff"));
  // The platform's own style shows the white the window asks for.
  ASSERT_TRUE(styles.trySetStyle("Windows"));
  EXPECT_TRUE(view.clientArea()->styleSheet().contains("#ffffff"));
  // A button keeps the style's face: its caption stands on that.
  QWidget* face = view.widgetFor("Button1");
  face->ensurePolished();
  EXPECT_GE(contrast(face->palette().color(QPalette::ButtonText), face->palette().color(QPalette::Button)), 7.0);
}

}  // namespace
}  // namespace cq::ui
