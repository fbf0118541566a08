#pragma once
// The program's icon: the square mark at the left of the logo picture.
#include <QIcon>
#include <QImage>
#include <vector>

namespace cq::ui {

// The mark drawn at each of the icon's sizes. Images only, so it may run on a
// helper thread once the application object exists.
std::vector<QImage> ProgramIconImages();
QIcon ProgramIcon(const std::vector<QImage>& images);
QIcon ProgramIcon();

}  // namespace cq::ui
