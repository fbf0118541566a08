#include "ui_qt/theme.h"

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

QColor ReadableTextColor(Color font, const Theme& theme) {
  QColor c = ToQColor(font);
  if (!c.isValid() || !theme.dark) return c;
  if (c.value() == 0) return {};  // black: the dark style's own light text
  float h = 0, s = 0, l = 0, a = 0;
  c.getHslF(&h, &s, &l, &a);
  // Below this lightness a colour vanishes on a charcoal background.
  constexpr float kMinLightness = 0.6f;
  if (l >= kMinLightness) return c;
  return QColor::fromHslF(h, s, 0.72f, a);
}

QColor TextColorOver(Color font, Color background) {
  if (QColor c = ToQColor(font); c.isValid()) return c;
  QColor bg = ToQColor(background);
  if (!bg.isValid()) return {};
  return bg.lightnessF() < 0.5f ? QColor(Qt::white) : QColor(Qt::black);
}

}  // namespace cq::ui
