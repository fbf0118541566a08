#include "ui_qt/deferred_icon_style.h"

#include <QImage>
#include <QMenuBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace cq::ui {
namespace {

QImage imageOf(const QIcon& icon, int side, QIcon::Mode mode = QIcon::Normal) {
  return icon.pixmap(QSize(side, side), mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

// The overflow arrows come out as the plain style draws them, at each size
// and in the disabled look; other icons are the style's own.
TEST(DeferredIconStyle, IconsDrawAsTheBaseStyles) {
  const std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Fusion")));
  DeferredIconStyle deferred(QStyleFactory::create(QStringLiteral("Fusion")));
  for (QStyle::StandardPixmap sp : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
                                    QStyle::SP_TitleBarCloseButton}) {
    const QIcon expected = plain->standardIcon(sp);
    const QIcon got = deferred.standardIcon(sp);
    ASSERT_FALSE(imageOf(expected, 16).isNull());
    for (int side : {8, 16, 32}) {
      EXPECT_EQ(imageOf(got, side), imageOf(expected, side)) << sp << " at " << side;
      EXPECT_EQ(got.actualSize(QSize(side, side)), expected.actualSize(QSize(side, side))) << sp;
    }
    EXPECT_EQ(imageOf(got, 16, QIcon::Disabled), imageOf(expected, 16, QIcon::Disabled)) << sp;
  }
}

// Counts what the deferred style asks of the style under it.
class CountingStyle : public QProxyStyle {
 public:
  CountingStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
  QIcon standardIcon(StandardPixmap sp, const QStyleOption* option, const QWidget* widget) const override {
    ++asked;
    return QProxyStyle::standardIcon(sp, option, widget);
  }
  mutable int asked = 0;
};

// Creating a menu bar costs no picture: the arrow is asked for once, when drawn.
TEST(DeferredIconStyle, AsksForTheArrowOnlyWhenDrawn) {
  auto* counting = new CountingStyle;
  DeferredIconStyle deferred(counting);
  const QIcon icon = deferred.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
  EXPECT_EQ(counting->asked, 0);
  (void)icon.pixmap(QSize(16, 16));
  (void)icon.pixmap(QSize(32, 32));
  EXPECT_EQ(counting->asked, 1);
}

// A right-to-left option keeps its own arrow.
TEST(DeferredIconStyle, KeepsTheDirection) {
  const std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Fusion")));
  DeferredIconStyle deferred(QStyleFactory::create(QStringLiteral("Fusion")));
  QStyleOption rtl;
  rtl.direction = Qt::RightToLeft;
  const auto sp = QStyle::SP_ToolBarHorizontalExtensionButton;
  EXPECT_EQ(imageOf(deferred.standardIcon(sp, &rtl), 16), imageOf(plain->standardIcon(sp, &rtl), 16));
}

// An icon that outlives its style draws nothing instead of using a freed one.
TEST(DeferredIconStyle, IconOfAGoneStyleIsEmpty) {
  QIcon icon;
  {
    DeferredIconStyle deferred(QStyleFactory::create(QStringLiteral("Fusion")));
    icon = deferred.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
  }
  EXPECT_TRUE(icon.pixmap(QSize(16, 16)).isNull());
}

// A menu bar's overflow button under the style shows the style's arrow.
TEST(DeferredIconStyle, MenuBarOverflowButtonShowsTheArrow) {
  const std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Fusion")));
  DeferredIconStyle deferred(QStyleFactory::create(QStringLiteral("Fusion")));
  QMenuBar bar;
  bar.setStyle(&deferred);
  auto* overflow = bar.findChild<QToolButton*>();
  ASSERT_NE(overflow, nullptr);
  EXPECT_EQ(imageOf(overflow->icon(), 16), imageOf(plain->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton), 16));
}

}  // namespace
}  // namespace cq::ui
