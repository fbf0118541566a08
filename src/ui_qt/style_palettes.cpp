#include "ui_qt/style_palettes.h"

#include <array>

namespace cq::ui {

namespace {

struct Colours {
  const char* name;
  QRgb window, windowText, base, alternateBase, text, button, buttonText, highlight, highlightedText, light, mid,
      dark, shadow, disabledText, link, toolTipBase, toolTipText;
};

// Each row keeps text on its background well above a 7:1 contrast.
constexpr std::array<Colours, 4> kStyles{{
    {"Charcoal Dark Slate", 0x1e2b38, 0xe3ebf3, 0x142029, 0x1a2733, 0xe8eff6, 0x2a3b4d, 0xe8eff6, 0x356a9f, 0xffffff,
     0x41566c, 0x2c3d4f, 0x121b24, 0x0a0f14, 0x8a9bad, 0x8fc3f5, 0x2a3b4d, 0xe8eff6},
    {"Charcoal HiRes", 0x2d2d30, 0xf0f0f0, 0x1e1e1e, 0x262628, 0xf5f5f5, 0x3e3e42, 0xf5f5f5, 0x2f6bc0, 0xffffff,
     0x5a5a5f, 0x333336, 0x1a1a1c, 0x0a0a0a, 0x808084, 0x7fb6ff, 0x3e3e42, 0xf5f5f5},
    {"Slate", 0xc8d1da, 0x16202b, 0xf2f5f8, 0xe1e7ed, 0x111a24, 0xb3c0cd, 0x16202b, 0x46678c, 0xffffff, 0xe6ecf2,
     0x8c9aa8, 0x6b7886, 0x3c4651, 0x66717d, 0x1d4f8a, 0xf2f5f8, 0x16202b},
    {"Windows10", 0xf0f0f0, 0x000000, 0xffffff, 0xf5f5f5, 0x000000, 0xe1e1e1, 0x000000, 0x0070c0, 0xffffff, 0xffffff,
     0xadadad, 0xa0a0a0, 0x696969, 0x6d6d6d, 0x0066cc, 0xffffe1, 0x000000},
}};

QPalette toPalette(const Colours& c) {
  QPalette p;
  auto set = [&p](QPalette::ColorRole role, QRgb rgb) { p.setColor(QPalette::All, role, QColor::fromRgb(rgb)); };
  set(QPalette::Window, c.window);
  set(QPalette::WindowText, c.windowText);
  set(QPalette::Base, c.base);
  set(QPalette::AlternateBase, c.alternateBase);
  set(QPalette::Text, c.text);
  set(QPalette::Button, c.button);
  set(QPalette::ButtonText, c.buttonText);
  set(QPalette::BrightText, 0xffffff);
  set(QPalette::Highlight, c.highlight);
  set(QPalette::HighlightedText, c.highlightedText);
  set(QPalette::Light, c.light);
  set(QPalette::Midlight, QColor::fromRgb(c.light).darker(110).rgb());
  set(QPalette::Mid, c.mid);
  set(QPalette::Dark, c.dark);
  set(QPalette::Shadow, c.shadow);
  set(QPalette::Link, c.link);
  set(QPalette::LinkVisited, c.link);
  set(QPalette::ToolTipBase, c.toolTipBase);
  set(QPalette::ToolTipText, c.toolTipText);
  set(QPalette::PlaceholderText, c.disabledText);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    p.setColor(QPalette::Disabled, role, QColor::fromRgb(c.disabledText));
  p.setColor(QPalette::Disabled, QPalette::Base, QColor::fromRgb(c.window));
  return p;
}

}  // namespace

std::optional<QPalette> CarriedStylePalette(const QString& name) {
  for (const Colours& c : kStyles)
    if (name == QLatin1String(c.name)) return toPalette(c);
  return std::nullopt;
}

QString StyleSheetPath(const QString& name) {
  return QStringLiteral("styles/") + name.toLower().replace(QLatin1Char(' '), QLatin1Char('-')) +
         QStringLiteral(".qss");
}

bool IsDarkPalette(const QPalette& palette) { return palette.color(QPalette::Window).lightnessF() < 0.5; }

}  // namespace cq::ui
