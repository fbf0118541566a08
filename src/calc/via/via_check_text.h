#pragma once
// A check's message or field text, written out only when the check refuses
// its value: most solves refuse nothing, and building every text each time
// cost more than the rest of the checks together.
#include <string>
#include <string_view>

namespace cq {

class ViaCheckText {
 public:
  // A text taken as it is; a literal converts.
  constexpr ViaCheckText(std::string_view whole = {}) : before_(whole) {}
  constexpr ViaCheckText(const char* whole) : before_(whole) {}

  // before + limit + after, the limit's first '.' a ',' when comma is set.
  static constexpr ViaCheckText Limit(std::string_view before, std::string_view limit, bool comma,
                                      std::string_view after = {}) {
    ViaCheckText text(before);
    text.limit_ = limit;
    text.comma_ = comma;
    text.after_ = after;
    return text;
  }

  // A computed value, written in the program's separator.
  static constexpr ViaCheckText Number(double value) {
    ViaCheckText text;
    text.isNumber_ = true;
    text.number_ = value;
    return text;
  }

  std::string str() const;
  // Where a string is wanted, the text is written.
  operator std::string() const { return str(); }

 private:
  std::string_view before_;
  std::string_view limit_;
  std::string_view after_;
  bool comma_ = false;
  bool isNumber_ = false;
  double number_ = 0;
};

}  // namespace cq
