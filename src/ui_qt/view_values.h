#pragma once
// The model's values in Qt's terms, as every part of a form's view shows
// them: texts, alignment, fonts, colours, captions and hints.
#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "platform/control.h"

namespace cq::ui {

inline QString ToQString(const std::string& s) { return QString::fromStdString(s); }
QStringList ToQStringList(const std::vector<std::string>& items);

Qt::Alignment HorizontalAlignment(Alignment a);
QFont ToQFont(const Font& f);
QString CssColor(const QColor& c);

// Font of a control as it shows: unset parts come from the parent, and a
// control without a font of its own takes its parent's whole font.
Font EffectiveFont(const Control& control);

// A label caption as shown: "&&" is one "&", a single "&" marks an
// accelerator and is not shown.
QString LabelText(const std::string& caption);

// The hint halves: before "|" for the tooltip, after it for the status bar
// (a hint without "|" serves both).
QString ShortHint(const std::string& hint);
QString LongHint(const std::string& hint);

}  // namespace cq::ui
