#include "platform/controls.h"

#include <algorithm>
#include <sstream>

#include "platform/form.h"
#include "platform/numbers.h"

namespace cq {

void Label::setAlignment(Alignment a) {
  if (alignment_ == a) return;
  alignment_ = a;
  notify(Prop::Alignment);
}

void Label::setWordWrap(bool w) {
  if (wordWrap_ == w) return;
  wordWrap_ = w;
  notify(Prop::Other);
}

char KeyControl::userKey(int key, char ch, ShiftState shift) {
  if (!acceptsInput()) return 0;
  char received = ch;
  bool ended = true;
  runUserEvent([&] {
    if (OnKeyDown) OnKeyDown(this, key, shift);
    if (received != 0 && OnKeyPress) OnKeyPress(this, received);
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
  if (maxLength_ > 0 && static_cast<int>(t.size()) > maxLength_) t.resize(static_cast<size_t>(maxLength_));
  runUserEvent([&] { setText(std::move(t)); });
}

void Edit::setReadOnly(bool r) {
  if (readOnly_ == r) return;
  readOnly_ = r;
  notify(Prop::ReadOnly);
}

void Edit::setAlignment(Alignment a) {
  if (alignment_ == a) return;
  alignment_ = a;
  notify(Prop::Alignment);
}

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

void Button::setGlyph(std::string g) {
  if (glyph_ == g) return;
  glyph_ = std::move(g);
  notify(Prop::Picture);
}

void CheckBox::setChecked(bool c) {
  if (checked_ == c) return;
  checked_ = c;
  notify(Prop::Checked);
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
  if (OnClick) OnClick(this);
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

void RadioGroup::setColumns(int c) {
  if (columns_ == c) return;
  columns_ = c;
  notify(Prop::Items);
}

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

void TrackBar::setRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  notify(Prop::Range);
  setPosition(position_);
}

void TrackBar::setPosition(int p) {
  p = std::clamp(p, min_, max_);
  if (p == position_) return;
  position_ = p;
  notify(Prop::Position);
  if (OnChange) OnChange(this);
}

void TrackBar::userSetPosition(int p) {
  if (!acceptsInput()) return;
  runUserEvent([&] { setPosition(p); });
}

void UpDown::setRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  notify(Prop::Range);
  setPosition(position_);
}

void UpDown::setPosition(int p) {
  p = std::clamp(p, min_, max_);
  if (p == position_) return;
  position_ = p;
  notify(Prop::Position);
  writeBuddy();
}

void UpDown::setAssociate(Edit* e) {
  associate_ = e;
  writeBuddy();
}

void UpDown::writeBuddy() {
  if (associate_) associate_->setText(std::to_string(position_));
}

void UpDown::userClick(UpDownButton button) {
  if (!acceptsInput()) return;
  runUserEvent([&] {
    if (associate_) {
      try {
        position_ = std::clamp(TextToInt(associate_->text()), min_, max_);
      } catch (const ConvertError&) {
        // A buddy text that is no integer leaves the last position.
      }
    }
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    if (allow) {
      int next = std::clamp(position_ + (button == UpDownButton::Up ? 1 : -1), min_, max_);
      if (next != position_) {
        position_ = next;
        notify(Prop::Position);
      }
      writeBuddy();
    }
    if (OnClickButton) OnClickButton(this, button);
  });
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

void PageControl::userSelect(int index) {
  if (!acceptsInput() || index < 0 || index >= static_cast<int>(children().size()) || index == activePage_) return;
  runUserEvent([&] {
    setActivePage(index);
    if (OnChange) OnChange(this);
  });
}

void Image::setPicture(std::string p) {
  if (picture_ == p) return;
  picture_ = std::move(p);
  notify(Prop::Picture);
}

void ProgressBar::setRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  notify(Prop::Range);
  setPosition(position_);
}

void ProgressBar::setPosition(int p) {
  p = std::clamp(p, min_, max_);
  if (p == position_) return;
  position_ = p;
  notify(Prop::Position);
}

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

void Timer::setInterval(int ms) {
  if (interval_ == ms) return;
  interval_ = ms;
  notify(Prop::Other);
}

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
