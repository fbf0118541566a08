#pragma once
// Event handlers registered by name, so window descriptions can bind them.
#include <concepts>
#include <map>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "platform/form.h"

namespace cq {

using AnyHandler =
    std::variant<NotifyEvent, KeyEvent, KeyPressEvent, UpDownChangingEvent, UpDownClickEvent, CloseQueryEvent>;

class HandlerRegistry {
 public:
  // A second registration under one name is a programming fault.
  void add(const std::string& name, AnyHandler handler);
  // A member function of object as the handler:
  //   handlers.add("TForm1.RadioGroup5Click", this, &PlaneRadio::RadioGroup5Click);
  template <class T, class C>
    requires std::derived_from<T, C>
  void add(const std::string& name, T* object, void (C::*handler)(Control*)) {
    add(name, NotifyEvent([object, handler](Control* sender) { (object->*handler)(sender); }));
  }
  template <class T, class C>
    requires std::derived_from<T, C>
  void add(const std::string& name, T* object, void (C::*handler)(Form*, bool&)) {
    add(name, CloseQueryEvent(
                  [object, handler](Form* sender, bool& canClose) { (object->*handler)(sender, canClose); }));
  }
  bool has(const std::string& name) const { return handlers_.count(name) != 0; }
  // Throws DescriptionError for an unknown name.
  const AnyHandler& get(const std::string& name) const;
  template <typename T>
  const T& get(const std::string& name) const {
    const AnyHandler& h = get(name);
    if (const T* t = std::get_if<T>(&h)) return *t;
    throw DescriptionError("handler " + name + " has another signature");
  }
  // Registered names that no description has asked for: a handler that
  // never runs is a binding left out of a window description.
  std::vector<std::string> unusedNames() const;

 private:
  std::map<std::string, AnyHandler, std::less<>> handlers_;
  mutable std::set<std::string, std::less<>> used_;
};

}  // namespace cq
