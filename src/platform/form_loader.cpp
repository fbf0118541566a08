#include "platform/form_loader.h"

#include <algorithm>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <vector>

#include "platform/application.h"
#include "platform/button_group.h"
#include "platform/resources.h"

namespace cq {

namespace {

using nlohmann::json;

struct PendingBinding {
  Control* control;
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

class Loader {
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
        for (const auto& [event, handler] : events.items()) bindings_.push_back({&c, event, handler.get<std::string>(), where_});
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
    for (const auto& b : bindings_) bind(*b.control, b.event, b.handler, b.where);
    for (const auto& i : itemClicks_) i.group->setItemClick(i.index, handler<NotifyEvent>(i.handler, i.where));
  }

 private:
  [[noreturn]] void fail(const std::string& what) const { throw DescriptionError(where_ + ": " + what); }

  // Keys of allowed or of extra: a control's own keys beside the common ones.
  void checkKeys(const json& j, const std::set<std::string>& allowed, const std::string& what,
                 std::initializer_list<std::string_view> extra = {}) const {
    if (!j.is_object()) fail(what + " is not an object");
    for (const auto& [key, value] : j.items())
      if (!allowed.count(key) && std::find(extra.begin(), extra.end(), key) == extra.end())
        fail(what + ": unknown property " + key);
  }

  Alignment alignment(const json& j) const {
    const std::string a = j.get<std::string>();
    if (a == "left") return Alignment::Left;
    if (a == "right") return Alignment::Right;
    if (a == "center") return Alignment::Center;
    fail("unknown alignment " + a);
  }

  Font font(const json& j, Font f) const {
    checkKeys(j, {"name", "height", "color", "bold", "italic", "underline"}, "font");
    if (j.contains("name")) f.name = j["name"].get<std::string>();
    if (j.contains("height")) f.height = j["height"].get<int>();
    if (j.contains("color")) f.color = ParseColor(j["color"].get<std::string>());
    if (j.contains("bold")) f.bold = j["bold"].get<bool>();
    if (j.contains("italic")) f.italic = j["italic"].get<bool>();
    if (j.contains("underline")) f.underline = j["underline"].get<bool>();
    return f;
  }

  void applyCommon(Control& c, const json& j) {
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
        bindings_.push_back({&c, event, handler.get<std::string>(), where_});
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
    applyCommon(form_, common);
    if (j.contains("menu")) {
      const json& description = j["menu"];
      checkKeys(description, {"name", "items"}, "menu");
      auto& menu = form_.create<MainMenu>(description.at("name").get<std::string>());
      form_.setMenu(&menu);
      if (description.contains("items"))
        for (const auto& item : description["items"]) createMenuItem(item, &menu);
    }
  }

  void createMenuItem(const json& j, Control* parent) {
    checkKeys(j, {"name", "caption", "visible", "enabled", "hint", "events", "items"}, "menu item");
    auto& item = form_.create<MenuItem>(j.at("name").get<std::string>(), parent);
    applyCommon(item, j);
    if (j.contains("items"))
      for (const auto& child : j["items"]) createMenuItem(child, &item);
  }

  template <typename T>
  T& make(const std::string& name, Control* parent) {
    return form_.create<T>(name, parent);
  }

