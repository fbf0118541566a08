#include "platform/form.h"

#include <algorithm>

#include "platform/application.h"

namespace cq {

Form::Form(Application& app, std::string name, std::string className)
    : Control("Form", std::move(name)), app_(app), className_(std::move(className)) {
  form_ = this;
  visible_ = false;
  byName_[this->name()] = this;
}

Form::~Form() {
  observers_.clear();
  focused_ = nullptr;
}

Control& Form::adopt(std::unique_ptr<Control> control, Control* parent) {
  if (control->name().empty()) throw DescriptionError(className_ + ": control without a name");
  if (byName_.count(control->name())) throw DescriptionError(className_ + ": duplicate control " + control->name());
  Control& ref = *control;
  ref.form_ = this;
  ref.setParent(parent ? parent : this);
  byName_[ref.name()] = &ref;
  order_.push_back(&ref);
  owned_.push_back(std::move(control));
  return ref;
}

Control* Form::find(const std::string& name) const {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

Control& Form::control(const std::string& name) const {
  if (Control* c = find(name)) return *c;
  throw DescriptionError(className_ + ": unknown control " + name);
}

void Form::runCreateHandler() {
  if (OnCreate) app_.runEvent([this] { OnCreate(this); });
}

void Form::show() {
  if (visible()) return;
  setVisible(true);
  if (OnShow) app_.runEvent([this] { OnShow(this); });
}

bool Form::close() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  if (!canClose) return false;
  setVisible(false);
  if (OnClose) OnClose(this);
  if (app_.mainForm() == this) app_.terminate();
  return true;
}

void Form::userClose() {
  if (!visible()) return;
  app_.runEvent([this] { close(); });
}

void Form::setFocused(Control* c) {
  if (focused_ == c) return;
  Control* previous = focused_;
  focused_ = c;
  if (previous) {
    previous->notify(Prop::Focus);
    if (previous->OnExit) app_.runEvent([previous] { previous->OnExit(previous); });
  }
  if (c) {
    c->notify(Prop::Focus);
    if (c->OnEnter) app_.runEvent([c] { c->OnEnter(c); });
  }
}

void Form::addObserver(ControlObserver* o) { observers_.push_back(o); }

void Form::removeObserver(ControlObserver* o) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), o), observers_.end());
}

void Form::notifyObservers(Control& c, Prop p) {
  // Observers may detach while being told; iterate over a copy.
  auto copy = observers_;
  for (ControlObserver* o : copy) o->propertyChanged(c, p);
}

}  // namespace cq
