#include "platform/control.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <ostream>

#include "platform/application.h"
#include "platform/errors.h"
#include "platform/form.h"

namespace cq {

namespace {
const std::map<std::string, Color, std::less<>>& namedColors() {
  static const std::map<std::string, Color, std::less<>> names = {
      {"default", colors::Default}, {"black", colors::Black}, {"navy", colors::Navy},
      {"red", colors::Red},         {"green", colors::Green}, {"blue", colors::Blue},
      {"maroon", colors::Maroon},   {"white", colors::White}, {"gray", colors::Gray},
      {"yellow", colors::Yellow},   {"lime", colors::Lime},
      {"windowtext", colors::Default}, {"btnface", colors::Default},
  };
  return names;
}
}  // namespace

Color ParseColor(std::string_view text) {
  std::string key(text);
  if (key.size() > 2 && key[0] == 'c' && key[1] == 'l') key = key.substr(2);
  std::transform(key.begin(), key.end(), key.begin(), [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
  if (key.size() == 7 && key[0] == '#') {
    try {
      return Color{static_cast<std::uint32_t>(std::stoul(key.substr(1), nullptr, 16))};
    } catch (const std::exception&) {
    }
  }
  auto it = namedColors().find(key);
  if (it == namedColors().end()) throw DescriptionError("unknown colour: " + std::string(text));
  return it->second;
}

std::string ColorName(Color c) {
  for (const auto& [name, value] : namedColors())
    if (value == c) return name;
  static const char* hex = "0123456789abcdef";
  std::string s = "#000000";
  for (int i = 0; i < 6; ++i) s[static_cast<size_t>(6 - i)] = hex[(c.value >> (4 * i)) & 0xF];
  return s;
}

std::ostream& operator<<(std::ostream& os, Color c) { return os << ColorName(c); }

Control::Control(std::string type, std::string name) : type_(std::move(type)), name_(std::move(name)) {}

Control::~Control() = default;

void Control::setParent(Control* parent) {
  if (parent_ == parent) return;
  if (parent_) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  parent_ = parent;
  if (parent_) parent_->children_.push_back(this);
}

void Control::notify(Prop p) {
  if (form_) form_->notifyObservers(*this, p);
}

void Control::setBounds(Bounds b) { changeProperty(bounds_, b, Prop::Bounds); }
void Control::setLeft(int v) { setBounds({v, bounds_.top, bounds_.width, bounds_.height}); }
void Control::setTop(int v) { setBounds({bounds_.left, v, bounds_.width, bounds_.height}); }
void Control::setWidth(int v) { setBounds({bounds_.left, bounds_.top, v, bounds_.height}); }
void Control::setHeight(int v) { setBounds({bounds_.left, bounds_.top, bounds_.width, v}); }

void Control::setVisible(bool v) { changeProperty(visible_, v, Prop::Visible); }

void Control::setEnabled(bool v) { changeProperty(enabled_, v, Prop::Enabled); }

bool Control::showing() const {
  for (const Control* c = this; c; c = c->parent_) {
    if (!c->visible_) return false;
    if (c->parent_ && !c->parent_->showsChild(*c)) return false;
  }
  return true;
}

bool Control::showsChild(const Control&) const { return true; }

bool Control::effectivelyEnabled() const {
  for (const Control* c = this; c; c = c->parent_)
    if (!c->enabled_) return false;
  return true;
}

bool Control::acceptsInput() const { return showing() && effectivelyEnabled(); }

void Control::setHint(std::string h) { changeProperty(hint_, std::move(h), Prop::Hint); }

void Control::setFont(Font f) { changeProperty(font_, std::move(f), Prop::Font); }

void Control::setFontColor(Color c) { changeProperty(font_.color, c, Prop::Font); }

void Control::setFontBold(bool bold) { changeProperty(font_.bold, bold, Prop::Font); }

void Control::setColor(Color c) { changeProperty(color_, c, Prop::Color); }

void Control::setTabStop(bool v) { changeProperty(tabStop_, v, Prop::Other); }

void Control::setHandCursor(bool v) { changeProperty(handCursor_, v, Prop::Cursor); }

void Control::setCaption(std::string c) {
  if (caption_ == c) return;
  caption_ = std::move(c);
  notify(type_ == "Edit" || type_ == "Memo" || type_ == "ComboBox" ? Prop::Text : Prop::Caption);
}

void Control::runUserEvent(const std::function<void()>& fn) {
  if (form_)
    form_->app().runEvent(fn);
  else
    fn();
}

void Control::clicked() {
  if (OnClick) OnClick(this);
}

void Control::userClick() {
  if (!acceptsInput()) return;
  runUserEvent([this] { clicked(); });
}

bool Control::userFocus() {
  if (!acceptsInput() || !form_) return false;
  form_->setFocused(this);
  return true;
}

}  // namespace cq