  void createControl(const json& j, Control* enclosing) {
    if (!j.is_object() || !j.contains("type") || !j.contains("name")) fail("control without type or name");
    const std::string type = j["type"].get<std::string>();
    const std::string name = j["name"].get<std::string>();
    Control* parent = enclosing;
    if (j.contains("parent")) parent = &form_.control(j["parent"].get<std::string>());

    static const std::set<std::string> common = {"type", "name", "parent", "bounds", "visible", "enabled", "hint",
                                                 "caption", "font", "color", "handCursor", "tabStop", "tag", "events",
                                                 "controls", "comment"};
    auto allowed = [&](std::initializer_list<std::string_view> extra) { checkKeys(j, common, name, extra); };

    Control* created = nullptr;
    if (type == "Panel") {
      allowed({});
      created = &make<Panel>(name, parent);
    } else if (type == "Shape") {
      allowed({});
      created = &make<Shape>(name, parent);
    } else if (type == "GroupBox") {
      allowed({});
      created = &make<GroupBox>(name, parent);
    } else if (type == "Label") {
      allowed({"alignment", "wordWrap"});
      auto& l = make<Label>(name, parent);
      if (j.contains("alignment")) l.setAlignment(alignment(j["alignment"]));
      if (j.contains("wordWrap")) l.setWordWrap(j["wordWrap"].get<bool>());
      created = &l;
    } else if (type == "Edit") {
      allowed({"text", "readOnly", "maxLength", "alignment"});
      auto& e = make<Edit>(name, parent);
      applyEdit(e, j);
      created = &e;
    } else if (type == "Memo") {
      allowed({"text", "lines", "readOnly", "maxLength", "alignment", "wordWrap"});
      auto& m = make<Memo>(name, parent);
      applyEdit(m, j);
      if (j.contains("lines")) m.setLines(j["lines"].get<std::vector<std::string>>());
      if (j.contains("wordWrap")) m.setWordWrap(j["wordWrap"].get<bool>());
      created = &m;
    } else if (type == "Button" || type == "BitBtn") {
      allowed({"glyph"});
      auto& b = form_.create<Button>(name, parent);
      if (j.contains("glyph")) b.setGlyph(j["glyph"].get<std::string>());
      created = &b;
    } else if (type == "CheckBox") {
      allowed({"checked"});
      auto& c = make<CheckBox>(name, parent);
      if (j.contains("checked")) c.setChecked(j["checked"].get<bool>());
      created = &c;
    } else if (type == "RadioGroup") {
      allowed({"items", "itemIndex", "columns"});
      auto& r = make<RadioGroup>(name, parent);
      if (j.contains("items")) r.setItems(j["items"].get<std::vector<std::string>>());
      if (j.contains("columns")) r.setColumns(j["columns"].get<int>());
      if (j.contains("itemIndex")) r.setItemIndex(j["itemIndex"].get<int>());
      created = &r;
    } else if (type == "ComboBox") {
      allowed({"items", "itemIndex", "text", "dropDownCount"});
      auto& c = make<ComboBox>(name, parent);
      if (j.contains("items")) c.setItems(j["items"].get<std::vector<std::string>>());
      if (j.contains("itemIndex")) c.setItemIndex(j["itemIndex"].get<int>());
      if (j.contains("text")) c.setText(j["text"].get<std::string>());
      if (j.contains("dropDownCount")) c.setDropDownCount(j["dropDownCount"].get<int>());
      created = &c;
    } else if (type == "TrackBar") {
      allowed({"min", "max", "position"});
      auto& t = make<TrackBar>(name, parent);
      t.setRange(j.value("min", 0), j.value("max", 10));
      t.setPosition(j.value("position", 0));
      created = &t;
    } else if (type == "UpDown") {
      allowed({"min", "max", "position", "associate"});
      auto& u = make<UpDown>(name, parent);
      u.setRange(j.value("min", 0), j.value("max", 100));
      u.setPosition(j.value("position", 0));
      if (j.contains("associate")) associates_.push_back({&u, j["associate"].get<std::string>(), u.position()});
      created = &u;
    } else if (type == "TabControl") {
      allowed({"tabs", "tabIndex", "multiLine"});
      auto& t = make<TabControl>(name, parent);
      if (j.contains("tabs")) t.setTabs(j["tabs"].get<std::vector<std::string>>());
      if (j.contains("multiLine")) t.setMultiLine(j["multiLine"].get<bool>());
      if (j.contains("tabIndex")) t.setTabIndex(j["tabIndex"].get<int>());
      created = &t;
    } else if (type == "PageControl") {
      allowed({"activePage"});
      created = &make<PageControl>(name, parent);
    } else if (type == "Image") {
      allowed({"picture", "stretch"});
      auto& i = make<Image>(name, parent);
      if (j.contains("picture")) {
        std::string pic = j["picture"].get<std::string>();
        if (!hasResource(pic)) fail(name + ": missing picture " + pic);
        i.setPicture(pic);
      }
      if (j.contains("stretch")) i.setStretch(j["stretch"].get<bool>());
      created = &i;
    } else if (type == "ProgressBar") {
      allowed({"min", "max", "position"});
      auto& p = make<ProgressBar>(name, parent);
      p.setRange(j.value("min", 0), j.value("max", 100));
      p.setPosition(j.value("position", 0));
      created = &p;
    } else if (type == "StatusBar") {
      allowed({"panels", "autoHint"});
      auto& s = make<StatusBar>(name, parent);
      std::vector<StatusPanel> panels;
      if (j.contains("panels"))
        for (const auto& p : j["panels"]) {
          checkKeys(p, {"text", "width", "alignment", "bevel"}, name + " panel");
          panels.push_back({p.value("text", std::string()), p.value("width", 50),
                            p.contains("alignment") ? alignment(p["alignment"]) : Alignment::Left,
                            p.value("bevel", false)});
        }
      s.setPanels(std::move(panels));
      if (j.contains("autoHint")) s.setAutoHint(j["autoHint"].get<bool>());
      created = &s;
    } else if (type == "Timer") {
      allowed({"interval"});
      auto& t = make<Timer>(name, parent);
      if (j.contains("interval")) t.setInterval(j["interval"].get<int>());
      created = &t;
    } else if (type == "ButtonGroup") {
      allowed({"buttonHeight", "items"});
      auto& g = make<ButtonGroup>(name, parent);
      if (j.contains("buttonHeight")) g.setButtonHeight(j["buttonHeight"].get<int>());
      if (j.contains("items"))
        for (const auto& item : j["items"]) {
          checkKeys(item, {"caption", "OnClick"}, name + " item");
          g.addItem(item.value("caption", std::string()));
          if (item.contains("OnClick")) itemClicks_.push_back({&g, g.count() - 1, item["OnClick"].get<std::string>(), where_});
        }
      created = &g;
    } else if (type == "Dialog") {
      allowed({});
      created = &make<DialogComponent>(name, parent);
    } else {
      fail(name + ": unknown control type " + type);
    }
    applyCommon(*created, j);
    if (type == "PageControl" && j.contains("activePage")) pendingPages_.push_back({created, j["activePage"].get<int>()});
    if (j.contains("controls"))
      for (const auto& child : j["controls"]) createControl(child, created);
    for (auto it = pendingPages_.begin(); it != pendingPages_.end();)
      if (it->first == created) {
        static_cast<PageControl*>(created)->setActivePage(it->second);
        it = pendingPages_.erase(it);
      } else {
        ++it;
      }
  }

