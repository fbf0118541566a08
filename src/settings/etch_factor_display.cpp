#include "settings/etch_factor_display.h"

#include <string>

#include "platform/control_group.h"

namespace cq {

namespace {
bool inTable(int item) { return item >= 0 && item < static_cast<int>(EtchFactorRows().size()); }
}  // namespace

const std::array<EtchFactorRow, 3>& EtchFactorRows() {
  static const std::array<EtchFactorRow, 3> rows = {{
      {"1:1", "Image68", "Image74", "Image3"},
      {"2:1", "Image73", "Image76", "Image4"},
      {"None", "Image69", "Image75", "Image2"},
  }};
  return rows;
}

EtchFactorPage::EtchFactorPage(const Form& main, const char* label, std::string_view EtchFactorRow::*picture)
    : text_(main.label(label)) {
  const auto& rows = EtchFactorRows();
  for (size_t i = 0; i < rows.size(); ++i) pictures_[i] = &main.image(std::string(rows[i].*picture));
}

EtchFactorPage EtchFactorPage::conductor(const Form& main) {
  return {main, "Label126", &EtchFactorRow::conductorPicture};
}

EtchFactorPage EtchFactorPage::fusing(const Form& main) { return {main, "Label380", &EtchFactorRow::fusingPicture}; }

void EtchFactorPage::show(int item) const {
  if (!inTable(item)) return;
  text_.setCaption(std::string(EtchFactorRows()[static_cast<size_t>(item)].text));
  ShowOnly(pictures_, static_cast<size_t>(item));
}

EtchFactorDisplay::EtchFactorDisplay(Form& main, Form& options)
    : conductor_(EtchFactorPage::conductor(main)), fusing_(EtchFactorPage::fusing(main)) {
  const auto& rows = EtchFactorRows();
  for (size_t i = 0; i < rows.size(); ++i) window_[i] = &options.image(std::string(rows[i].windowPicture));
}

void EtchFactorDisplay::show(int item) const {
  conductor_.show(item);
  fusing_.show(item);
  showWindowPicture(item);
}

void EtchFactorDisplay::showWindowPicture(int item) const {
  if (inTable(item)) ShowOnly(window_, static_cast<size_t>(item));
}

}  // namespace cq
