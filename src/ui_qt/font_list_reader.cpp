#include "ui_qt/font_list_reader.h"

#include <QFontDatabase>
#include <QStringList>

namespace cq::ui {

FontListReader::FontListReader() : thread_([] { QFontDatabase::families(); }) {}

}  // namespace cq::ui
