#pragma once
// The widgets the form view needs beyond Qt's own: a panel with a centred
// caption, an SVG picture, the status bar with the model's panels, the
// up-down arrows and the radio group with the framework's item layout.
#include <QFrame>
#include <QGroupBox>
#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>
#include <optional>
#include <vector>

class QRadioButton;
class QToolButton;

namespace cq::ui {

// An SVG rendered at the device's pixel density, for sharp pictures on
// high-resolution screens, whole and with its own proportions. An empty or
// broken picture gives a null pixmap.
QPixmap RenderSvg(const QByteArray& svg, QSize logicalSize, qreal devicePixelRatio);

class PanelWidget : public QFrame {
 public:
  explicit PanelWidget(QWidget* parent = nullptr);
  void setCaption(const QString& caption);
  const QString& caption() const { return caption_; }
  void setCaptionShown(bool shown);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
  bool captionShown_ = true;
};

// A picture as large as the widget allows, in its own proportions.
class SvgImageWidget : public QWidget {
 public:
  explicit SvgImageWidget(QWidget* parent = nullptr);
  void setSvg(const QByteArray& svg);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QByteArray svg_;
  QPixmap cache_;
};

struct StatusPanelView {
  QString text;
  int width = 50;
  Qt::Alignment alignment = Qt::AlignLeft;
  bool bevel = false;
  friend bool operator==(const StatusPanelView&, const StatusPanelView&) = default;
};

// Panels side by side with the widths given; the last one takes the rest
// of the width. Panel 0 can show a hint in place of its own text.
class StatusBarWidget : public QWidget {
 public:
  explicit StatusBarWidget(QWidget* parent = nullptr);
  void setPanels(std::vector<StatusPanelView> panels);
  const std::vector<StatusPanelView>& panels() const { return panels_; }
  void setHint(std::optional<QString> hint);
  // A notice stands in panel 0 over the hint until it is taken away; the
  // hint meanwhile is kept and shows again after it.
  void setNotice(std::optional<QString> notice);
  // The text panel i shows now.
  QString shownText(int index) const;
  QRect panelRect(int index) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<StatusPanelView> panels_;
  std::optional<QString> hint_;
  std::optional<QString> notice_;
};

// Two arrow buttons; held down they repeat.
class UpDownWidget : public QWidget {
  Q_OBJECT

 public:
  explicit UpDownWidget(QWidget* parent = nullptr);
  QToolButton* upButton() const { return up_; }
  QToolButton* downButton() const { return down_; }

 signals:
  void upClicked();
  void downClicked();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void arrange();
  QToolButton* up_;
  QToolButton* down_;
};

// Items in columns, filled top to bottom, spread evenly over the height
// below the caption. Selection comes from outside; a click or an arrow key
// only reports the item.
class RadioGroupWidget : public QGroupBox {
  Q_OBJECT

 public:
  explicit RadioGroupWidget(QWidget* parent = nullptr);
  void setItems(const QStringList& items, int columns);
  int count() const { return shown_; }
  // Buttons are kept when the items shrink, so a button never goes away
  // while its own click is being handled.
  QRadioButton* button(int index) const;
  void setCheckedIndex(int index);
  int checkedIndex() const;
  const std::vector<QRadioButton*>& allButtons() const { return buttons_; }

 signals:
  void itemClicked(int index);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void arrange();
  std::vector<QRadioButton*> buttons_;
  int shown_ = 0;
  int columns_ = 1;
};

}  // namespace cq::ui
