#pragma once
// The line edit the user is typing into while the model takes the typed
// text. What the model's handlers write back into that field then keeps
// the user's cursor; any other text written by code shows from its first
// character.
class QLineEdit;

namespace cq::ui {

class UserTyping {
 public:
  explicit UserTyping(const QLineEdit& field) : outer_(field_) { field_ = &field; }
  ~UserTyping() { field_ = outer_; }
  UserTyping(const UserTyping&) = delete;
  UserTyping& operator=(const UserTyping&) = delete;

  static bool into(const QLineEdit& field) { return field_ == &field; }

 private:
  static inline const QLineEdit* field_ = nullptr;
  const QLineEdit* outer_;
};

}  // namespace cq::ui
