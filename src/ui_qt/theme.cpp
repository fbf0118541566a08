#include "ui_qt/theme.h"

#include <QApplication>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace cq::ui {

namespace {
Theme& activeTheme() {
  static Theme theme;
  return theme;
}
}  // namespace

const Theme& ActiveTheme() { return activeTheme(); }
void SetActiveTheme(Theme theme) { activeTheme() = theme; }

QColor ToQColor(Color c) {
  if (c.isDefault()) return {};
  return QColor(static_cast<int>((c.value >> 16) & 0xFF), static_cast<int>((c.value >> 8) & 0xFF),
                static_cast<int>(c.value & 0xFF));
}

Color StyledBackground(Color c, const Theme& theme) {
  return theme.carried && c == colors::White ? colors::Default : c;
}

double ContrastRatio(const QColor& a, const QColor& b) {
  auto channel = [](float c) { return c <= 0.03928f ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
  auto luminance = [&](const QColor& c) {
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& text, const std::vector<QColor>& backgrounds, double minContrast) {
  auto readable = [&](const QColor& c) {
    return std::all_of(backgrounds.begin(), backgrounds.end(),
                       [&](const QColor& bg) { return ContrastRatio(c, bg) >= minContrast; });
  };
  if (!text.isValid() || backgrounds.empty() || readable(text)) return text;
  // Away from the backgrounds' lightness, the hue kept: lighter over dark
  // ones, darker over light ones.
  double average = 0;
  for (const QColor& bg : backgrounds) average += bg.lightnessF();
  const bool lighten = average / static_cast<double>(backgrounds.size()) < 0.5;
  float h = 0, s = 0, l = 0, a = 0;
  text.getHslF(&h, &s, &l, &a);
  constexpr float kStep = 0.01f;
  for (float next = l; next >= 0.0f && next <= 1.0f; next += lighten ? kStep : -kStep) {
    const QColor c = QColor::fromHslF(h, s, next, a);
    if (readable(c)) return c;
  }
  return lighten ? QColor(Qt::white) : QColor(Qt::black);
}

std::vector<QColor> StyleTextBackgrounds() { return StyleTextBackgrounds(QApplication::palette()); }

std::vector<QColor> StyleTextBackgrounds(const QPalette& p) {
  // The window, the fields and the read-only fields.
  return {p.color(QPalette::Window), p.color(QPalette::Base), p.color(QPalette::AlternateBase)};
}

QColor ReadableTextColor(Color font, const Theme& theme) {
  return ReadableTextColor(font, theme, QApplication::palette());
}

QColor ReadableTextColor(Color font, const Theme& theme, const QPalette& palette) {
  QColor c = ToQColor(font);
  if (!c.isValid()) return c;
  if (theme.dark && c.value() == 0) return {};  // black: the dark style's own light text
  return ReadableOn(c, StyleTextBackgrounds(palette));
}

QColor TextColorOver(Color font, Color background) {
  QColor bg = ToQColor(background);
  if (QColor c = ToQColor(font); c.isValid()) return bg.isValid() ? ReadableOn(c, {bg}) : c;
  if (!bg.isValid()) return {};
  return bg.lightnessF() < 0.5f ? QColor(Qt::white) : QColor(Qt::black);
}

}  // namespace cq::ui
