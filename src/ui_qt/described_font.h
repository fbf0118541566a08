#pragma once
// Fonts as the window descriptions give them: a family and a height in
// pixels that is the whole text cell (ascent plus descent), not the em size
// Qt's pixel size means. Taken as an em size, every text comes out about a
// fifth larger than the bounds it was laid out for. The family shows in
// the carried face that stands for it (see embedded_fonts.h).
#include <QFont>
#include <QString>

namespace cq::ui {

// The largest font of the family whose line height is no more than
// cellHeight pixels (at least 1 pixel em).
QFont DescribedFont(const QString& family, int cellHeight, bool bold = false, bool italic = false);

}  // namespace cq::ui
