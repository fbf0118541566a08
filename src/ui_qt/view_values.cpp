#include "ui_qt/view_values.h"

#include "ui_qt/described_font.h"

namespace cq::ui {

QStringList ToQStringList(const std::vector<std::string>& items) {
  QStringList out;
  out.reserve(static_cast<qsizetype>(items.size()));
  for (const auto& s : items) out << ToQString(s);
  return out;
}

Qt::Alignment HorizontalAlignment(Alignment a) {
  switch (a) {
    case Alignment::Right: return Qt::AlignRight;
    case Alignment::Center: return Qt::AlignHCenter;
    case Alignment::Left: break;
  }
  return Qt::AlignLeft;
}

QFont ToQFont(const Font& f) {
  QFont q = DescribedFont(ToQString(f.name), f.height, f.bold, f.italic);
  q.setUnderline(f.underline);
  return q;
}

QString CssColor(const QColor& c) { return c.name(QColor::HexRgb); }

Font EffectiveFont(const Control& control) {
  const Font base = control.parent() ? EffectiveFont(*control.parent()) : Font{};
  const Font& own = control.font();
  if (own == Font{}) return base;
  Font f = own;
  if (f.name.empty()) f.name = base.name;
  if (f.height == 0) f.height = base.height;
  if (f.color.isDefault()) f.color = base.color;
  return f;
}

QString LabelText(const std::string& caption) {
  const QString in = ToQString(caption);
  QString out;
  out.reserve(in.size());
  for (qsizetype i = 0; i < in.size(); ++i) {
    if (in[i] == u'&' && i + 1 < in.size()) {
      ++i;  // "&&" keeps the second "&"; "&X" keeps the X
    }
    out += in[i];
  }
  return out;
}

QString ShortHint(const std::string& hint) {
  const auto bar = hint.find('|');
  return ToQString(bar == std::string::npos ? hint : hint.substr(0, bar));
}

QString LongHint(const std::string& hint) {
  const auto bar = hint.find('|');
  return ToQString(bar == std::string::npos ? hint : hint.substr(bar + 1));
}

}  // namespace cq::ui
