#pragma once
// The etch factor as it is shown: a page's text and one of its pictures,
// and one picture of the Program Options window, the others of each set
// hidden.
#include <array>
#include <string_view>

#include "platform/form.h"

namespace cq {

struct EtchFactorRow {
  std::string_view text;
  std::string_view windowPicture;
};

// Items 0 "Etch Factor 1:1", 1 "Etch Factor 2:1", 2 "None".
const std::array<EtchFactorRow, 3>& EtchFactorRows();

// One page's text and picture set (one picture per item), looked up once.
class EtchFactorPage {
 public:
  EtchFactorPage(const Form& main, const char* label, const std::array<const char*, 3>& pictures);
  // The text of item and its picture, the others of the set hidden. An item
  // outside the table changes nothing.
  void show(int item) const;

 private:
  Label& text_;
  std::array<Image*, 3> pictures_{};
};

// The Program Options window's picture set.
class EtchFactorDisplay {
 public:
  explicit EtchFactorDisplay(Form& options);
  // An item outside the table changes nothing.
  void showWindowPicture(int item) const;

 private:
  std::array<Image*, 3> window_{};
};

}  // namespace cq
