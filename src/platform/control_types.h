#pragma once
// The control types of the window descriptions, one row each: the name a
// description gives, how the control is made, the properties of its own it
// reads beside those every control has, and the events it binds. The
// loader (form_loader.cpp) reads the common properties and keeps the
// bookkeeping; a new type of control is a class and a row here.
#include <nlohmann/json_fwd.hpp>
#include <span>
#include <string>
#include <string_view>

#include "platform/form.h"
#include "platform/handlers.h"

namespace cq {

class ButtonGroup;

// What the loader does for a type's readers.
class DescriptionReader {
 public:
  // Throws DescriptionError, naming the description.
  [[noreturn]] virtual void fail(const std::string& what) const = 0;
  // A key of j outside allowed fails; what names j.
  virtual void checkKeys(const nlohmann::json& j, std::span<const std::string_view> allowed,
                         const std::string& what) const = 0;
  virtual Alignment alignment(const nlohmann::json& j) const = 0;
  // The buddy is joined, and the position set again, once every control
  // of the window exists.
  virtual void associateLater(UpDown& upDown, std::string buddy, int position) = 0;
  // Bound with the events, after every control exists.
  virtual void bindItemClick(ButtonGroup& group, int index, std::string handler) = 0;

 protected:
  ~DescriptionReader() = default;
};

// An event a type takes: its name in the descriptions and the handler slot
// it fills. Binding throws DescriptionError for an unknown handler or one
// of another signature.
struct EventSlot {
  std::string_view name;
  void (*bind)(Control& control, const HandlerRegistry& handlers, const std::string& handler);
};

struct ControlType {
  std::string_view name;
  // Null for the form and menu items: the loader makes them from the
  // window's own keys and its menu, and no description names them as a type.
  Control& (*create)(Form& form, const std::string& name, Control* parent) = nullptr;
  // The properties of its own, read by read before the common ones, and by
  // readAfterChildren once the children exist.
  std::span<const std::string_view> properties = {};
  void (*read)(Control& control, const nlohmann::json& j, DescriptionReader& reader) = nullptr;
  void (*readAfterChildren)(Control& control, const nlohmann::json& j) = nullptr;
  // Its own events, looked up before the common OnClick, OnEnter and OnExit
  // that it takes when commonEvents is set.
  std::span<const EventSlot> events = {};
  bool commonEvents = true;
};

// The type a description names; null for an unknown name and for a type
// no description may name.
const ControlType* ControlTypeNamed(std::string_view name);
// The rows of what the loader makes itself.
const ControlType& FormType();
const ControlType& MenuItemType();
// The slot of an event of the type; null when the type has no such event.
const EventSlot* EventOf(const ControlType& type, std::string_view event);

}  // namespace cq
