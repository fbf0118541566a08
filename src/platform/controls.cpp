#include "platform/controls.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <sstream>
#include <string_view>
#include <system_error>

#include "platform/form.h"
#include "platform/text_length.h"

namespace cq {

void Label::setAlignment(Alignment a) { changeProperty(alignment_, a, Prop::Alignment); }

void Label::setWordWrap(bool w) { changeProperty(wordWrap_, w, Prop::Other); }

char KeyControl::userKey(int key, char ch, ShiftState shift) {
  if (!acceptsInput()) return 0;
  if (OnKeyDown) runUserEvent([&] { OnKeyDown(this, key, shift); });
  if (ch == 0) return 0;
  char received = ch;
  bool ended = true;
  runUserEvent([&] {
    if (OnKeyPress) OnKeyPress(this, received);
    ended = false;
  });
  return ended ? 0 : received;
}

void Edit::setText(std::string t) {
  if (text() == t) return;
  setCaption(std::move(t));
  if (OnChange) OnChange(this);
}

void Edit::userSetText(std::string t) {
  if (!acceptsInput() || readOnly_) return;
  if (maxLength_ > 0) t = LeadingUtf16Units(t, maxLength_);
  runUserEvent([&] { setText(std::move(t)); });
}

void Edit::setReadOnly(bool r) { changeProperty(readOnly_, r, Prop::ReadOnly); }

void Edit::setAlignment(Alignment a) { changeProperty(alignment_, a, Prop::Alignment); }

std::vector<std::string> Memo::lines() const {
  std::vector<std::string> out;
  std::istringstream in(text());
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

void Memo::setLines(const std::vector<std::string>& lines) {
  std::string joined;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) joined += '\n';
    joined += lines[i];
  }
  setText(std::move(joined));
}

void Button::setGlyph(std::string g) { changeProperty(glyph_, std::move(g), Prop::Picture); }

void CheckBox::setChecked(bool c) {
  if (!changeProperty(checked_, c, Prop::Checked)) return;
  if (OnClick) OnClick(this);
}

void CheckBox::clicked() { setChecked(!checked_); }

char CheckBox::userKeyPress(char ch) {
  if (!acceptsInput()) return 0;
  char received = ch;
  bool ended = true;
  runUserEvent([&] {
    if (OnKeyPress) OnKeyPress(this, received);
    ended = false;
  });
  return ended ? 0 : received;
}

void RadioGroup::setItemIndex(int index) {
  if (index >= count()) index = count() - 1;
  if (index < -1) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  notify(Prop::ItemIndex);
  // The click comes from the button that gets checked; clearing the
  // selection checks none.
  if (itemIndex_ >= 0 && OnClick) OnClick(this);
}

void RadioGroup::clearItems() {
  bool hadItems = !items_.empty() || itemIndex_ != -1;
  items_.clear();
  itemIndex_ = -1;
  if (hadItems) notify(Prop::Items);
}

void RadioGroup::addItem(std::string item) {
  items_.push_back(std::move(item));
  notify(Prop::Items);
}

void RadioGroup::setItemText(int index, std::string item) {
  if (index < 0 || index >= count() || items_[static_cast<size_t>(index)] == item) return;
  items_[static_cast<size_t>(index)] = std::move(item);
  notify(Prop::Items);
}

void RadioGroup::setItems(std::vector<std::string> items) {
  clearItems();
  items_ = std::move(items);
  notify(Prop::Items);
}

void RadioGroup::setColumns(int c) { changeProperty(columns_, c, Prop::Items); }

void RadioGroup::userSelect(int index) {
  if (!acceptsInput() || index < 0 || index >= count() || index == itemIndex_) return;
  runUserEvent([&] { setItemIndex(index); });
}

void ComboBox::setItemIndex(int index) {
  if (index >= count() || index < -1) index = -1;
  itemIndex_ = index;
  setCaption(index >= 0 ? items_[static_cast<size_t>(index)] : std::string());
  notify(Prop::ItemIndex);
}

void ComboBox::setItems(std::vector<std::string> items) {
  items_ = std::move(items);
  itemIndex_ = -1;
  notify(Prop::Items);
}

void ComboBox::setText(std::string t) {
  auto it = std::find(items_.begin(), items_.end(), t);
  itemIndex_ = it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
  setCaption(std::move(t));
  notify(Prop::ItemIndex);
}

void ComboBox::userSelect(int index) {
  if (!acceptsInput() || index < 0 || index >= count()) return;
  runUserEvent([&] {
    setItemIndex(index);
    if (OnChange) OnChange(this);
  });
}

void RangedControl::setRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  notify(Prop::Range);
  setPosition(position_);
}

bool RangedControl::movePosition(int p) {
  p = std::clamp(p, min_, max_);
  if (p == position_) return false;
  position_ = p;
  notify(Prop::Position);
  return true;
}

