#include "platform/form_loader.h"

#include <algorithm>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <unordered_map>
#include <vector>

#include "platform/application.h"
#include "platform/button_group.h"
#include "platform/control_types.h"
#include "platform/resources.h"

namespace cq {

namespace {

using nlohmann::json;

struct PendingBinding {
  Control* control;
  const ControlType* type;
  std::string event;
  std::string handler;
  std::string where;
};

struct PendingItemClick {
  ButtonGroup* group;
  int index;
  std::string handler;
  std::string where;
};

struct PendingAssociate {
  UpDown* upDown;
  std::string buddy;
  int position;
};

json parseDescription(std::string_view where, std::string_view text) {
  try {
    return json::parse(text);
  } catch (const json::exception& e) {
    throw DescriptionError(std::string(where) + ": " + e.what());
  }
}

// A handler looked up, its fault named with the description that asked.
template <typename Lookup>
auto WithWhere(const std::string& where, Lookup lookup) {
  try {
    return lookup();
  } catch (const DescriptionError& e) {
    throw DescriptionError(where + ": " + e.what());
  }
}

class Loader final : public DescriptionReader {
 public:
  Loader(Form& form, const HandlerRegistry& handlers) : form_(form), handlers_(handlers) {}

  void loadFile(std::string_view path, bool isRoot) { load(path, parseDescription(path, resource(path)), isRoot); }

  void load(std::string_view path, const json& doc, bool isRoot) {
    where_ = std::string(path);
    try {
      apply(doc, isRoot);
    } catch (const json::exception& e) {
      // A value of the wrong kind ("visible": "yes") is a description fault too.
      fail(e.what());
    }
  }

  void apply(const json& doc, bool isRoot) {
    static const std::set<std::string> rootKeys = {"name", "class", "caption", "clientWidth", "clientHeight",
                                                   "borderStyle", "maximizeBox", "minimizeBox", "closeBox", "centered",
                                                   "font", "color", "hint", "handCursor", "events", "include", "controls",
                                                   "bindings", "menu", "comment"};
    static const std::set<std::string> partKeys = {"include", "controls", "bindings", "comment"};
    checkKeys(doc, isRoot ? rootKeys : partKeys, "document");
    if (isRoot) applyForm(doc);
    if (doc.contains("controls"))
      for (const auto& c : doc["controls"]) createControl(c, nullptr);
    if (doc.contains("bindings"))
      for (const auto& [name, events] : doc["bindings"].items()) {
        Control& c = form_.control(name);
        for (const auto& [event, handler] : events.items())
          bindings_.push_back({&c, typeOf(c), event, handler.get<std::string>(), where_});
      }
    if (doc.contains("include"))
      for (const auto& inc : doc["include"]) {
        std::string saved = where_;
        loadFile(inc.get<std::string>(), false);
        where_ = saved;
      }
  }

  void finish() {
    for (const auto& a : associates_) {
      a.upDown->setAssociate(&form_.edit(a.buddy));
      a.upDown->setPosition(a.position);
    }
    for (const auto& b : bindings_) bind(b);
    for (const auto& i : itemClicks_)
      i.group->setItemClick(i.index, WithWhere(i.where, [&] { return handlers_.get<NotifyEvent>(i.handler); }));
  }

  // DescriptionReader
  [[noreturn]] void fail(const std::string& what) const override { throw DescriptionError(where_ + ": " + what); }

  void checkKeys(const json& j, std::span<const std::string_view> allowed, const std::string& what) const override {
    checkKeys(j, {}, what, allowed);
  }

  void associateLater(UpDown& upDown, std::string buddy, int position) override {
    associates_.push_back({&upDown, std::move(buddy), position});
  }

  void bindItemClick(ButtonGroup& group, int index, std::string handler) override {
    itemClicks_.push_back({&group, index, std::move(handler), where_});
  }

  Alignment alignment(const json& j) const override {
    const std::string a = j.get<std::string>();
    if (a == "left") return Alignment::Left;
    if (a == "right") return Alignment::Right;
    if (a == "center") return Alignment::Center;
    fail("unknown alignment " + a);
  }

