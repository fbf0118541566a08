#pragma once
// A button group on screen: full-width buttons in a column that scrolls
// when they do not fit. A click reports its item; pressing an item and
// moving the mouse past the drag distance drags it instead, with a line
// marking where it will land, and the release reports the move.
#include <QScrollArea>
#include <QStringList>
#include <vector>

class QFrame;
class QPushButton;

namespace cq::ui {

class ButtonGroupWidget : public QScrollArea {
  Q_OBJECT

 public:
  explicit ButtonGroupWidget(QWidget* parent = nullptr);
  // Keeps the buttons while their number stays, so that an item moved
  // during a drag does not pull its button away under the mouse.
  void setItems(const QStringList& captions, int buttonHeight);
  int count() const { return static_cast<int>(buttons_.size()); }
  QPushButton* button(int index) const { return buttons_.at(static_cast<size_t>(index)); }
  bool dragging() const { return dragFrom_ >= 0 && dragging_; }

 signals:
  void itemClicked(int index);
  void itemMoved(int from, int to);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int indexOf(const QObject* button) const;
  // The item whose place the mouse is over, clamped to the first and last.
  int placeAt(QPoint global) const;
  void markPlace(int place);
  void endDrag();

  QWidget* content_ = nullptr;
  QFrame* mark_ = nullptr;
  std::vector<QPushButton*> buttons_;
  int dragFrom_ = -1;
  QPoint pressedAt_;
  bool dragging_ = false;
};

}  // namespace cq::ui
