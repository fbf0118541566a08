#include "ui_qt/button_group_widget.h"

#include <QApplication>
#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace cq::ui {

ButtonGroupWidget::ButtonGroupWidget(QWidget* parent) : QScrollArea(parent) {
  setFrameShape(QFrame::StyledPanel);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setWidgetResizable(true);
  content_ = new QWidget;
  auto* column = new QVBoxLayout(content_);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addStretch(1);
  setWidget(content_);
  mark_ = new QFrame(content_);
  mark_->setFrameShape(QFrame::HLine);
  mark_->setLineWidth(2);
  mark_->hide();
}

void ButtonGroupWidget::setItems(const QStringList& captions, int buttonHeight) {
  auto* column = static_cast<QVBoxLayout*>(content_->layout());
  if (static_cast<int>(captions.size()) != count()) {
    endDrag();
    for (QPushButton* b : buttons_) delete b;
    buttons_.clear();
    for (int i = 0; i < captions.size(); ++i) {
      auto* b = new QPushButton(content_);
      b->setAutoDefault(false);
      b->installEventFilter(this);
      connect(b, &QPushButton::clicked, this, [this, b] { emit itemClicked(indexOf(b)); });
      column->insertWidget(i, b);
      buttons_.push_back(b);
    }
  }
  for (int i = 0; i < count(); ++i) {
    buttons_[static_cast<size_t>(i)]->setText(captions[i]);
    buttons_[static_cast<size_t>(i)]->setFixedHeight(buttonHeight);
  }
}

int ButtonGroupWidget::indexOf(const QObject* button) const {
  const auto it = std::find(buttons_.begin(), buttons_.end(), button);
  return it == buttons_.end() ? -1 : static_cast<int>(it - buttons_.begin());
}

int ButtonGroupWidget::placeAt(QPoint global) const {
  const int y = content_->mapFromGlobal(global).y();
  int place = 0;
  for (int i = 0; i < count(); ++i)
    if (buttons_[static_cast<size_t>(i)]->geometry().top() <= y) place = i;
  return place;
}

void ButtonGroupWidget::markPlace(int place) {
  const QRect target = buttons_[static_cast<size_t>(place)]->geometry();
  // Dropped below its own place, the item lands under the target; above, over it.
  const int y = place > dragFrom_ ? target.bottom() : target.top();
  mark_->setGeometry(0, std::max(0, y - 1), content_->width(), 3);
  mark_->raise();
  mark_->show();
  ensureVisible(0, y, 0, target.height());
}

void ButtonGroupWidget::endDrag() {
  if (dragFrom_ >= 0 && dragFrom_ < count()) buttons_[static_cast<size_t>(dragFrom_)]->unsetCursor();
  dragFrom_ = -1;
  dragging_ = false;
  mark_->hide();
}

bool ButtonGroupWidget::eventFilter(QObject* watched, QEvent* event) {
  const int index = indexOf(watched);
  if (index < 0) return QScrollArea::eventFilter(watched, event);
  auto* button = buttons_[static_cast<size_t>(index)];
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton) {
        dragFrom_ = index;
        dragging_ = false;
        pressedAt_ = mouse->globalPosition().toPoint();
      }
      return false;
    }
    case QEvent::MouseMove: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (dragFrom_ < 0 || !(mouse->buttons() & Qt::LeftButton)) return false;
      const QPoint at = mouse->globalPosition().toPoint();
      if (!dragging_ && (at - pressedAt_).manhattanLength() < QApplication::startDragDistance()) return false;
      if (!dragging_) {
        dragging_ = true;
        button->setDown(false);
        button->setCursor(Qt::ClosedHandCursor);
      }
      markPlace(placeAt(at));
      return true;
    }
    case QEvent::MouseButtonRelease: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton || !dragging_) {
        endDrag();
        return false;
      }
      const int from = dragFrom_;
      const int to = placeAt(mouse->globalPosition().toPoint());
      button->setDown(false);
      endDrag();
      // Swallowed: a drag is no click.
      if (to != from) emit itemMoved(from, to);
      return true;
    }
    default: return false;
  }
}

}  // namespace cq::ui
