#include "ui_qt/qt_styles.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <algorithm>

#include "platform/resources.h"
#include "ui_qt/deferred_icon_style.h"
#include "ui_qt/form_view.h"
#include "ui_qt/indicator_style.h"
#include "ui_qt/message_box.h"
#include "ui_qt/style_palettes.h"
#include "ui_qt/style_scope.h"
#include "ui_qt/theme.h"

namespace cq::ui {

namespace {
constexpr const char* kPlatformStyle = "Windows";
// The styles the program carries, each with its palette and sheet.
const char* const kCarriedStyles[] = {"Charcoal Dark Slate", "Charcoal HiRes", "Slate", "Windows10"};

QString sheetResource(const std::string& path) {
  const std::string_view sheet = resource(path);
  return QString::fromUtf8(sheet.data(), static_cast<qsizetype>(sheet.size()));
}

// The group frames every style shares, then each carried style's own rules
// for the windows marked with its name.
const QString& programSheet() {
  static const QString sheet = [] {
    QString all = sheetResource("styles/group-frames.qss");
    for (const char* name : kCarriedStyles) {
      const QString style = QString::fromLatin1(name);
      all += ScopedSheet(sheetResource(StyleSheetPath(style).toStdString()), style);
    }
    return all;
  }();
  return sheet;
}

// A style by its name for QStyleFactory. Fusion's radio and check marks get
// rings that show on every palette; a native style keeps its own.
QStyle* programStyle(const QString& name) {
  QStyle* base = QStyleFactory::create(name);
  if (name == QLatin1String("Fusion")) base = new IndicatorStyle(base);
  return new DeferredIconStyle(base);
}

// The platform's own drawing: on Windows its native style; elsewhere Qt's
// Fusion, the clean style of the Linux desktops, not whatever plain style a
// bare X server leaves.
QString platformStyleName() {
#ifdef Q_OS_WIN
  return QApplication::style()->name();
#else
  return QStringLiteral("Fusion");
#endif
}
}  // namespace

void ShowStyleErrorBox(const std::string& message) {
  RunMessageBox(QMessageBox::Warning, QApplication::applicationName().toStdString(), message, QMessageBox::Ok);
}

QtStyles::QtStyles(std::function<void(const std::string&)> reportError)
    : reportError_(std::move(reportError)), platformStyle_(platformStyleName()) {}

std::vector<std::string> QtStyles::names() {
  std::vector<std::string> all(std::begin(kCarriedStyles), std::end(kCarriedStyles));
  all.insert(all.end() - 1, kPlatformStyle);
  return all;
}

bool QtStyles::trySetStyle(const std::string& name) {
  const auto all = names();
  if (std::find(all.begin(), all.end(), name) == all.end()) {
    // The program goes on with the style it had.
    if (reportError_) reportError_("Style '" + name + "' not found");
    return false;
  }
  if (name == kPlatformStyle)
    applyPlatformStyle();
  else
    applyCarriedStyle(QString::fromStdString(name));
  active_ = name;
  SetActiveTheme({IsDarkPalette(QApplication::palette()), name != kPlatformStyle});
  FormView::restyleAll();
  return true;
}

void QtStyles::useBaseStyle(const QString& base) {
  if (applied_ && appliedBase_ == base) return;
  applied_ = programStyle(base);
  appliedBase_ = base;
  QApplication::setStyle(applied_);
}

void QtStyles::applyPlatformStyle() {
  useBaseStyle(platformStyle_);
  QApplication::setPalette(QApplication::style()->standardPalette());
  useSheetOf(QString::fromLatin1(kPlatformStyle));
}

void QtStyles::applyCarriedStyle(const QString& name) {
  // Fusion draws every control from the palette, so the colours hold.
  useBaseStyle(QStringLiteral("Fusion"));
  QApplication::setPalette(*CarriedStylePalette(name));
  useSheetOf(name);
}

void QtStyles::useSheetOf(const QString& name) {
  MarkWindowsWith(name);
  // The sheet is set once; after that only the windows' mark changes.
  if (qApp->styleSheet() != programSheet())
    qApp->setStyleSheet(programSheet());
  else
    RestyleAllWidgets();
}

}  // namespace cq::ui
