#include "platform/control_types.h"

#include <algorithm>
#include <array>
#include <nlohmann/json.hpp>
#include <vector>

#include "platform/button_group.h"
#include "platform/resources.h"

namespace cq {

namespace {

using nlohmann::json;

template <typename T>
Control& Create(Form& form, const std::string& name, Control* parent) {
  return form.create<T>(name, parent);
}

// An event slot from the member it fills; the row's class has the member.
template <auto Slot>
struct SlotOf;
template <class C, class E, E C::*Slot>
struct SlotOf<Slot> {
  static void bind(Control& control, const HandlerRegistry& handlers, const std::string& handler) {
    static_cast<C&>(control).*Slot = handlers.get<E>(handler);
  }
};
template <auto Slot>
constexpr EventSlot On(std::string_view name) {
  return {name, &SlotOf<Slot>::bind};
}

constexpr EventSlot kCommonEvents[] = {On<&Control::OnClick>("OnClick"), On<&Control::OnEnter>("OnEnter"),
                                       On<&Control::OnExit>("OnExit")};

constexpr std::string_view kLabelProperties[] = {"alignment", "wordWrap"};
void ReadLabel(Control& control, const json& j, DescriptionReader& reader) {
  auto& l = static_cast<Label&>(control);
  if (j.contains("alignment")) l.setAlignment(reader.alignment(j["alignment"]));
  if (j.contains("wordWrap")) l.setWordWrap(j["wordWrap"].get<bool>());
}

constexpr std::string_view kEditProperties[] = {"text", "readOnly", "maxLength", "alignment"};
constexpr EventSlot kEditEvents[] = {On<&KeyControl::OnKeyDown>("OnKeyDown"),
                                     On<&KeyControl::OnKeyPress>("OnKeyPress"), On<&Edit::OnChange>("OnChange")};
void ReadEdit(Control& control, const json& j, DescriptionReader& reader) {
  auto& e = static_cast<Edit&>(control);
  if (j.contains("text")) e.setText(j["text"].get<std::string>());
  if (j.contains("readOnly")) e.setReadOnly(j["readOnly"].get<bool>());
  // A read-only box (a result or a unit) shows and is never typed into:
  // Tab passes it by.
  if (e.readOnly() && !j.contains("tabStop")) e.setTabStop(false);
  if (j.contains("maxLength")) e.setMaxLength(j["maxLength"].get<int>());
  if (j.contains("alignment")) e.setAlignment(reader.alignment(j["alignment"]));
}

constexpr std::string_view kMemoProperties[] = {"text", "lines", "readOnly", "maxLength", "alignment", "wordWrap"};
void ReadMemo(Control& control, const json& j, DescriptionReader& reader) {
  ReadEdit(control, j, reader);
  auto& m = static_cast<Memo&>(control);
  if (j.contains("lines")) m.setLines(j["lines"].get<std::vector<std::string>>());
  if (j.contains("wordWrap")) m.setWordWrap(j["wordWrap"].get<bool>());
}

constexpr std::string_view kButtonProperties[] = {"glyph"};
void ReadButton(Control& control, const json& j, DescriptionReader&) {
  if (j.contains("glyph")) static_cast<Button&>(control).setGlyph(j["glyph"].get<std::string>());
}

constexpr std::string_view kCheckBoxProperties[] = {"checked"};
constexpr EventSlot kCheckBoxEvents[] = {On<&CheckBox::OnKeyPress>("OnKeyPress")};
void ReadCheckBox(Control& control, const json& j, DescriptionReader&) {
  if (j.contains("checked")) static_cast<CheckBox&>(control).setChecked(j["checked"].get<bool>());
}

constexpr std::string_view kRadioGroupProperties[] = {"items", "itemIndex", "columns"};
void ReadRadioGroup(Control& control, const json& j, DescriptionReader&) {
  auto& r = static_cast<RadioGroup&>(control);
  if (j.contains("items")) r.setItems(j["items"].get<std::vector<std::string>>());
  if (j.contains("columns")) r.setColumns(j["columns"].get<int>());
  if (j.contains("itemIndex")) r.setItemIndex(j["itemIndex"].get<int>());
}

constexpr std::string_view kComboBoxProperties[] = {"items", "itemIndex", "text", "dropDownCount"};
constexpr EventSlot kComboBoxEvents[] = {On<&KeyControl::OnKeyDown>("OnKeyDown"),
                                         On<&KeyControl::OnKeyPress>("OnKeyPress"),
                                         On<&ComboBox::OnChange>("OnChange")};
void ReadComboBox(Control& control, const json& j, DescriptionReader&) {
  auto& c = static_cast<ComboBox&>(control);
  if (j.contains("items")) c.setItems(j["items"].get<std::vector<std::string>>());
  if (j.contains("itemIndex")) c.setItemIndex(j["itemIndex"].get<int>());
  if (j.contains("text")) c.setText(j["text"].get<std::string>());
  if (j.contains("dropDownCount")) c.setDropDownCount(j["dropDownCount"].get<int>());
}

// The range with the class's default maximum when the description gives
// none; the position always, so it is clamped to the range.
template <int DefaultMax>
void ReadRange(Control& control, const json& j, DescriptionReader&) {
  auto& r = static_cast<RangedControl&>(control);
  r.setRange(j.value("min", 0), j.value("max", DefaultMax));
  r.setPosition(j.value("position", 0));
}

constexpr std::string_view kRangeProperties[] = {"min", "max", "position"};
constexpr EventSlot kTrackBarEvents[] = {On<&TrackBar::OnChange>("OnChange")};

constexpr std::string_view kUpDownProperties[] = {"min", "max", "position", "associate"};
// An up-down's click is its arrow's; it is never entered.
constexpr EventSlot kUpDownEvents[] = {On<&UpDown::OnChanging>("OnChanging"), On<&UpDown::OnClickButton>("OnClick"),
                                       On<&UpDown::OnExit>("OnExit")};
void ReadUpDown(Control& control, const json& j, DescriptionReader& reader) {
  ReadRange<100>(control, j, reader);
  auto& u = static_cast<UpDown&>(control);
  if (j.contains("associate")) reader.associateLater(u, j["associate"].get<std::string>(), u.position());
}

constexpr std::string_view kTabControlProperties[] = {"tabs", "tabIndex", "multiLine"};
constexpr EventSlot kTabControlEvents[] = {On<&TabControl::OnChange>("OnChange")};
void ReadTabControl(Control& control, const json& j, DescriptionReader&) {
  auto& t = static_cast<TabControl&>(control);
  if (j.contains("tabs")) t.setTabs(j["tabs"].get<std::vector<std::string>>());
  if (j.contains("multiLine")) t.setMultiLine(j["multiLine"].get<bool>());
  if (j.contains("tabIndex")) t.setTabIndex(j["tabIndex"].get<int>());
}

// The active page is one of the children, so it is read after them.
constexpr std::string_view kPageControlProperties[] = {"activePage"};
constexpr EventSlot kPageControlEvents[] = {On<&PageControl::OnChange>("OnChange")};
void ReadActivePage(Control& control, const json& j) {
  if (j.contains("activePage")) static_cast<PageControl&>(control).setActivePage(j["activePage"].get<int>());
}

constexpr std::string_view kImageProperties[] = {"picture", "stretch"};
void ReadImage(Control& control, const json& j, DescriptionReader& reader) {
  auto& i = static_cast<Image&>(control);
  if (j.contains("picture")) {
    std::string pic = j["picture"].get<std::string>();
    if (!hasResource(pic)) reader.fail(i.name() + ": missing picture " + pic);
    i.setPicture(pic);
  }
  if (j.contains("stretch")) i.setStretch(j["stretch"].get<bool>());
}

constexpr std::string_view kStatusBarProperties[] = {"panels", "autoHint"};
constexpr std::string_view kStatusPanelKeys[] = {"text", "width", "alignment", "bevel"};
void ReadStatusBar(Control& control, const json& j, DescriptionReader& reader) {
  auto& s = static_cast<StatusBar&>(control);
  std::vector<StatusPanel> panels;
  if (j.contains("panels"))
    for (const auto& p : j["panels"]) {
      reader.checkKeys(p, kStatusPanelKeys, s.name() + " panel");
      panels.push_back({p.value("text", std::string()), p.value("width", 50),
                        p.contains("alignment") ? reader.alignment(p["alignment"]) : Alignment::Left,
                        p.value("bevel", false)});
    }
  s.setPanels(std::move(panels));
  if (j.contains("autoHint")) s.setAutoHint(j["autoHint"].get<bool>());
}

constexpr std::string_view kTimerProperties[] = {"interval"};
constexpr EventSlot kTimerEvents[] = {On<&Timer::OnTimer>("OnTimer")};
void ReadTimer(Control& control, const json& j, DescriptionReader&) {
  if (j.contains("interval")) static_cast<Timer&>(control).setInterval(j["interval"].get<int>());
}

constexpr std::string_view kButtonGroupProperties[] = {"buttonHeight", "items"};
constexpr std::string_view kButtonGroupItemKeys[] = {"caption", "OnClick"};
void ReadButtonGroup(Control& control, const json& j, DescriptionReader& reader) {
  auto& g = static_cast<ButtonGroup&>(control);
  if (j.contains("buttonHeight")) g.setButtonHeight(j["buttonHeight"].get<int>());
  if (j.contains("items"))
    for (const auto& item : j["items"]) {
      reader.checkKeys(item, kButtonGroupItemKeys, g.name() + " item");
      g.addItem(item.value("caption", std::string()));
      if (item.contains("OnClick")) reader.bindItemClick(g, g.count() - 1, item["OnClick"].get<std::string>());
    }
}

constexpr EventSlot kFormEvents[] = {On<&Form::OnCreate>("OnCreate"), On<&Form::OnShow>("OnShow"),
                                     On<&Form::OnClose>("OnClose"), On<&Form::OnCloseQuery>("OnCloseQuery")};

// A shape is a plain control (its brush is its colour); a bitmap button is
// a button.
constexpr ControlType kControlTypes[] = {
    {.name = "Panel", .create = Create<Panel>},
    {.name = "Shape", .create = Create<Shape>},
    {.name = "GroupBox", .create = Create<GroupBox>},
    {.name = "Label", .create = Create<Label>, .properties = kLabelProperties, .read = ReadLabel},
    {.name = "Edit", .create = Create<Edit>, .properties = kEditProperties, .read = ReadEdit, .events = kEditEvents},
    {.name = "Memo", .create = Create<Memo>, .properties = kMemoProperties, .read = ReadMemo, .events = kEditEvents},
    {.name = "Button", .create = Create<Button>, .properties = kButtonProperties, .read = ReadButton},
    {.name = "BitBtn", .create = Create<Button>, .properties = kButtonProperties, .read = ReadButton},
    {.name = "CheckBox",
     .create = Create<CheckBox>,
     .properties = kCheckBoxProperties,
     .read = ReadCheckBox,
     .events = kCheckBoxEvents},
    {.name = "RadioGroup", .create = Create<RadioGroup>, .properties = kRadioGroupProperties, .read = ReadRadioGroup},
    {.name = "ComboBox",
     .create = Create<ComboBox>,
     .properties = kComboBoxProperties,
     .read = ReadComboBox,
     .events = kComboBoxEvents},
    {.name = "TrackBar",
     .create = Create<TrackBar>,
     .properties = kRangeProperties,
     .read = ReadRange<10>,
     .events = kTrackBarEvents},
    {.name = "UpDown",
     .create = Create<UpDown>,
     .properties = kUpDownProperties,
     .read = ReadUpDown,
     .events = kUpDownEvents,
     .commonEvents = false},
    {.name = "TabControl",
     .create = Create<TabControl>,
     .properties = kTabControlProperties,
     .read = ReadTabControl,
     .events = kTabControlEvents},
    {.name = "PageControl",
     .create = Create<PageControl>,
     .properties = kPageControlProperties,
     .readAfterChildren = ReadActivePage,
     .events = kPageControlEvents},
    {.name = "Image", .create = Create<Image>, .properties = kImageProperties, .read = ReadImage},
    {.name = "ProgressBar", .create = Create<ProgressBar>, .properties = kRangeProperties, .read = ReadRange<100>},
    {.name = "StatusBar", .create = Create<StatusBar>, .properties = kStatusBarProperties, .read = ReadStatusBar},
    {.name = "Timer", .create = Create<Timer>, .properties = kTimerProperties, .read = ReadTimer, .events = kTimerEvents},
    {.name = "ButtonGroup", .create = Create<ButtonGroup>, .properties = kButtonGroupProperties, .read = ReadButtonGroup},
    {.name = "Dialog", .create = Create<DialogComponent>},
};

constexpr ControlType kFormType{.name = "Form", .events = kFormEvents, .commonEvents = false};
constexpr ControlType kMenuItemType{.name = "MenuItem"};

const EventSlot* FindEvent(std::span<const EventSlot> slots, std::string_view event) {
  const auto it = std::find_if(slots.begin(), slots.end(), [&](const EventSlot& s) { return s.name == event; });
  return it == slots.end() ? nullptr : &*it;
}

}  // namespace

const ControlType* ControlTypeNamed(std::string_view name) {
  for (const ControlType& type : kControlTypes)
    if (type.name == name) return &type;
  return nullptr;
}

const ControlType& FormType() { return kFormType; }
const ControlType& MenuItemType() { return kMenuItemType; }

const EventSlot* EventOf(const ControlType& type, std::string_view event) {
  if (const EventSlot* own = FindEvent(type.events, event)) return own;
  return type.commonEvents ? FindEvent(kCommonEvents, event) : nullptr;
}

}  // namespace cq
