#pragma once
// The application style with the menu bar's overflow arrow fetched only when
// it is drawn: the style's own arrow is a picture file, and reading the first
// picture file loads every image-format plugin, a cost every window's menu
// bar paid at start for a button that hardly ever shows.
#include <QProxyStyle>

namespace cq::ui {

class DeferredIconStyle : public QProxyStyle {
 public:
  // Takes ownership of base.
  explicit DeferredIconStyle(QStyle* base);

  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace cq::ui
