#pragma once
// The colour styles: "Windows" is the platform's own look; the four the
// program carries are Qt's Fusion drawing with their own palette and style
// sheet. Switching restyles every open window.
#include <QPointer>
#include <QString>
#include <QStyle>
#include <functional>

#include "platform/services.h"

namespace cq::ui {

// The style manager's own error box for a style that cannot be set.
void ShowStyleErrorBox(const std::string& message);

class QtStyles : public Styles {
 public:
  // Needs the QApplication. reportError shows why a style could not be set.
  explicit QtStyles(std::function<void(const std::string&)> reportError = ShowStyleErrorBox);

  std::vector<std::string> names() override;
  bool trySetStyle(const std::string& name) override;
  std::string activeStyle() override { return active_; }

 private:
  void applyPlatformStyle();
  void applyCarriedStyle(const QString& name);
  // The program's style on this base, unless it is in place already.
  void useBaseStyle(const QString& base);
  // The program's sheet with the rules of the style named.
  void useSheetOf(const QString& name);

  std::function<void(const std::string&)> reportError_;
  QString platformStyle_;
  // The style this object set last and its base: setting a style again
  // restyles every widget, which the same drawing does not need.
  QPointer<QStyle> applied_;
  QString appliedBase_;
  std::string active_ = "Windows";
};

}  // namespace cq::ui
