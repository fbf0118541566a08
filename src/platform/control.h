#pragma once
// The component model: the stand-in for the desktop framework's controls.
// Controls hold state and run handlers; the framework rules (which value
// changes run which handler) live here once, so no handler repeats them.
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cq {

class Control;
class Form;
class Application;

// Colours as 0xRRGGBB; Default means the style's own colour.
struct Color {
  std::uint32_t value = kDefault;
  static constexpr std::uint32_t kDefault = 0xFF000000u;
  bool isDefault() const { return value == kDefault; }
  friend bool operator==(Color, Color) = default;
};
namespace colors {
inline constexpr Color Default{Color::kDefault};
inline constexpr Color Black{0x000000};
inline constexpr Color Navy{0x000080};
inline constexpr Color Red{0xFF0000};
inline constexpr Color Green{0x008000};
inline constexpr Color Blue{0x0000FF};
inline constexpr Color Maroon{0x800000};
inline constexpr Color White{0xFFFFFF};
inline constexpr Color Gray{0x808080};
inline constexpr Color Yellow{0xFFFF00};
inline constexpr Color Lime{0x00FF00};
}  // namespace colors
// "clNavy", "navy", "#000080" -> Color; unknown names throw DescriptionError.
Color ParseColor(std::string_view text);
std::string ColorName(Color c);
// The name, for failed checks and logs.
std::ostream& operator<<(std::ostream& os, Color c);

struct Font {
  std::string name;  // empty: inherited from the parent
  int height = 0;    // pixels; 0: inherited
  Color color = colors::Default;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  friend bool operator==(const Font&, const Font&) = default;
};

struct Bounds {
  int left = 0, top = 0, width = 0, height = 0;
  friend bool operator==(const Bounds&, const Bounds&) = default;
};

enum class Alignment { Left, Right, Center };

// What changed, for observers (the Qt front end).
enum class Prop {
  Caption, Text, Visible, Enabled, Bounds, Hint, Font, Color, Items, ItemIndex,
  Checked, Position, Range, Picture, TabIndex, Panels, ReadOnly, Alignment, Cursor,
  Focus, Other
};

class ControlObserver {
 public:
  virtual ~ControlObserver() = default;
  virtual void propertyChanged(Control& control, Prop prop) = 0;
};

using NotifyEvent = std::function<void(Control* sender)>;

class Control {
 public:
  Control(std::string type, std::string name);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& type() const { return type_; }
  const std::string& name() const { return name_; }

  Control* parent() const { return parent_; }
  const std::vector<Control*>& children() const { return children_; }
  Form* form() const { return form_; }
  // Attaches to a parent (and its form); the parent owns nothing, the form owns all.
  void setParent(Control* parent);

  const Bounds& bounds() const { return bounds_; }
  void setBounds(Bounds b);
  void setLeft(int v);
  void setTop(int v);
  void setWidth(int v);
  void setHeight(int v);

  bool visible() const { return visible_; }
  void setVisible(bool v);
  bool enabled() const { return enabled_; }
  void setEnabled(bool v);
  // Visible itself and every parent up to a shown form; a page of a page
  // control shows only while it is the active page.
  bool showing() const;
  // Enabled itself and every parent, the form included.
  bool effectivelyEnabled() const;
  // Only a showing, effectively enabled control takes user input.
  bool acceptsInput() const;

  const std::string& hint() const { return hint_; }
  void setHint(std::string h);

  const Font& font() const { return font_; }
  void setFont(Font f);
  void setFontColor(Color c);
  Color fontColor() const { return font_.color; }
  void setFontBold(bool bold);

  Color color() const { return color_; }
  void setColor(Color c);

  bool handCursor() const { return handCursor_; }
  void setHandCursor(bool v);

  // Whether the Tab key stops here (result boxes are skipped).
  bool tabStop() const { return tabStop_; }
  void setTabStop(bool v);

  int tag() const { return tag_; }
  void setTag(int t) { tag_ = t; }

  // Caption for labels, buttons, groups; text for edits. One slot.
  const std::string& caption() const { return caption_; }
  void setCaption(std::string c);

  NotifyEvent OnClick;
  NotifyEvent OnEnter;
  NotifyEvent OnExit;

  // User actions common to every control.
  void userClick();
  // Moves the keyboard focus here: the previous control's OnExit runs, then
  // this one's OnEnter. Returns false when the control cannot take the focus.
  bool userFocus();

 protected:
  // Whether a visible child is on screen; containers with pages say no for
  // the pages that are not active.
  virtual bool showsChild(const Control& child) const;
  void notify(Prop p);
  // Sets a property's field and notifies the observers when the value
  // changes; false when it was so already.
  template <class T, class V>
  bool changeProperty(T& field, V&& value, Prop p) {
    if (field == value) return false;
    field = std::forward<V>(value);
    notify(p);
    return true;
  }
  // Runs fn at an event boundary: errors end it and reach the error box.
  void runUserEvent(const std::function<void()>& fn);
  virtual void clicked();

 private:
  friend class Form;
  std::string type_;
  std::string name_;
  Control* parent_ = nullptr;
  Form* form_ = nullptr;
  std::vector<Control*> children_;
  Bounds bounds_;
  bool visible_ = true;
  bool enabled_ = true;
  bool handCursor_ = false;
  bool tabStop_ = true;
  int tag_ = 0;
  std::string hint_;
  Font font_;
  Color color_ = colors::Default;
  std::string caption_;
};

}  // namespace cq
