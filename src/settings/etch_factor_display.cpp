#include "settings/etch_factor_display.h"

#include <string>

namespace cq {

const std::array<EtchFactorRow, 3>& EtchFactorRows() {
  static const std::array<EtchFactorRow, 3> rows = {{
      {"1:1", "Image68", "Image74", "Image3"},
      {"2:1", "Image73", "Image76", "Image4"},
      {"None", "Image69", "Image75", "Image2"},
  }};
  return rows;
}

EtchFactorDisplay::EtchFactorDisplay(Form& main, Form& options)
    : conductorText_(main.label("Label126")), fusingText_(main.label("Label380")) {
  const auto& rows = EtchFactorRows();
  for (size_t i = 0; i < rows.size(); ++i) {
    conductor_[i] = &main.image(std::string(rows[i].conductorPicture));
    fusing_[i] = &main.image(std::string(rows[i].fusingPicture));
    window_[i] = &options.image(std::string(rows[i].windowPicture));
  }
}

void EtchFactorDisplay::showOne(const std::array<Image*, 3>& set, int item) {
  for (size_t i = 0; i < set.size(); ++i) set[i]->setVisible(static_cast<int>(i) == item);
}

void EtchFactorDisplay::show(int item) const {
  if (item < 0 || item >= static_cast<int>(EtchFactorRows().size())) return;
  const std::string text(EtchFactorRows()[static_cast<size_t>(item)].text);
  conductorText_.setCaption(text);
  fusingText_.setCaption(text);
  showOne(conductor_, item);
  showOne(fusing_, item);
  showOne(window_, item);
}

void EtchFactorDisplay::showPage(const Form& main, int item, const char* label,
                                 std::string_view EtchFactorRow::*picture) {
  const auto& rows = EtchFactorRows();
  if (item < 0 || item >= static_cast<int>(rows.size())) return;
  std::array<Image*, 3> pictures{};
  for (size_t i = 0; i < rows.size(); ++i) pictures[i] = &main.image(std::string(rows[i].*picture));
  main.label(label).setCaption(std::string(rows[static_cast<size_t>(item)].text));
  showOne(pictures, item);
}

void EtchFactorDisplay::showConductorPage(const Form& main, int item) {
  showPage(main, item, "Label126", &EtchFactorRow::conductorPicture);
}

void EtchFactorDisplay::showFusingPage(const Form& main, int item) {
  showPage(main, item, "Label380", &EtchFactorRow::fusingPicture);
}

void EtchFactorDisplay::showWindowPicture(int item) const {
  if (item < 0 || item >= static_cast<int>(window_.size())) return;
  showOne(window_, item);
}

}  // namespace cq