  void applyEdit(Edit& e, const json& j) {
    if (j.contains("text")) e.setText(j["text"].get<std::string>());
    if (j.contains("readOnly")) e.setReadOnly(j["readOnly"].get<bool>());
    // A read-only box (a result or a unit) shows and is never typed into:
    // Tab passes it by.
    if (e.readOnly() && !j.contains("tabStop")) e.setTabStop(false);
    if (j.contains("maxLength")) e.setMaxLength(j["maxLength"].get<int>());
    if (j.contains("alignment")) e.setAlignment(alignment(j["alignment"]));
  }

  template <typename T>
  const T& handler(const std::string& name, const std::string& where) const {
    try {
      return handlers_.get<T>(name);
    } catch (const DescriptionError& e) {
      throw DescriptionError(where + ": " + e.what());
    }
  }

  void bind(Control& c, const std::string& event, const std::string& name, const std::string& where) {
    auto bad = [&] { throw DescriptionError(where + ": " + c.name() + " has no event " + event); };
    if (auto* f = dynamic_cast<Form*>(&c)) {
      if (event == "OnCreate") f->OnCreate = handler<NotifyEvent>(name, where);
      else if (event == "OnShow") f->OnShow = handler<NotifyEvent>(name, where);
      else if (event == "OnClose") f->OnClose = handler<NotifyEvent>(name, where);
      else if (event == "OnCloseQuery") f->OnCloseQuery = handler<CloseQueryEvent>(name, where);
      else bad();
      return;
    }
    if (auto* u = dynamic_cast<UpDown*>(&c)) {
      if (event == "OnChanging") u->OnChanging = handler<UpDownChangingEvent>(name, where);
      else if (event == "OnClick") u->OnClickButton = handler<UpDownClickEvent>(name, where);
      else if (event == "OnExit") u->OnExit = handler<NotifyEvent>(name, where);
      else bad();
      return;
    }
    if (event == "OnClick") { c.OnClick = handler<NotifyEvent>(name, where); return; }
    if (event == "OnEnter") { c.OnEnter = handler<NotifyEvent>(name, where); return; }
    if (event == "OnExit") { c.OnExit = handler<NotifyEvent>(name, where); return; }
    if (auto* k = dynamic_cast<KeyControl*>(&c)) {
      if (event == "OnKeyDown") { k->OnKeyDown = handler<KeyEvent>(name, where); return; }
      if (event == "OnKeyPress") { k->OnKeyPress = handler<KeyPressEvent>(name, where); return; }
    }
    if (auto* e = dynamic_cast<Edit*>(&c); e && event == "OnChange") { e->OnChange = handler<NotifyEvent>(name, where); return; }
    if (auto* cb = dynamic_cast<ComboBox*>(&c); cb && event == "OnChange") { cb->OnChange = handler<NotifyEvent>(name, where); return; }
    if (auto* ch = dynamic_cast<CheckBox*>(&c); ch && event == "OnKeyPress") { ch->OnKeyPress = handler<KeyPressEvent>(name, where); return; }
    if (auto* t = dynamic_cast<TrackBar*>(&c); t && event == "OnChange") { t->OnChange = handler<NotifyEvent>(name, where); return; }
    if (auto* t = dynamic_cast<TabControl*>(&c); t && event == "OnChange") { t->OnChange = handler<NotifyEvent>(name, where); return; }
    if (auto* p = dynamic_cast<PageControl*>(&c); p && event == "OnChange") { p->OnChange = handler<NotifyEvent>(name, where); return; }
    if (auto* t = dynamic_cast<Timer*>(&c); t && event == "OnTimer") { t->OnTimer = handler<NotifyEvent>(name, where); return; }
    bad();
  }

  Form& form_;
  const HandlerRegistry& handlers_;
  std::string where_;
  std::vector<PendingBinding> bindings_;
  std::vector<PendingItemClick> itemClicks_;
  std::vector<PendingAssociate> associates_;
  std::vector<std::pair<Control*, int>> pendingPages_;
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
