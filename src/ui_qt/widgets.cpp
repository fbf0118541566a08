#include "ui_qt/widgets.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <algorithm>
#include <qdrawutil.h>

#include "ui_qt/picture_fonts.h"

namespace cq::ui {

QPixmap RenderSvg(const QByteArray& svg, QSize logicalSize, qreal devicePixelRatio) {
  if (svg.isEmpty() || logicalSize.isEmpty()) return {};
  QSvgRenderer renderer(PictureWithEmbeddedFonts(svg));
  if (!renderer.isValid()) return {};
  QPixmap pm(logicalSize * devicePixelRatio);
  pm.setDevicePixelRatio(devicePixelRatio);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  // Drawn whole and undistorted, centred where the box has another shape.
  QSizeF drawn = renderer.viewBoxF().size();
  if (drawn.isEmpty()) drawn = QSizeF(logicalSize);
  drawn.scale(QSizeF(logicalSize), Qt::KeepAspectRatio);
  const QPointF corner((logicalSize.width() - drawn.width()) / 2, (logicalSize.height() - drawn.height()) / 2);
  renderer.render(&p, QRectF(corner, drawn));
  return pm;
}

PanelWidget::PanelWidget(QWidget* parent) : QFrame(parent) {
  // A panel is opaque: placed over a picture, its captions stand on its own
  // face, also where a style replaces the panel's colour with its own.
  setAutoFillBackground(true);
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(1);
}

void PanelWidget::setCaption(const QString& caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  update();
}

void PanelWidget::setCaptionShown(bool shown) {
  captionShown_ = shown;
  update();
}

void PanelWidget::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (!captionShown_ || caption_.isEmpty()) return;
  QPainter p(this);
  style()->drawItemText(&p, contentsRect(), Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(), caption_,
                        QPalette::WindowText);
}

SvgImageWidget::SvgImageWidget(QWidget* parent) : QWidget(parent) {}

void SvgImageWidget::setSvg(const QByteArray& svg) {
  if (svg == svg_) return;
  // Read when first drawn: a picture that is never shown is never parsed.
  svg_ = svg;
  cache_ = {};
  update();
}

void SvgImageWidget::paintEvent(QPaintEvent*) {
  if (svg_.isEmpty()) return;
  const qreal dpr = devicePixelRatioF();
  if (cache_.isNull() || cache_.deviceIndependentSize().toSize() != size() || cache_.devicePixelRatio() != dpr)
    cache_ = RenderSvg(svg_, size(), dpr);
  QPainter p(this);
  p.drawPixmap(0, 0, cache_);
}

void SvgImageWidget::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  // A picture not on screen (the splash once it closed) keeps no bitmap.
  cache_ = {};
}

StatusBarWidget::StatusBarWidget(QWidget* parent) : QWidget(parent) {}

void StatusBarWidget::setPanels(std::vector<StatusPanelView> panels) {
  if (panels == panels_) return;
  panels_ = std::move(panels);
  update();
}

void StatusBarWidget::setHint(std::optional<QString> hint) {
  if (hint == hint_) return;
  hint_ = std::move(hint);
  update();
}

void StatusBarWidget::setNotice(std::optional<QString> notice) {
  if (notice == notice_) return;
  notice_ = std::move(notice);
  update();
}

QString StatusBarWidget::shownText(int index) const {
  if (index < 0 || index >= static_cast<int>(panels_.size())) return {};
  if (index == 0 && notice_) return *notice_;
  if (index == 0 && hint_) return *hint_;
  return panels_[static_cast<size_t>(index)].text;
}

QRect StatusBarWidget::panelRect(int index) const {
  int x = 0;
  const int n = static_cast<int>(panels_.size());
  for (int i = 0; i < n; ++i) {
    const int w = i == n - 1 ? std::max(0, width() - x) : panels_[static_cast<size_t>(i)].width;
    if (i == index) return {x, 0, w, height()};
    x += w;
  }
  return {};
}

void StatusBarWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPalette& pal = palette();
  p.fillRect(rect(), pal.color(QPalette::Window));
  p.setPen(pal.color(QPalette::Mid));
  p.drawLine(0, 0, width() - 1, 0);
  for (int i = 0; i < static_cast<int>(panels_.size()); ++i) {
    const QRect r = panelRect(i).adjusted(0, 2, -2, 0);
    if (panels_[static_cast<size_t>(i)].bevel) qDrawShadePanel(&p, r, pal, true, 1);
    const QRect textRect = r.adjusted(3, 0, -3, 0);
    const QString text = p.fontMetrics().elidedText(shownText(i), Qt::ElideRight, textRect.width());
    p.setPen(pal.color(QPalette::WindowText));
    p.drawText(textRect, static_cast<int>(panels_[static_cast<size_t>(i)].alignment | Qt::AlignVCenter) | Qt::TextSingleLine,
               text);
  }
}

