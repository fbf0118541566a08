#pragma once
// Concrete controls. Every setter that changes a value runs the control's
// change or click handler only when the value really changes; user entry
// points (user*) run at an event boundary and only while the control takes
// input.
#include <string>
#include <vector>

#include "platform/control.h"

namespace cq {

enum class ShiftState : unsigned { None = 0, Shift = 1, Ctrl = 2, Alt = 4 };
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyDown = 40;

using KeyEvent = std::function<void(Control* sender, int& key, ShiftState shift)>;
using KeyPressEvent = std::function<void(Control* sender, char& key)>;

class Panel : public Control {
 public:
  explicit Panel(std::string name) : Control("Panel", std::move(name)) {}
};

class GroupBox : public Control {
 public:
  explicit GroupBox(std::string name) : Control("GroupBox", std::move(name)) {}
};

class Label : public Control {
 public:
  explicit Label(std::string name) : Control("Label", std::move(name)) {}
  Alignment alignment() const { return alignment_; }
  void setAlignment(Alignment a);
  bool wordWrap() const { return wordWrap_; }
  void setWordWrap(bool w);

 private:
  Alignment alignment_ = Alignment::Left;
  bool wordWrap_ = false;
};

// Edits, memos and combo boxes take keystrokes.
class KeyControl : public Control {
 public:
  using Control::Control;
  KeyEvent OnKeyDown;
  KeyPressEvent OnKeyPress;
  // The key-down handler first, then the key-press handler for keys that
  // carry a character. They are two events: an error in the key-down
  // handler ends that handler only, and the key press still follows.
  // Returns the character the control receives (0 when a handler
  // swallowed it or ended with an error), or 0 when the control does not
  // take input.
  char userKey(int key, char ch, ShiftState shift = ShiftState::None);
  // Enter: key code 13 with the carriage return.
  char userPressEnter(ShiftState shift = ShiftState::None) { return userKey(kKeyEnter, '\r', shift); }
};

class Edit : public KeyControl {
 public:
  explicit Edit(std::string name, std::string type = "Edit") : KeyControl(std::move(type), std::move(name)) {}
  const std::string& text() const { return caption(); }
  // Runs OnChange when the text changes.
  void setText(std::string t);
  // The user replaced the text by typing. The max length cuts typing only
  // and counts UTF-16 code units, whole characters only.
  void userSetText(std::string t);
  bool readOnly() const { return readOnly_; }
  void setReadOnly(bool r);
  int maxLength() const { return maxLength_; }
  void setMaxLength(int m) { maxLength_ = m; }
  Alignment alignment() const { return alignment_; }
  void setAlignment(Alignment a);
  NotifyEvent OnChange;

 private:
  bool readOnly_ = false;
  int maxLength_ = 0;
  Alignment alignment_ = Alignment::Left;
};

class Memo : public Edit {
 public:
  explicit Memo(std::string name) : Edit(std::move(name), "Memo") {}
  std::vector<std::string> lines() const;
  void setLines(const std::vector<std::string>& lines);
  bool wordWrap() const { return wordWrap_; }
  void setWordWrap(bool w) { wordWrap_ = w; }

 private:
  bool wordWrap_ = true;
};

class Button : public Control {
 public:
  explicit Button(std::string name, std::string type = "Button") : Control(std::move(type), std::move(name)) {}
  // Picture resource shown on the button (help and "!" buttons).
  const std::string& glyph() const { return glyph_; }
  void setGlyph(std::string g);

 private:
  std::string glyph_;
};

class CheckBox : public Control {
 public:
  explicit CheckBox(std::string name) : Control("CheckBox", std::move(name)) {}
  bool checked() const { return checked_; }
  // Runs OnClick when the state changes.
  void setChecked(bool c);
  // Key-press handler slot (Enter swallowed on some boxes).
  KeyPressEvent OnKeyPress;
  char userKeyPress(char ch);

