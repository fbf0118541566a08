#pragma once
// A page's controls, bound once when the window is built. The struct binds
// each control by name where it declares it, a `Form& f;` first:
//   struct XPage::Controls { Form& f; Edit& er = f.edit("Edit7"); };
// so an unknown name fails at start. The struct may be complete only in the
// page's source, or in a header of the page's own where the page's parts
// share it; the page's header and destructor never need it.
#include <array>
#include <cstddef>
#include <memory>

#include "platform/form.h"

namespace cq {

template <class T>
class BoundControls {
 public:
  // Called from the page's attach, where T is complete.
  void bind(Form& form) {
    controls_ = {new T{form}, [](T* controls) { delete controls; }};
  }

  T* operator->() const { return controls_.get(); }
  T& operator*() const { return *controls_; }

 private:
  std::unique_ptr<T, void (*)(T*)> controls_{nullptr, nullptr};
};

// Controls of one kind bound by a list of names, in the list's order.
template <class C, std::size_t N, class Names>
std::array<C*, N> BindNamed(Form& form, const Names& names) {
  std::array<C*, N> controls{};
  for (std::size_t i = 0; i < N; ++i) controls[i] = &form.get<C>(names[i]);
  return controls;
}
template <class C, std::size_t N>
std::array<C*, N> BindEach(Form& form, const char* const (&names)[N]) {
  return BindNamed<C, N>(form, names);
}
template <class C, std::size_t N>
std::array<C*, N> BindEach(Form& form, const std::array<const char*, N>& names) {
  return BindNamed<C, N>(form, names);
}

}  // namespace cq
