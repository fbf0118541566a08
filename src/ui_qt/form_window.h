#pragma once
// How a form's window is framed and where it first shows.
#include <Qt>

#include "platform/form.h"

class QWidget;

namespace cq::ui {

// The frame the form's border style and boxes ask for.
Qt::WindowFlags WindowFlagsFor(const Form& form);

// In the middle of the primary screen's free area, frame included.
void CentreOnScreen(QWidget& window);

}  // namespace cq::ui
