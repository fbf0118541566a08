#include "ui_qt/style_scope.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QStringList>
#include <QStyle>
#include <QWidget>

namespace cq::ui {

namespace {
constexpr const char* kMark = "colourStyle";

QString markSelector(const QString& style) { return QStringLiteral("[%1=\"%2\"]").arg(QLatin1String(kMark), style); }

// A window made after the switch takes the mark before anything inside it
// is styled: when its first child comes, or when it is polished itself.
class WindowMarker : public QObject {
 public:
  QString style;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ChildAdded || event->type() == QEvent::Polish)
      if (auto* w = qobject_cast<QWidget*>(watched); w && w->isWindow()) mark(*w);
    return false;
  }

  void mark(QWidget& w) const {
    if (w.property(kMark).toString() != style) w.setProperty(kMark, style);
  }
};

// One marker, owned by the application it watches.
WindowMarker& marker() {
  static QPointer<WindowMarker> m;
  if (!m) {
    m = new WindowMarker;
    m->setParent(qApp);
    qApp->installEventFilter(m);
  }
  return *m;
}

void restyle(QWidget& w) {
  QStyle* style = w.style();
  style->unpolish(&w);
  style->polish(&w);
  QEvent changed(QEvent::StyleChange);
  QCoreApplication::sendEvent(&w, &changed);
  w.update();
  for (QObject* child : w.children())
    if (auto* cw = qobject_cast<QWidget*>(child)) restyle(*cw);
}
}  // namespace

QString ScopedSheet(const QString& sheet, const QString& style) {
  static const QRegularExpression comments(QStringLiteral("/\\*.*?\\*/"), QRegularExpression::DotMatchesEverythingOption);
  static const QRegularExpression leadingType(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*"));
  const QString mark = markSelector(style);
  QString scoped;
  QString text = sheet;
  text.remove(comments);
  for (const QString& rule : text.split(QLatin1Char('}'), Qt::SkipEmptyParts)) {
    const qsizetype open = rule.indexOf(QLatin1Char('{'));
    if (open < 0) continue;
    QStringList selectors;
    for (QString selector : rule.left(open).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
      selector = selector.trimmed();
      // Inside a marked window, and the marked window itself: both forms
      // weigh the same, so the rules keep their order of precedence.
      selectors << QStringLiteral("*%1 %2").arg(mark, selector);
      const qsizetype typeEnd = leadingType.match(selector).capturedLength();
      selectors << selector.left(typeEnd) + mark + selector.mid(typeEnd);
    }
    scoped += selectors.join(QStringLiteral(", ")) + QStringLiteral(" ") + rule.mid(open).trimmed() +
              QStringLiteral("}\n");
  }
  return scoped;
}

void MarkWindowsWith(const QString& style) {
  WindowMarker& m = marker();
  m.style = style;
  for (QWidget* w : QApplication::topLevelWidgets()) m.mark(*w);
}

void RestyleAllWidgets() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (!w->parentWidget()) restyle(*w);
}

}  // namespace cq::ui
