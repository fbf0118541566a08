#pragma once
// Tabs in several rows, as the desktop framework's multi-line tab control
// draws them: rows fill the width, the selected tab's row sits next to the
// page, hovering highlights a tab. The widget is the whole tab control: the
// tab rows on top and the page frame below, where child widgets go.
#include <QStringList>
#include <QWidget>
#include <vector>

namespace cq::ui {

// Tabs placed in rows: the tabs of each row in order, and per tab its left
// edge and width inside its row.
struct TabRowLayout {
  std::vector<std::vector<int>> rows;
  std::vector<int> left;
  std::vector<int> width;
  int rowOf(int tab) const;
};

// Fills rows from the left; a tab that does not fit starts the next row (a
// tab wider than the row gets a row of its own). With more than one row
// every row is stretched to the full width; a single row keeps the natural
// widths. Without multiRow all tabs share one row.
TabRowLayout LayoutTabRows(const std::vector<int>& naturalWidths, int availableWidth, bool multiRow);

// Display position (0 = top) of logical row `row` when the selected tab is
// in `selectedRow`: that row moves to the bottom, next to the page, and the
// rows keep their cyclic order above it.
int DisplayRow(int row, int selectedRow, int rowCount);

class MultiRowTabStrip : public QWidget {
  Q_OBJECT

 public:
  explicit MultiRowTabStrip(QWidget* parent = nullptr);

  void setTabs(const QStringList& captions);
  const QStringList& tabs() const { return tabs_; }
  int count() const { return static_cast<int>(tabs_.size()); }

  // Selection from code: repaints and emits nothing.
  void setCurrentIndex(int index);
  int currentIndex() const { return current_; }

  void setMultiRow(bool multiRow);
  bool multiRow() const { return multiRow_; }

  int rowCount() const { return static_cast<int>(layout_.rows.size()); }
  int rowOfTab(int index) const { return layout_.rowOf(index); }
  // 0 is the top row on screen.
  int displayRowOfTab(int index) const;
  QRect tabRect(int index) const;
  int tabAt(QPoint pos) const;
  int hotIndex() const { return hot_; }
  int rowHeight() const { return rowHeight_; }
  // Height of the tab rows; the page frame starts below.
  int tabAreaHeight() const;
  QRect pageRect() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  // A user's click on a tab (or an arrow key); the selection itself changes
  // only through setCurrentIndex.
  void tabClicked(int index);
  void pageRectChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void relayout();
  void setHot(int index);
  int textFlags() const;

  QStringList tabs_;
  TabRowLayout layout_;
  int current_ = -1;
  int hot_ = -1;
  bool multiRow_ = true;
  int rowHeight_ = 20;
};

}  // namespace cq::ui
