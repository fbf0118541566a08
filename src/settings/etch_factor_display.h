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

class EtchFactorDisplay {
 public:
  EtchFactorDisplay(Form& main, Form& options);
  // Texts and all three picture sets. An item outside the table changes
  // nothing.
  void show(int item) const;
  // Only the Program Options window's picture.
  void showWindowPicture(int item) const;
  // Only one page's text and picture, as its activation shows them (the
  // Program Options window may not exist yet).
  static void showConductorPage(const Form& main, int item);
  static void showFusingPage(const Form& main, int item);

 private:
  static void showOne(const std::array<Image*, 3>& set, int item);
  static void showPage(const Form& main, int item, const char* label, std::string_view EtchFactorRow::*picture);
  Label& conductorText_;
  Label& fusingText_;
  std::array<Image*, 3> conductor_{};
  std::array<Image*, 3> fusing_{};
  std::array<Image*, 3> window_{};
};

}  // namespace cq
