#pragma once
// The etch factor as the pages show it: a text on the Conductor Properties
// and Fusing Current pages and one picture of each set (the two pages and
// the Program Options window), the others of the set hidden.
#include <array>
#include <string_view>

#include "platform/form.h"

namespace cq {

struct EtchFactorRow {
  std::string_view text;
  std::string_view conductorPicture;
  std::string_view fusingPicture;
  std::string_view windowPicture;
};

// Items 0 "Etch Factor 1:1", 1 "Etch Factor 2:1", 2 "None".
const std::array<EtchFactorRow, 3>& EtchFactorRows();

// One page's text and picture set, looked up once.
class EtchFactorPage {
 public:
  static EtchFactorPage conductor(const Form& main);
  static EtchFactorPage fusing(const Form& main);
  // The text of item and its picture, the others of the set hidden. An item
  // outside the table changes nothing.
  void show(int item) const;

 private:
  EtchFactorPage(const Form& main, const char* label, std::string_view EtchFactorRow::*picture);
  Label& text_;
  std::array<Image*, 3> pictures_{};
};

class EtchFactorDisplay {
 public:
  EtchFactorDisplay(Form& main, Form& options);
  // Both pages and the Program Options window's picture. An item outside
  // the table changes nothing.
  void show(int item) const;
  // Only the Program Options window's picture.
  void showWindowPicture(int item) const;

 private:
  EtchFactorPage conductor_;
  EtchFactorPage fusing_;
  std::array<Image*, 3> window_{};
};

}  // namespace cq
