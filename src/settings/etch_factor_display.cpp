#include "settings/etch_factor_display.h"

#include <string>

#include "platform/control_group.h"

namespace cq {

namespace {
bool inTable(int item) { return item >= 0 && item < static_cast<int>(EtchFactorRows().size()); }
}  // namespace

const std::array<EtchFactorRow, 3>& EtchFactorRows() {
  static const std::array<EtchFactorRow, 3> rows = {{
      {"1:1", "Image3"},
      {"2:1", "Image4"},
      {"None", "Image2"},
  }};
  return rows;
}

EtchFactorPage::EtchFactorPage(const Form& main, const char* label, const std::array<const char*, 3>& pictures)
    : text_(main.label(label)) {
  for (size_t i = 0; i < pictures.size(); ++i) pictures_[i] = &main.image(pictures[i]);
}

void EtchFactorPage::show(int item) const {
  if (!inTable(item)) return;
  text_.setCaption(std::string(EtchFactorRows()[static_cast<size_t>(item)].text));
  ShowOnly(pictures_, static_cast<size_t>(item));
}

EtchFactorDisplay::EtchFactorDisplay(Form& options) {
  const auto& rows = EtchFactorRows();
  for (size_t i = 0; i < rows.size(); ++i) window_[i] = &options.image(std::string(rows[i].windowPicture));
}

void EtchFactorDisplay::showWindowPicture(int item) const {
  if (inTable(item)) ShowOnly(window_, static_cast<size_t>(item));
}

}  // namespace cq
