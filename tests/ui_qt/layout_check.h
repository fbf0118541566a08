#pragma once
// What a user would see as unfinished in one window: a caption, button or
// group title wider than its room, a control that runs past its parent's
// border, or two controls that overlap where their described bounds do not.
#include <set>
#include <string>
#include <utility>
#include <vector>

class QGroupBox;
class QRect;

namespace cq::ui {

class FormView;

// Where the group's style draws its title, in the group's coordinates.
QRect GroupTitleRect(const QGroupBox& group);

// Pairs of control names that may overlap on screen although their
// described bounds do not (each name pair in either order).
using OverlapAllowance = std::set<std::pair<std::string, std::string>>;

// One line per offender, naming the controls; only controls shown in the
// window count (the window itself may be hidden).
std::vector<std::string> LayoutFaults(const FormView& view, const OverlapAllowance& allowed = {});

}  // namespace cq::ui