UpDownWidget::UpDownWidget(QWidget* parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  for (QToolButton* b : {up_, down_}) {
    b->setAutoRepeat(true);
    b->setAutoRepeatDelay(400);
    b->setAutoRepeatInterval(100);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRaise(false);
  }
  connect(up_, &QToolButton::clicked, this, &UpDownWidget::upClicked);
  connect(down_, &QToolButton::clicked, this, &UpDownWidget::downClicked);
  arrange();
}

void UpDownWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  arrange();
}

void UpDownWidget::arrange() {
  // Taller than wide: up above down; otherwise down on the left, up on the right.
  if (height() >= width()) {
    const int half = height() / 2;
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
  } else {
    const int half = width() / 2;
    down_->setArrowType(Qt::LeftArrow);
    up_->setArrowType(Qt::RightArrow);
    down_->setGeometry(0, 0, half, height());
    up_->setGeometry(half, 0, width() - half, height());
  }
}

RadioGroupWidget::RadioGroupWidget(QWidget* parent) : QGroupBox(parent) {}

QRadioButton* RadioGroupWidget::button(int index) const {
  if (index < 0 || index >= shown_) return nullptr;
  return buttons_[static_cast<size_t>(index)];
}

void RadioGroupWidget::setItems(const QStringList& items, int columns) {
  columns_ = std::max(1, columns);
  shown_ = static_cast<int>(items.size());
  while (static_cast<int>(buttons_.size()) < shown_) {
    auto* b = new QRadioButton(this);
    // The model owns the selection: no button unchecks or checks another.
    b->setAutoExclusive(false);
    const int index = static_cast<int>(buttons_.size());
    connect(b, &QRadioButton::clicked, this, [this, index] { emit itemClicked(index); });
    b->installEventFilter(this);
    buttons_.push_back(b);
  }
  for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
    QRadioButton* b = buttons_[static_cast<size_t>(i)];
    if (i < shown_) {
      b->setText(items[i]);
      b->show();
    } else {
      b->hide();
    }
  }
  arrange();
}

void RadioGroupWidget::setCheckedIndex(int index) {
  for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
    QRadioButton* b = buttons_[static_cast<size_t>(i)];
    const QSignalBlocker block(b);
    b->setChecked(i == index && i < shown_);
    // One tab stop for the group: the selected item, or the first.
    const bool stop = index >= 0 && index < shown_ ? i == index : i == 0;
    b->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

int RadioGroupWidget::checkedIndex() const {
  for (int i = 0; i < shown_; ++i)
    if (buttons_[static_cast<size_t>(i)]->isChecked()) return i;
  return -1;
}

void RadioGroupWidget::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  arrange();
}

void RadioGroupWidget::changeEvent(QEvent* event) {
  QGroupBox::changeEvent(event);
  if (event->type() == QEvent::FontChange) arrange();
}

void RadioGroupWidget::arrange() {
  if (shown_ == 0) return;
  // The items share the height below the caption; the remainder centres them.
  const int textHeight = fontMetrics().height();
  const int perColumn = (shown_ + columns_ - 1) / columns_;
  const int columnWidth = std::max(1, (width() - 10) / columns_);
  const int avail = std::max(perColumn, height() - textHeight - 5);
  const int itemHeight = avail / perColumn;
  const int topMargin = textHeight + 1 + (avail % perColumn) / 2;
  for (int i = 0; i < shown_; ++i)
    buttons_[static_cast<size_t>(i)]->setGeometry((i / perColumn) * columnWidth + 8, (i % perColumn) * itemHeight + topMargin,
                                                  columnWidth, itemHeight);
}

bool RadioGroupWidget::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || shown_ == 0) return QGroupBox::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  int step = 0;
  if (key == Qt::Key_Up || key == Qt::Key_Left) step = -1;
  if (key == Qt::Key_Down || key == Qt::Key_Right) step = 1;
  if (step == 0) return QGroupBox::eventFilter(watched, event);
  auto it = std::find(buttons_.begin(), buttons_.end(), watched);
  if (it == buttons_.end()) return false;
  // Arrows move through the items and wrap around, selecting as they go.
  const int from = static_cast<int>(it - buttons_.begin());
  const int next = ((from + step) % shown_ + shown_) % shown_;
  buttons_[static_cast<size_t>(next)]->setFocus(Qt::TabFocusReason);
  emit itemClicked(next);
  return true;
}

}  // namespace cq::ui