 private:
  // Keys of allowed or of extra: a control's own keys beside the common ones.
  void checkKeys(const json& j, const std::set<std::string>& allowed, const std::string& what,
                 std::span<const std::string_view> extra = {}) const {
    if (!j.is_object()) fail(what + " is not an object");
    for (const auto& [key, value] : j.items())
      if (!allowed.count(key) && std::find(extra.begin(), extra.end(), key) == extra.end())
        fail(what + ": unknown property " + key);
  }

  Font font(const json& j, Font f) const {
    static const std::set<std::string> fontKeys = {"name", "height", "color", "bold", "italic", "underline"};
    checkKeys(j, fontKeys, "font");
    if (j.contains("name")) f.name = j["name"].get<std::string>();
    if (j.contains("height")) f.height = j["height"].get<int>();
    if (j.contains("color")) f.color = ParseColor(j["color"].get<std::string>());
    if (j.contains("bold")) f.bold = j["bold"].get<bool>();
    if (j.contains("italic")) f.italic = j["italic"].get<bool>();
    if (j.contains("underline")) f.underline = j["underline"].get<bool>();
    return f;
  }

  void applyCommon(Control& c, const ControlType& type, const json& j) {
    if (j.contains("bounds")) {
      const auto& b = j["bounds"];
      if (!b.is_array() || b.size() != 4) fail(c.name() + ": bounds must be [left, top, width, height]");
      c.setBounds({b[0].get<int>(), b[1].get<int>(), b[2].get<int>(), b[3].get<int>()});
    }
    if (j.contains("visible")) c.setVisible(j["visible"].get<bool>());
    if (j.contains("enabled")) c.setEnabled(j["enabled"].get<bool>());
    if (j.contains("hint")) c.setHint(j["hint"].get<std::string>());
    if (j.contains("caption")) c.setCaption(j["caption"].get<std::string>());
    if (j.contains("font")) c.setFont(font(j["font"], c.font()));
    if (j.contains("color")) c.setColor(ParseColor(j["color"].get<std::string>()));
    if (j.contains("handCursor")) c.setHandCursor(j["handCursor"].get<bool>());
    if (j.contains("tabStop")) c.setTabStop(j["tabStop"].get<bool>());
    if (j.contains("tag")) c.setTag(j["tag"].get<int>());
    if (j.contains("events"))
      for (const auto& [event, handler] : j["events"].items())
        bindings_.push_back({&c, &type, event, handler.get<std::string>(), where_});
  }

  void applyForm(const json& j) {
    if (j.contains("clientWidth") || j.contains("clientHeight"))
      form_.setBounds({0, 0, j.value("clientWidth", 0), j.value("clientHeight", 0)});
    if (j.contains("borderStyle")) {
      const std::string b = j["borderStyle"].get<std::string>();
      static const std::map<std::string, BorderStyle, std::less<>> styles = {
          {"sizeable", BorderStyle::Sizeable}, {"single", BorderStyle::Single},
          {"dialog", BorderStyle::Dialog}, {"none", BorderStyle::None}};
      const auto style = styles.find(b);
      if (style == styles.end()) fail("unknown border style " + b);
      form_.setBorderStyle(style->second);
    }
    if (j.contains("maximizeBox")) form_.setMaximizeBox(j["maximizeBox"].get<bool>());
    if (j.contains("minimizeBox")) form_.setMinimizeBox(j["minimizeBox"].get<bool>());
    if (j.contains("closeBox")) form_.setCloseBox(j["closeBox"].get<bool>());
    if (j.contains("centered")) form_.setCentered(j["centered"].get<bool>());
    // The properties every control has, without a copy of the controls.
    static const std::set<std::string> formOnly = {"name",        "class",       "clientWidth", "clientHeight",
                                                   "borderStyle", "maximizeBox", "minimizeBox", "closeBox",
                                                   "centered",    "include",     "controls",    "bindings",    "menu", "comment"};
    json common = json::object();
    for (const auto& [key, value] : j.items())
      if (!formOnly.count(key)) common[key] = value;
    types_.emplace(&form_, &FormType());
    applyCommon(form_, FormType(), common);
    if (j.contains("menu")) {
      const json& description = j["menu"];
      static const std::set<std::string> menuKeys = {"name", "items"};
      checkKeys(description, menuKeys, "menu");
      auto& menu = form_.create<MainMenu>(description.at("name").get<std::string>());
      types_.emplace(&menu, &MenuItemType());
      form_.setMenu(&menu);
      if (description.contains("items"))
        for (const auto& item : description["items"]) createMenuItem(item, &menu);
    }
  }

