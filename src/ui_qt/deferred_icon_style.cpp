#include "ui_qt/deferred_icon_style.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <optional>

namespace cq::ui {

namespace {

// Stands for the base style's icon and asks for it the first time it is used.
class DeferredIconEngine : public QIconEngine {
 public:
  DeferredIconEngine(QStyle* base, QStyle::StandardPixmap icon, const QStyleOption* option, const QWidget* widget)
      : base_(base), icon_(icon), widget_(widget) {
    // The arrow depends on the direction only; it is kept, not the option.
    direction_ = option ? option->direction : QGuiApplication::layoutDirection();
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    resolved().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return resolved().actualSize(size, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return resolved().pixmap(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return resolved().availableSizes(mode, state);
  }
  QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

 private:
  const QIcon& resolved() {
    if (!real_) {
      // A style that is gone leaves no icon; its widgets get a new one from
      // the style that replaced it.
      if (base_) {
        QStyleOption option;
        option.direction = direction_;
        real_ = base_->standardIcon(icon_, &option, widget_.data());
      } else {
        real_ = QIcon();
      }
    }
    return *real_;
  }

  QPointer<QStyle> base_;
  QStyle::StandardPixmap icon_;
  QPointer<const QWidget> widget_;
  Qt::LayoutDirection direction_ = Qt::LeftToRight;
  std::optional<QIcon> real_;
};

}  // namespace

DeferredIconStyle::DeferredIconStyle(QStyle* base) : QProxyStyle(base) {
  // The style keeps the name it is known by.
  if (base) setObjectName(base->objectName());
}

QIcon DeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
  if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
    return QIcon(new DeferredIconEngine(baseStyle(), icon, option, widget));
  return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace cq::ui
