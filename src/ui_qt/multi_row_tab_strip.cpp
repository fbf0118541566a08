#include "ui_qt/multi_row_tab_strip.h"

#include "ui_qt/described_font.h"
#include "ui_qt/theme.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace cq::ui {

namespace {
constexpr int kMargin = 2;        // left and right of the rows, and above the top row
constexpr int kTextPadding = 6;   // left and right of a caption
constexpr int kSelectedRaise = 2; // the selected tab stands out by this much
constexpr int kSelectedEdge = 2;  // the accent along the selected tab's top
// How far the other tabs' face is darker than the page's, which the
// selected tab shares: enough to see on the darkest palette too.
constexpr double kBackTabContrast = 1.25;
// The hover colour's contrast: a little above text's least, as the thin
// anti-aliased strokes of the tab font come out lighter than their colour.
constexpr double kHotTextContrast = kMinTextContrast + 0.5;

// The face of the tabs not selected: the page's face, darkened.
QColor backTabFace(const QColor& page) {
  float h = 0, s = 0, l = 0, a = 0;
  page.getHslF(&h, &s, &l, &a);
  for (float next = l; next > 0.0f; next -= 0.01f) {
    const QColor c = QColor::fromHslF(h, s, next, a);
    if (ContrastRatio(c, page) >= kBackTabContrast) return c;
  }
  return QColor(Qt::black);
}
}  // namespace

int TabRowLayout::rowOf(int tab) const {
  for (size_t r = 0; r < rows.size(); ++r)
    if (std::find(rows[r].begin(), rows[r].end(), tab) != rows[r].end()) return static_cast<int>(r);
  return -1;
}

TabRowLayout LayoutTabRows(const std::vector<int>& naturalWidths, int availableWidth, bool multiRow) {
  TabRowLayout out;
  const size_t n = naturalWidths.size();
  out.left.assign(n, 0);
  out.width.assign(naturalWidths.begin(), naturalWidths.end());
  int used = 0;
  for (size_t i = 0; i < n; ++i) {
    const int w = naturalWidths[i];
    if (out.rows.empty() || (multiRow && used > 0 && used + w > availableWidth)) {
      out.rows.emplace_back();
      used = 0;
    }
    out.rows.back().push_back(static_cast<int>(i));
    used += w;
  }
  const bool stretch = multiRow && out.rows.size() > 1;
  for (const auto& row : out.rows) {
    int natural = 0;
    for (int t : row) natural += naturalWidths[static_cast<size_t>(t)];
    const int extra = stretch ? std::max(0, availableWidth - natural) : 0;
    const int count = static_cast<int>(row.size());
    int x = 0;
    for (int k = 0; k < count; ++k) {
      const auto t = static_cast<size_t>(row[static_cast<size_t>(k)]);
      // The spare width is shared out evenly; the first tabs take the rest.
      const int share = extra / count + (k < extra % count ? 1 : 0);
      out.left[t] = x;
      out.width[t] = naturalWidths[t] + share;
      x += out.width[t];
    }
  }
  return out;
}

int DisplayRow(int row, int selectedRow, int rowCount) {
  if (rowCount <= 0) return 0;
  if (selectedRow < 0) return row;
  return ((row - selectedRow - 1) % rowCount + rowCount) % rowCount;
}

MultiRowTabStrip::MultiRowTabStrip(QWidget* parent) : QWidget(parent) {
  setFont(DescribedFont(QStringLiteral("Verdana"), 12));
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_Hover);
  relayout();
}

void MultiRowTabStrip::setTabs(const QStringList& captions) {
  if (captions == tabs_) return;
  tabs_ = captions;
  if (current_ >= count()) current_ = count() - 1;
  hot_ = -1;
  relayout();
}

void MultiRowTabStrip::setCurrentIndex(int index) {
  if (index < -1 || index >= count()) index = -1;
  if (index == current_) return;
  current_ = index;
  update();
}

void MultiRowTabStrip::setMultiRow(bool multiRow) {
  if (multiRow_ == multiRow) return;
  multiRow_ = multiRow;
  relayout();
}

int MultiRowTabStrip::textFlags() const {
  int flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
  if (!style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, this)) flags |= Qt::TextHideMnemonic;
  return flags;
}

void MultiRowTabStrip::relayout() {
  const QFontMetrics fm(font());
  rowHeight_ = fm.height() + 6;
  std::vector<int> natural;
  natural.reserve(static_cast<size_t>(count()));
  for (const QString& t : tabs_)
    natural.push_back(fm.size(Qt::TextShowMnemonic | Qt::TextSingleLine, t).width() + 2 * kTextPadding);
  layout_ = LayoutTabRows(natural, std::max(1, width() - 2 * kMargin), multiRow_);
  update();
  emit pageRectChanged();
}

int MultiRowTabStrip::displayRowOfTab(int index) const {
  const int row = rowOfTab(index);
  if (row < 0) return -1;
  return DisplayRow(row, rowOfTab(current_), rowCount());
}

QRect MultiRowTabStrip::tabRect(int index) const {
  if (index < 0 || index >= count()) return {};
  const auto i = static_cast<size_t>(index);
  const int top = kMargin + displayRowOfTab(index) * rowHeight_;
  return {kMargin + layout_.left[i], top, layout_.width[i], rowHeight_};
}

int MultiRowTabStrip::tabAt(QPoint pos) const {
  // The selected tab is drawn larger, so it wins where it overlaps others.
  if (current_ >= 0 && tabRect(current_).adjusted(-kSelectedRaise, -kSelectedRaise, kSelectedRaise, 0).contains(pos))
    return current_;
  for (int i = 0; i < count(); ++i)
    if (tabRect(i).contains(pos)) return i;
  return -1;
}