 protected:
  void clicked() override;

 private:
  bool checked_ = false;
};

class RadioGroup : public Control {
 public:
  explicit RadioGroup(std::string name) : Control("RadioGroup", std::move(name)) {}
  const std::vector<std::string>& items() const { return items_; }
  int count() const { return static_cast<int>(items_.size()); }
  int itemIndex() const { return itemIndex_; }
  // An index past the last item selects the last one; below 0 selects none.
  // Runs OnClick when another item becomes selected; a selection cleared
  // to none selects no item and so runs nothing.
  void setItemIndex(int index);
  // Empties the items and leaves no item selected; runs nothing.
  void clearItems();
  void addItem(std::string item);
  void setItemText(int index, std::string item);
  // Clears and adds, selecting nothing.
  void setItems(std::vector<std::string> items);
  int columns() const { return columns_; }
  void setColumns(int c);
  // A click on an item other than the selected one selects it.
  void userSelect(int index);

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  int columns_ = 1;
};

class ComboBox : public KeyControl {
 public:
  explicit ComboBox(std::string name) : KeyControl("ComboBox", std::move(name)) {}
  const std::vector<std::string>& items() const { return items_; }
  int count() const { return static_cast<int>(items_.size()); }
  int itemIndex() const { return itemIndex_; }
  const std::string& text() const { return caption(); }
  // From code: no handler runs.
  void setItemIndex(int index);
  void setItems(std::vector<std::string> items);
  void setText(std::string t);
  // The user's choice runs OnChange.
  void userSelect(int index);
  int dropDownCount() const { return dropDownCount_; }
  void setDropDownCount(int n) { dropDownCount_ = n; }
  NotifyEvent OnChange;

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  int dropDownCount_ = 8;
};

// A filled square; its brush is the control's colour.
class Shape : public Control {
 public:
  explicit Shape(std::string name) : Control("Shape", std::move(name)) {}
  Color brush() const { return color(); }
  void setBrush(Color c) { setColor(c); }
};

// A position inside a range, as the track bar, the up-down and the progress
// bar keep it.
class RangedControl : public Control {
 public:
  int min() const { return min_; }
  int max() const { return max_; }
  int position() const { return position_; }
  // A maximum below the minimum is the minimum; the position is clamped.
  void setRange(int min, int max);
  // Clamped to the range; positionChanged() runs when the position changes.
  void setPosition(int p);

 protected:
  RangedControl(std::string type, std::string name, int max)
      : Control(std::move(type), std::move(name)), max_(max) {}
  // Moves to the clamped position and notifies the observers, running no
  // handler; false when the position stays.
  bool movePosition(int p);
  virtual void positionChanged() = 0;

 private:
  int min_ = 0, max_, position_ = 0;
};

class TrackBar : public RangedControl {
 public:
  explicit TrackBar(std::string name) : RangedControl("TrackBar", std::move(name), 10) {}
  // setPosition runs OnChange when the position changes.
  void userSetPosition(int p);
  NotifyEvent OnChange;

 private:
  void positionChanged() override;
};

enum class UpDownButton { Up, Down };
using UpDownChangingEvent = std::function<void(Control* sender, bool& allowChange)>;
using UpDownClickEvent = std::function<void(Control* sender, UpDownButton button)>;

class UpDown : public RangedControl {
 public:
  explicit UpDown(std::string name) : RangedControl("UpDown", std::move(name), 100) {}
  // setPosition from code writes the position into the buddy; no handler
  // runs.
  Edit* associate() const { return associate_; }
  void setAssociate(Edit* e);
  // One arrow click: the position is taken from the buddy's text when it
  // holds an integer inside the range (an empty text counts as 0), else the
  // last position stays. Then three events in turn, an error ending only
  // its own: OnChanging; the step, which at the end of the range changes
  // nothing, and the buddy's new text (its OnChange runs); OnClick, which
  // runs whether or not the position moved.
  void userClick(UpDownButton button);
  UpDownChangingEvent OnChanging;
  UpDownClickEvent OnClickButton;