void RangedControl::setPosition(int p) {
  if (movePosition(p)) positionChanged();
}

void TrackBar::positionChanged() {
  if (OnChange) OnChange(this);
}

void TrackBar::userSetPosition(int p) {
  if (!acceptsInput()) return;
  runUserEvent([&] { setPosition(p); });
}

void UpDown::setAssociate(Edit* e) {
  associate_ = e;
  writeBuddy();
}

void UpDown::writeBuddy() {
  if (associate_) associate_->setText(std::to_string(position()));
}

namespace {
// The buddy's text as the arrows read it: leading blanks, an optional sign
// and digits; an empty text is 0. Anything else is no position.
std::optional<int> buddyPosition(std::string_view text) {
  if (text.empty()) return 0;
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  std::string number;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    if (text.front() == '-') number += '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  number += text;
  int value = 0;
  const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (ec != std::errc() || end != number.data() + number.size()) return std::nullopt;
  return value;
}
}  // namespace

void UpDown::userClick(UpDownButton button) {
  if (!acceptsInput()) return;
  if (associate_) {
    // A text outside the range is not taken either: the last position stays.
    const auto typed = buddyPosition(associate_->text());
    if (typed && *typed >= min() && *typed <= max()) movePosition(*typed);
  }
  // The notification before the step, the step with its buddy text, and
  // the notification after it reach the program as separate events.
  bool allow = true;
  if (OnChanging) runUserEvent([&] { OnChanging(this, allow); });
  if (allow) {
    if (movePosition(position() + (button == UpDownButton::Up ? 1 : -1))) runUserEvent([this] { writeBuddy(); });
  }
  if (OnClickButton) runUserEvent([&] { OnClickButton(this, button); });
}

void TabControl::setTabs(std::vector<std::string> tabs) {
  tabs_ = std::move(tabs);
  if (tabIndex_ >= static_cast<int>(tabs_.size())) tabIndex_ = static_cast<int>(tabs_.size()) - 1;
  notify(Prop::Items);
}

void TabControl::setTabIndex(int index) {
  if (index < -1 || index >= static_cast<int>(tabs_.size())) return;
  if (index == tabIndex_) return;
  tabIndex_ = index;
  notify(Prop::TabIndex);
}

void TabControl::userSelect(int index) {
  if (!acceptsInput() || index < 0 || index >= static_cast<int>(tabs_.size()) || index == tabIndex_) return;
  runUserEvent([&] {
    setTabIndex(index);
    if (OnChange) OnChange(this);
  });
}

void PageControl::setActivePage(int index) {
  if (index < 0 || index >= static_cast<int>(children().size()) || index == activePage_) return;
  activePage_ = index;
  notify(Prop::TabIndex);
}

bool PageControl::showsChild(const Control& child) const {
  const auto& pages = children();
  const auto it = std::find(pages.begin(), pages.end(), &child);
  return it != pages.end() && it - pages.begin() == activePage_;
}

void PageControl::userSelect(int index) {
  if (!acceptsInput() || index < 0 || index >= static_cast<int>(children().size()) || index == activePage_) return;
  runUserEvent([&] {
    setActivePage(index);
    if (OnChange) OnChange(this);
  });
}

void Image::setPicture(std::string p) { changeProperty(picture_, std::move(p), Prop::Picture); }

void StatusBar::setPanels(std::vector<StatusPanel> panels) {
  panels_ = std::move(panels);
  notify(Prop::Panels);
}

void StatusBar::setPanelText(int index, std::string text) {
  if (index < 0 || index >= static_cast<int>(panels_.size())) return;
  auto& p = panels_[static_cast<size_t>(index)];
  if (p.text == text) return;
  p.text = std::move(text);
  notify(Prop::Panels);
}

void StatusBar::setPanelAlignment(int index, Alignment a) {
  if (index < 0 || index >= static_cast<int>(panels_.size())) return;
  auto& p = panels_[static_cast<size_t>(index)];
  if (p.alignment == a) return;
  p.alignment = a;
  notify(Prop::Panels);
}

void Timer::setInterval(int ms) { changeProperty(interval_, ms, Prop::Other); }

void Timer::tick() {
  if (!enabled() || !OnTimer) return;
  runUserEvent([this] { OnTimer(this); });
}

bool MenuItem::selectable() const {
  for (const Control* c = this; c && c->type() != "Form"; c = c->parent())
    if (!c->visible() || !c->enabled()) return false;
  if (form() && !form()->enabled()) return false;
  return !isSeparator();
}

void MenuItem::userChoose() {
  if (!selectable()) return;
  runUserEvent([this] {
    if (OnClick) OnClick(this);
  });
}

}  // namespace cq
