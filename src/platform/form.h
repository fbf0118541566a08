#pragma once
// A top-level window: owns its controls, finds them by name and tells its
// observers about every property write.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/errors.h"

namespace cq {

enum class BorderStyle { Sizeable, Single, Dialog, None };

using CloseQueryEvent = std::function<void(Form* sender, bool& canClose)>;

class Form : public Control {
 public:
  Form(Application& app, std::string name, std::string className);
  ~Form() override;

  Application& app() const { return app_; }
  const std::string& className() const { return className_; }

  // Creates a control owned by this form, attached to parent (or the form).
  template <typename T>
  T& create(const std::string& name, Control* parent = nullptr) {
    auto owned = std::make_unique<T>(name);
    T& ref = *owned;
    adopt(std::move(owned), parent);
    return ref;
  }
  Control& adopt(std::unique_ptr<Control> control, Control* parent);

  Control* find(const std::string& name) const;
  // Typed lookups: an unknown name or a control of another type throws
  // DescriptionError, so a mistyped name fails at start-up.
  Control& control(const std::string& name) const;
  template <typename T>
  T& get(const std::string& name) const {
    Control& c = control(name);
    if (auto* t = dynamic_cast<T*>(&c)) return *t;
    throw DescriptionError(className_ + ": control " + name + " is a " + c.type());
  }
  Edit& edit(const std::string& n) const { return get<Edit>(n); }
  Label& label(const std::string& n) const { return get<Label>(n); }
  RadioGroup& radio(const std::string& n) const { return get<RadioGroup>(n); }
  CheckBox& checkBox(const std::string& n) const { return get<CheckBox>(n); }
  ComboBox& comboBox(const std::string& n) const { return get<ComboBox>(n); }
  Button& button(const std::string& n) const { return get<Button>(n); }
  GroupBox& groupBox(const std::string& n) const { return get<GroupBox>(n); }
  Image& image(const std::string& n) const { return get<Image>(n); }
  MenuItem& menuItem(const std::string& n) const { return get<MenuItem>(n); }
  UpDown& upDown(const std::string& n) const { return get<UpDown>(n); }
  TrackBar& trackBar(const std::string& n) const { return get<TrackBar>(n); }

  // Controls in creation order (parents before children).
  const std::vector<Control*>& allControls() const { return order_; }

  int clientWidth() const { return bounds().width; }
  int clientHeight() const { return bounds().height; }
  BorderStyle borderStyle() const { return borderStyle_; }
  void setBorderStyle(BorderStyle b) { borderStyle_ = b; }
  bool maximizeBox() const { return maximizeBox_; }
  void setMaximizeBox(bool m) { maximizeBox_ = m; }
  bool minimizeBox() const { return minimizeBox_; }
  void setMinimizeBox(bool m) { minimizeBox_ = m; }
  // Without it the title bar has no buttons: the window's own buttons close it.
  bool closeBox() const { return closeBox_; }
  void setCloseBox(bool c) { closeBox_ = c; }
  bool centered() const { return centered_; }
  void setCentered(bool c) { centered_ = c; }
  MainMenu* menu() const { return menu_; }
  void setMenu(MainMenu* m) { menu_ = m; }

  // Runs OnCreate once the window is built, at an event boundary: an error
  // ends the handler and reaches the error box, and the window stays.
  void runCreateHandler();
  // Shows the window; the first showing (and every showing after a hide)
  // runs OnShow at an event boundary.
  void show();
  // Asks OnCloseQuery, hides the window and runs OnClose. Returns whether
  // it closed.
  bool close();
  // The user's close box.
  void userClose();

  Control* focused() const { return focused_; }
  void setFocused(Control* c);

  void addObserver(ControlObserver* o);
  void removeObserver(ControlObserver* o);
  void notifyObservers(Control& c, Prop p);

  NotifyEvent OnCreate;
  NotifyEvent OnShow;
  NotifyEvent OnClose;
  CloseQueryEvent OnCloseQuery;

 private:
  Application& app_;
  std::string className_;
  std::vector<std::unique_ptr<Control>> owned_;
  std::vector<Control*> order_;
  std::map<std::string, Control*, std::less<>> byName_;
  std::vector<ControlObserver*> observers_;
  Control* focused_ = nullptr;
  MainMenu* menu_ = nullptr;
  BorderStyle borderStyle_ = BorderStyle::Sizeable;
  bool maximizeBox_ = true;
  bool minimizeBox_ = true;
  bool closeBox_ = true;
  bool centered_ = false;
};

}  // namespace cq
