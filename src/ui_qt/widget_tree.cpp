#include "ui_qt/widget_tree.h"

#include <QCoreApplication>
#include <QWidget>
#include <algorithm>
#include <utility>

#include "ui_qt/reading_order.h"

namespace cq::ui {

bool ShownInModel(const Control& control) {
  if (!control.visible()) return false;
  auto* pages = dynamic_cast<const PageControl*>(control.parent());
  if (!pages) return true;
  const auto& siblings = pages->children();
  return std::find(siblings.begin(), siblings.end(), &control) - siblings.begin() == pages->activePage();
}

const ViewEntry* WidgetTree::entryOf(const Control& control) const {
  auto it = entries_.find(&control);
  return it == entries_.end() ? nullptr : &it->second;
}

QWidget* WidgetTree::parentWidgetOf(const Control& control) const {
  const Control* p = control.parent();
  if (!p || p == &form_) return &client_;
  const ViewEntry* e = entryOf(*p);
  return e ? e->widget : nullptr;
}

const Control* WidgetTree::deferredRootOf(const Control& control) const {
  const Control* root = nullptr;
  for (const Control* c = &control; c && c != &form_; c = c->parent())
    if (deferred_.count(c)) root = c;
  return root;
}

void WidgetTree::buildContents() {
  if (built_) return;
  built_ = true;
  // Containers the user cannot see (the pages of the calculators not
  // chosen) get their widgets when they are first shown.
  build(form_, true);
}

void WidgetTree::buildFor(const Control& control) {
  buildContents();
  while (!entryOf(control)) {
    const Control* root = deferredRootOf(control);
    if (!root) return;
    deferred_.erase(root);
    build(*root, false);
  }
}

void WidgetTree::buildShownPages(const Control& pageControl) {
  for (Control* page : pageControl.children())
    if (deferred_.count(page) && ShownInModel(*page)) buildFor(*page);
}

void WidgetTree::changedWithoutWidget(Control& control, Prop prop) {
  if (deferred_.count(&control)) {
    if (prop == Prop::Visible && ShownInModel(control)) buildFor(control);
    return;
  }
  if (deferredRootOf(control)) return;
  // A control created after the window was built.
  if (maker_.makeWidget(control)) {
    maker_.showState(control, *entryOf(control));
    if (control.parent()) stackGraphicControls(*control.parent());
  }
}

void WidgetTree::build(const Control& root, bool deferHidden) {
  auto inside = [&root](const Control* c) {
    for (; c; c = c->parent())
      if (c == &root) return true;
    return false;
  };
  std::vector<Control*> created;
  if (&root != &form_) {
    // The root first: its children need it as their parent.
    auto& self = const_cast<Control&>(root);
    if (maker_.makeWidget(self)) {
      created.push_back(&self);
      keepStackingOrder(self);
    }
  }
  for (Control* c : form_.allControls()) {
    if (c == &root || !inside(c) || deferredRootOf(*c)) continue;
    if (deferHidden && AdapterFor(*c) && !ShownInModel(*c)) {
      deferred_.insert(c);
      continue;
    }
    if (maker_.makeWidget(*c)) created.push_back(c);
  }
  stackGraphicControls(root.parent() ? *root.parent() : root);
  stackGraphicControls(root);
  for (Control* c : created) {
    maker_.showState(*c, *entryOf(*c));
    stackGraphicControls(*c);
  }
  orderFocusChain();
  // Made inside a window already on screen: their layouts settle before
  // the frame is drawn, as they would have when the window was shown.
  if (maker_.windowShown()) settleLayouts(created);
  if (Control* focused = form_.focused())
    if (const ViewEntry* e = entryOf(*focused)) maker_.showFocus(*focused, *e);
}

void WidgetTree::settleLayouts(const std::vector<Control*>& created) {
  std::vector<QObject*> objects;
  const std::unordered_set<const Control*> made(created.begin(), created.end());
  for (Control* c : created) {
    if (made.count(c->parent())) continue;  // reached through its parent
    QWidget* w = entryOf(*c)->widget;
    objects.push_back(w);
    for (QObject* child : w->findChildren<QObject*>()) objects.push_back(child);
  }
  // A layout that settles asks its parent to settle again: twice is enough.
  for (int pass = 0; pass < 2; ++pass)
    for (QObject* o : objects) QCoreApplication::sendPostedEvents(o, 0);
}

void WidgetTree::keepStackingOrder(const Control& control) {
  // Under the siblings made after it, as if it had been made with them.
  const auto& siblings = control.parent()->children();
  auto it = std::find(siblings.begin(), siblings.end(), &control);
  for (++it; it != siblings.end(); ++it)
    if (const ViewEntry* e = entryOf(**it); e && !e->adapter->graphic) {
      entryOf(control)->widget->stackUnder(e->widget);
      return;
    }
}

void WidgetTree::stackGraphicControls(const Control& parent) {
  // Labels and pictures draw on their parent, beneath every windowed
  // sibling, in creation order among themselves.
  const auto& children = parent.children();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    const ViewEntry* e = entryOf(**it);
    if (e && e->adapter->graphic) e->widget->lower();
  }
}

void WidgetTree::orderFocusChain() {
  std::vector<QWidget*> chain;
  appendInReadingOrder(form_, chain);
  if (chain == chain_) return;
  chain_ = std::move(chain);
  for (size_t i = 1; i < chain_.size(); ++i) QWidget::setTabOrder(chain_[i - 1], chain_[i]);
}

void WidgetTree::appendInReadingOrder(const Control& container, std::vector<QWidget*>& chain) const {
  // A container's own widget before what it holds (a tab strip before its
  // pages), and each child with all it holds before the next.
  for (Control* c : InReadingOrder(container.children())) {
    if (const ViewEntry* e = entryOf(*c)) {
      if (e->adapter->focusParts) {
        for (QWidget* part : e->adapter->focusParts(*e->widget)) chain.push_back(part);
      } else if (e->widget->focusPolicy() != Qt::NoFocus) {
        chain.push_back(e->widget);
      }
    }
    appendInReadingOrder(*c, chain);
  }
}

}  // namespace cq::ui