 private:
  void positionChanged() override { writeBuddy(); }
  void writeBuddy();
  Edit* associate_ = nullptr;
};

class TabControl : public Control {
 public:
  explicit TabControl(std::string name) : Control("TabControl", std::move(name)) {}
  const std::vector<std::string>& tabs() const { return tabs_; }
  void setTabs(std::vector<std::string> tabs);
  int tabIndex() const { return tabIndex_; }
  // From code: no handler runs.
  void setTabIndex(int index);
  // The user's choice of another tab runs OnChange.
  void userSelect(int index);
  bool multiLine() const { return multiLine_; }
  void setMultiLine(bool m) { multiLine_ = m; }
  NotifyEvent OnChange;

 private:
  std::vector<std::string> tabs_;
  int tabIndex_ = -1;
  bool multiLine_ = true;
};

// A page control: each child control is a page; one is active.
class PageControl : public Control {
 public:
  explicit PageControl(std::string name) : Control("PageControl", std::move(name)) {}
  int activePage() const { return activePage_; }
  void setActivePage(int index);
  void userSelect(int index);
  NotifyEvent OnChange;

 protected:
  // Only the active page is on screen.
  bool showsChild(const Control& child) const override;

 private:
  int activePage_ = 0;
};

class Image : public Control {
 public:
  explicit Image(std::string name) : Control("Image", std::move(name)) {}
  // Resource path of the picture, for example "pictures/via.svg".
  const std::string& picture() const { return picture_; }
  void setPicture(std::string p);
  bool stretch() const { return stretch_; }
  void setStretch(bool s) { stretch_ = s; }

 private:
  std::string picture_;
  bool stretch_ = false;
};

class ProgressBar : public RangedControl {
 public:
  explicit ProgressBar(std::string name) : RangedControl("ProgressBar", std::move(name), 100) {}

 private:
  void positionChanged() override {}
};

struct StatusPanel {
  std::string text;
  int width = 50;
  Alignment alignment = Alignment::Left;
  bool bevel = false;
  friend bool operator==(const StatusPanel&, const StatusPanel&) = default;
};

class StatusBar : public Control {
 public:
  explicit StatusBar(std::string name) : Control("StatusBar", std::move(name)) {}
  const std::vector<StatusPanel>& panels() const { return panels_; }
  void setPanels(std::vector<StatusPanel> panels);
  void setPanelText(int index, std::string text);
  void setPanelAlignment(int index, Alignment a);
  bool autoHint() const { return autoHint_; }
  void setAutoHint(bool a) { autoHint_ = a; }

 private:
  std::vector<StatusPanel> panels_;
  bool autoHint_ = false;
};

class Timer : public Control {
 public:
  explicit Timer(std::string name) : Control("Timer", std::move(name)) {}
  int interval() const { return interval_; }
  void setInterval(int ms);
  bool timerEnabled() const { return enabled(); }
  // One tick, at an event boundary.
  void tick();
  NotifyEvent OnTimer;

 private:
  int interval_ = 1000;
};

class MenuItem : public Control {
 public:
  explicit MenuItem(std::string name, std::string type = "MenuItem") : Control(std::move(type), std::move(name)) {}
  bool isSeparator() const { return caption() == "-"; }
  // Menu items follow their parents' visibility and enablement but need no
  // shown form of their own to be chosen.
  bool selectable() const;
  void userChoose();
};

class MainMenu : public MenuItem {
 public:
  explicit MainMenu(std::string name) : MenuItem(std::move(name), "MainMenu") {}
};

// Platform dialog stand-in (printer setup); shown through the Printer service.
class DialogComponent : public Control {
 public:
  explicit DialogComponent(std::string name) : Control("Dialog", std::move(name)) {}
};

}  // namespace cq
