// The look of a widget worked out from the model alone, without a window:
// which controls need a sheet of their own, the colours that go into it,
// the unit texts drawn inside a field, the swatches and the tab font.
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "small_form.h"
#include "ui_qt/control_style.h"
#include "ui_qt/view_values.h"

namespace cq::ui {
namespace {

QPalette PaletteOf(QColor window, QColor base, QColor alternate, QColor windowText) {
  QPalette p;
  p.setColor(QPalette::Window, window);
  p.setColor(QPalette::Base, base);
  p.setColor(QPalette::AlternateBase, alternate);
  p.setColor(QPalette::WindowText, windowText);
  return p;
}

const QPalette kLight = PaletteOf(Qt::white, Qt::white, QColor(0xf0, 0xf0, 0xf0), QColor(0x12, 0x34, 0x56));
const QPalette kDark = PaletteOf(QColor(0x20, 0x20, 0x20), QColor(0x10, 0x10, 0x10), QColor(0x18, 0x18, 0x18), Qt::white);
constexpr Theme kPlatform{false, false};
constexpr Theme kCarriedDark{true, true};

// The text colour the sheet gives the widget itself, invalid for none.
QColor SheetTextColor(const QString& sheet) {
  static const QRegularExpression colour(QStringLiteral("[{;]color: (#[0-9a-f]{6});"));
  const auto match = colour.match(sheet);
  return match.hasMatch() ? QColor(match.captured(1)) : QColor();
}

class ControlStyle : public ::testing::Test {
 protected:
  ControlStyle() { model.form.setFont({"Verdana", 11}); }
  template <typename T>
  T& add(const std::string& name, Bounds bounds, Control* parent = nullptr) {
    auto& c = model.form.create<T>(name, parent);
    c.setBounds(bounds);
    return c;
  }
  test::SmallForm model;
};

TEST_F(ControlStyle, OnlyAColourOrAStripOfItsOwnBringsASheet) {
  struct Case {
    ControlKind kind;
    Control* control;
    bool sheet;
  };
  const Case cases[] = {
      {ControlKind::Label, &add<Label>("Label1", {10, 10, 80, 16}), false},
      {ControlKind::Edit, &add<Edit>("Edit1", {10, 30, 80, 21}), false},
      {ControlKind::Button, &add<Button>("Button1", {10, 60, 80, 25}), false},
      {ControlKind::CheckBox, &add<CheckBox>("CheckBox1", {10, 90, 80, 17}), false},
      {ControlKind::Panel, &add<Panel>("Panel1", {100, 10, 80, 80}), false},
      // These always carry the item or tab font in a sheet.
      {ControlKind::RadioGroup, &add<RadioGroup>("RadioGroup1", {200, 10, 80, 80}), true},
      {ControlKind::TabControl, &add<TabControl>("TabControl1", {10, 120, 300, 40}), true},
      {ControlKind::PageControl, &add<PageControl>("PageControl1", {10, 170, 300, 100}), true},
  };
  for (const Case& c : cases) {
    const WidgetStyle style = StyleFor(*c.control, c.kind, kPlatform, kLight);
    EXPECT_EQ(!style.sheet.isEmpty(), c.sheet) << c.control->name() << ": " << style.sheet.toStdString();
    if (c.sheet) {
      EXPECT_TRUE(style.sheet.startsWith(QStringLiteral("#%1 {").arg(ToQString(c.control->name()))));
    }
    EXPECT_GT(style.font.pixelSize(), 0) << c.control->name();
  }
  // A colour of the model's brings a sheet even to a plain label.
  auto& label = static_cast<Label&>(*cases[0].control);
  label.setFontColor(colors::Navy);
  const QString sheet = StyleFor(label, ControlKind::Label, kPlatform, kLight).sheet;
  EXPECT_TRUE(sheet.startsWith(QStringLiteral("#Label1 {font-family: "))) << sheet.toStdString();
  EXPECT_EQ(SheetTextColor(sheet), QColor(0x00, 0x00, 0x80));
  EXPECT_FALSE(sheet.contains(QStringLiteral("background")));
}

TEST_F(ControlStyle, TextColoursStayReadableOnTheStyle) {
  auto& label = add<Label>("Label1", {10, 10, 80, 16});
  // Yellow on white is unreadable: made darker, its hue kept.
  label.setFontColor(colors::Yellow);
  const QColor darkened = SheetTextColor(StyleFor(label, ControlKind::Label, kPlatform, kLight).sheet);
  ASSERT_TRUE(darkened.isValid());
  EXPECT_GE(ContrastRatio(darkened, Qt::white), kMinTextContrast);
  EXPECT_EQ(darkened.hslHue(), QColor(Qt::yellow).hslHue());

  // Black on a dark style is the style's own light text: no sheet at all.
  label.setFontColor(colors::Black);
  EXPECT_TRUE(StyleFor(label, ControlKind::Label, kCarriedDark, kDark).sheet.isEmpty());
  EXPECT_EQ(SheetTextColor(StyleFor(label, ControlKind::Label, kPlatform, kLight).sheet), QColor(Qt::black));

  // Over a colour of the model's, the text is made readable on that colour.
  auto& panel = add<Panel>("Panel1", {100, 10, 80, 80});
  panel.setCaption("Box");
  panel.setColor(colors::Navy);
  auto& onNavy = add<Label>("Label2", {5, 5, 60, 16}, &panel);
  const QString sheet = StyleFor(onNavy, ControlKind::Label, kPlatform, kLight).sheet;
  EXPECT_EQ(SheetTextColor(sheet), QColor(Qt::white)) << sheet.toStdString();
  EXPECT_FALSE(sheet.contains(QStringLiteral("background"))) << "a label draws on its parent";
}

TEST_F(ControlStyle, FieldsTakeTheirColourButtonsKeepTheStylesFace) {
  auto& edit = add<Edit>("Edit1", {10, 10, 80, 21});
  auto& button = add<Button>("Button1", {10, 40, 80, 25});
  for (Control* c : {static_cast<Control*>(&edit), static_cast<Control*>(&button)}) c->setColor(colors::Yellow);
  EXPECT_TRUE(StyleFor(edit, ControlKind::Edit, kPlatform, kLight).sheet.contains(QStringLiteral("background-color: #ffff00;")));
  EXPECT_FALSE(StyleFor(button, ControlKind::Button, kPlatform, kLight).sheet.contains(QStringLiteral("background")));

  // A white field under a carried style takes the style's own field colour.
  edit.setColor(colors::White);
  EXPECT_TRUE(StyleFor(edit, ControlKind::Edit, kPlatform, kLight).sheet.contains(QStringLiteral("background-color: #ffffff;")));
  EXPECT_TRUE(StyleFor(edit, ControlKind::Edit, kCarriedDark, kDark).sheet.isEmpty());
}

TEST_F(ControlStyle, MarksStandOnTheColourUnderThem) {
  auto& panel = add<Panel>("Panel1", {10, 10, 300, 200});
  panel.setCaption("Options");
  panel.setColor(colors::Lime);
  auto& radio = add<RadioGroup>("RadioGroup1", {5, 5, 100, 80}, &panel);
  auto& check = add<CheckBox>("CheckBox1", {5, 100, 100, 17}, &panel);
  const QString radioSheet = StyleFor(radio, ControlKind::RadioGroup, kCarriedDark, kDark).sheet;
  EXPECT_TRUE(radioSheet.contains(QStringLiteral("#RadioGroup1 > QRadioButton {"))) << radioSheet.toStdString();
  EXPECT_TRUE(radioSheet.endsWith(QStringLiteral("background-color: #00ff00;}"))) << radioSheet.toStdString();
  EXPECT_TRUE(StyleFor(check, ControlKind::CheckBox, kCarriedDark, kDark).sheet.contains(QStringLiteral("background-color: #00ff00;")));
  // Without a colour under them, the style's own fields.
  panel.setColor(colors::Default);
  EXPECT_FALSE(StyleFor(radio, ControlKind::RadioGroup, kCarriedDark, kDark).sheet.contains(QStringLiteral("background")));
  EXPECT_TRUE(StyleFor(check, ControlKind::CheckBox, kCarriedDark, kDark).sheet.isEmpty());
}

TEST_F(ControlStyle, AUnitTextInsideAFieldDrawsNoBoxOfItsOwn) {
  const QString noBox = QStringLiteral("border: none; background: transparent; padding: 0px;");
  auto& field = add<Edit>("Edit1", {10, 10, 100, 21});
  auto& unit = add<Edit>("Edit2", {70, 12, 36, 17});
  unit.setReadOnly(true);
  EXPECT_TRUE(StyleFor(unit, ControlKind::Edit, kPlatform, kLight).sheet.endsWith(noBox + QLatin1Char('}')));
  EXPECT_TRUE(StyleFor(field, ControlKind::Edit, kPlatform, kLight).sheet.isEmpty());

  struct Case {
    const char* what;
    Bounds unitBounds;
    bool readOnly;
  };
  const Case notInside[] = {
      {"beside the field", {120, 12, 36, 17}, true},
      {"in the same place as the field", {10, 10, 100, 21}, true},
      {"a field one can type in", {70, 12, 36, 17}, false},
  };
  for (const Case& c : notInside) {
    unit.setBounds(c.unitBounds);
    unit.setReadOnly(c.readOnly);
    EXPECT_FALSE(StyleFor(unit, ControlKind::Edit, kPlatform, kLight).sheet.contains(noBox)) << c.what;
  }
  // A memo around the text is another result in that place, not a field.
  unit.setBounds({70, 12, 36, 17});
  unit.setReadOnly(true);
  auto& memo = add<Memo>("Memo1", {10, 10, 100, 21});
  field.setBounds({300, 10, 100, 21});
  EXPECT_FALSE(StyleFor(unit, ControlKind::Edit, kPlatform, kLight).sheet.contains(noBox));
  EXPECT_TRUE(StyleFor(memo, ControlKind::Memo, kPlatform, kLight).sheet.isEmpty());
}

TEST_F(ControlStyle, AColourSwatchIsOutlinedInTheStylesTextColour) {
  const QString outline = QStringLiteral("border: 1px solid #123456;");  // kLight's window text
  struct Case {
    const char* what;
    Bounds bounds;
    const char* caption;
    bool outlined;
  };
  const Case cases[] = {
      {"a small square", {10, 10, 12, 12}, "", true},
      {"a panel with a caption", {30, 10, 80, 40}, "Results", false},
      {"a line thinner than a swatch", {10, 60, 120, 2}, "", false},
  };
  int n = 0;
  for (const Case& c : cases) {
    auto& panel = add<Panel>("Panel" + std::to_string(++n), c.bounds);
    panel.setCaption(c.caption);
    panel.setColor(colors::Maroon);
    const QString sheet = StyleFor(panel, ControlKind::Panel, kPlatform, kLight).sheet;
    EXPECT_TRUE(sheet.contains(QStringLiteral("background-color: #800000;"))) << c.what;
    EXPECT_EQ(sheet.contains(outline), c.outlined) << c.what << ": " << sheet.toStdString();
  }
  // A square that holds controls is a container, not a swatch.
  auto& holder = add<Panel>("Holder", {200, 10, 40, 40});
  holder.setColor(colors::Maroon);
  add<Label>("Inside", {2, 2, 20, 16}, &holder);
  EXPECT_FALSE(StyleFor(holder, ControlKind::Panel, kPlatform, kLight).sheet.contains(outline));
}

TEST_F(ControlStyle, TabStripsHaveTheirOwnFontUnlessTheModelGivesOne) {
  model.form.setFont({});
  auto& tabs = add<TabControl>("TabControl1", {10, 10, 300, 40});
  const WidgetStyle own = StyleFor(tabs, ControlKind::TabControl, kPlatform, kLight);
  EXPECT_EQ(own.font, ToQFont({"Verdana", 12}));
  EXPECT_TRUE(own.sheet.contains(QStringLiteral("font-size: %1px;").arg(own.font.pixelSize()))) << own.sheet.toStdString();
  // A label with no font of its own anywhere has none in its style either.
  EXPECT_EQ(StyleFor(add<Label>("Label1", {10, 60, 80, 16}), ControlKind::Label, kPlatform, kLight).font, ToQFont({}));

  model.form.setFont({"Courier New", 15, colors::Default, true});
  const WidgetStyle given = StyleFor(tabs, ControlKind::TabControl, kPlatform, kLight);
  EXPECT_EQ(given.font, ToQFont({"Courier New", 15, colors::Default, true}));
  EXPECT_TRUE(given.sheet.contains(QStringLiteral("font-weight: bold;")));
}

TEST_F(ControlStyle, TheClientAreaShowsTheFormsColour) {
  EXPECT_TRUE(ClientAreaSheet(model.form, kPlatform).isEmpty());
  model.form.setColor(colors::Navy);
  EXPECT_EQ(ClientAreaSheet(model.form, kPlatform), QStringLiteral("#Form1 { background-color: #000080; }"));
  // White under a carried style is the style's own window colour.
  model.form.setColor(colors::White);
  EXPECT_EQ(ClientAreaSheet(model.form, kPlatform), QStringLiteral("#Form1 { background-color: #ffffff; }"));
  EXPECT_TRUE(ClientAreaSheet(model.form, kCarriedDark).isEmpty());
}

}  // namespace
}  // namespace cq::ui
