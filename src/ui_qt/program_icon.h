#pragma once
// The program's icon: the square mark at the left of the logo picture.
#include <QIcon>

namespace cq::ui {

QIcon ProgramIcon();

}  // namespace cq::ui