  void createMenuItem(const json& j, Control* parent) {
    static const std::set<std::string> itemKeys = {"name", "caption", "visible", "enabled", "hint", "events", "items"};
    checkKeys(j, itemKeys, "menu item");
    auto& item = form_.create<MenuItem>(j.at("name").get<std::string>(), parent);
    types_.emplace(&item, &MenuItemType());
    applyCommon(item, MenuItemType(), j);
    if (j.contains("items"))
      for (const auto& child : j["items"]) createMenuItem(child, &item);
  }

  void createControl(const json& j, Control* enclosing) {
    if (!j.is_object() || !j.contains("type") || !j.contains("name")) fail("control without type or name");
    const std::string type = j["type"].get<std::string>();
    const std::string name = j["name"].get<std::string>();
    Control* parent = enclosing;
    if (j.contains("parent")) parent = &form_.control(j["parent"].get<std::string>());

    const ControlType* row = ControlTypeNamed(type);
    if (!row) fail(name + ": unknown control type " + type);
    static const std::set<std::string> common = {"type", "name", "parent", "bounds", "visible", "enabled", "hint",
                                                 "caption", "font", "color", "handCursor", "tabStop", "tag", "events",
                                                 "controls", "comment"};
    checkKeys(j, common, name, row->properties);
    Control& created = row->create(form_, name, parent);
    types_.emplace(&created, row);
    if (row->read) row->read(created, j, *this);
    applyCommon(created, *row, j);
    if (j.contains("controls"))
      for (const auto& child : j["controls"]) createControl(child, &created);
    if (row->readAfterChildren) row->readAfterChildren(created, j);
  }

  const ControlType* typeOf(const Control& c) const {
    const auto it = types_.find(&c);
    return it == types_.end() ? nullptr : it->second;
  }

  void bind(const PendingBinding& b) {
    const EventSlot* slot = b.type ? EventOf(*b.type, b.event) : nullptr;
    if (!slot) throw DescriptionError(b.where + ": " + b.control->name() + " has no event " + b.event);
    WithWhere(b.where, [&] { slot->bind(*b.control, handlers_, b.handler); });
  }

  Form& form_;
  const HandlerRegistry& handlers_;
  std::string where_;
  std::vector<PendingBinding> bindings_;
  std::vector<PendingItemClick> itemClicks_;
  std::vector<PendingAssociate> associates_;
  std::unordered_map<const Control*, const ControlType*> types_;
};

}  // namespace

std::unique_ptr<Form> LoadFormText(Application& app, std::string_view where, std::string_view text,
                                   const HandlerRegistry& handlers) {
  const json head = parseDescription(where, text);
  if (!head.is_object() || !head.contains("name") || !head.contains("class") || !head["name"].is_string() ||
      !head["class"].is_string())
    throw DescriptionError(std::string(where) + ": form needs name and class");
  auto form = std::make_unique<Form>(app, head["name"].get<std::string>(), head["class"].get<std::string>());
  Loader loader(*form, handlers);
  loader.load(where, head, true);
  loader.finish();
  return form;
}

std::unique_ptr<Form> LoadForm(Application& app, std::string_view resourcePath, const HandlerRegistry& handlers) {
  return LoadFormText(app, resourcePath, resource(resourcePath), handlers);
}

}  // namespace cq