int MultiRowTabStrip::tabAreaHeight() const { return kMargin + std::max(1, rowCount()) * rowHeight_; }

QRect MultiRowTabStrip::pageRect() const {
  const int top = tabAreaHeight();
  return {0, top, width(), std::max(0, height() - top)};
}

QSize MultiRowTabStrip::sizeHint() const {
  int w = 0;
  for (int x : layout_.width) w += x;
  return {w + 2 * kMargin, tabAreaHeight() + 40};
}

QSize MultiRowTabStrip::minimumSizeHint() const { return {40, tabAreaHeight() + 4}; }

void MultiRowTabStrip::setHot(int index) {
  if (hot_ == index) return;
  hot_ = index;
  update();
}

void MultiRowTabStrip::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPalette& pal = palette();
  const QColor light = pal.color(QPalette::Light);
  const QColor dark = pal.color(QPalette::Dark);
  const QColor shadow = pal.color(QPalette::Shadow);

  // The page frame: raised, light on the top and left.
  const QRect page = pageRect();
  if (page.height() > 1) {
    p.fillRect(page, pal.color(QPalette::Window));
    p.setPen(light);
    p.drawLine(page.topLeft(), page.topRight());
    p.drawLine(page.topLeft(), page.bottomLeft());
    p.setPen(shadow);
    p.drawLine(page.bottomLeft(), page.bottomRight());
    p.drawLine(page.topRight(), page.bottomRight());
    p.setPen(dark);
    p.drawLine(page.bottomLeft() + QPoint(1, -1), page.bottomRight() + QPoint(-1, -1));
    p.drawLine(page.topRight() + QPoint(-1, 1), page.bottomRight() + QPoint(-1, -1));
  }

  const int flags = textFlags();
  const QColor backFace = backTabFace(pal.color(QPalette::Window));
  auto drawTab = [&](int i, bool selected) {
    QRect r = tabRect(i);
    if (selected) r.adjust(-kSelectedRaise, -kSelectedRaise, kSelectedRaise, 1);
    // The selected tab has the page's face and runs on into the page.
    const QColor face = selected ? pal.color(QPalette::Window) : backFace;
    p.fillRect(r.adjusted(1, 1, -1, selected ? 0 : -1), face);
    // Edges with clipped top corners, no bottom edge.
    p.setPen(light);
    p.drawLine(r.left(), r.bottom(), r.left(), r.top() + 2);
    p.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.top() + 1);
    p.drawLine(r.left() + 2, r.top(), r.right() - 2, r.top());
    p.setPen(shadow);
    p.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.top() + 1);
    p.drawLine(r.right(), r.top() + 2, r.right(), r.bottom());
    p.setPen(dark);
    p.drawLine(r.right() - 1, r.top() + 2, r.right() - 1, r.bottom());
    if (selected) {
      // Open towards the page.
      p.fillRect(QRect(r.left() + 1, page.top(), r.width() - 2, 1), face);
      // An accent along its top, which stands out from its face and the
      // others' where the faces differ only a little.
      p.fillRect(QRect(r.left() + 2, r.top(), r.width() - 4, kSelectedEdge),
                 ReadableOn(pal.color(QPalette::Highlight), {face, backFace}, kMinShapeContrast));
    }
    QPalette textPal = pal;
    if (isEnabled()) {
      // Readable on the tab's own face; the tab under the mouse in the link
      // colour. A disabled strip keeps the palette's disabled text.
      textPal.setColor(QPalette::WindowText, i == hot_ ? ReadableOn(pal.color(QPalette::Link), {face}, kHotTextContrast)
                                                       : ReadableOn(pal.color(QPalette::WindowText), {face}));
    }
    const QRect textRect = r.adjusted(kTextPadding / 2, selected ? 1 : 0, -kTextPadding / 2, 0);
    style()->drawItemText(&p, textRect, flags, textPal, isEnabled(), tabs_[i], QPalette::WindowText);
    if (selected && hasFocus()) {
      QRect focus = p.fontMetrics().boundingRect(textRect, flags, tabs_[i]).adjusted(-2, -1, 2, 1);
      p.setPen(QPen(pal.color(QPalette::WindowText), 1, Qt::DotLine));
      p.drawRect(focus.intersected(r.adjusted(2, 2, -3, -1)));
    }
  };
  for (int i = 0; i < count(); ++i)
    if (i != current_) drawTab(i, false);
  if (current_ >= 0) drawTab(current_, true);
}

void MultiRowTabStrip::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  const int index = tabAt(event->position().toPoint());
  if (index < 0) {
    event->ignore();
    return;
  }
  event->accept();
  emit tabClicked(index);
}

void MultiRowTabStrip::mouseMoveEvent(QMouseEvent* event) {
  setHot(tabAt(event->position().toPoint()));
  QWidget::mouseMoveEvent(event);
}

void MultiRowTabStrip::leaveEvent(QEvent* event) {
  setHot(-1);
  QWidget::leaveEvent(event);
}

void MultiRowTabStrip::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  relayout();
}

void MultiRowTabStrip::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) relayout();
  QWidget::changeEvent(event);
}

void MultiRowTabStrip::keyPressEvent(QKeyEvent* event) {
  const int step = event->key() == Qt::Key_Left ? -1 : event->key() == Qt::Key_Right ? 1 : 0;
  if (step == 0 || current_ < 0) {
    QWidget::keyPressEvent(event);
    return;
  }
  const int next = current_ + step;
  if (next >= 0 && next < count()) emit tabClicked(next);
  event->accept();
}

}  // namespace cq::ui
