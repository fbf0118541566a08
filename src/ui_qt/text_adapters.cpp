// Adapters of the controls that show or take text: labels, edits, memos.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>

#include "ui_qt/control_adapter.h"
#include "ui_qt/user_typing.h"
#include "ui_qt/view_values.h"

namespace cq::ui {

namespace {

// Typing stops at the field's limit, counted in QChars: the UTF-16 units
// the model counts. A longer text written by code still shows whole (a
// QLineEdit cuts what it is given at its limit). Setting a limit puts the
// cursor at the end, so it is set only when it differs.
void LimitTyping(QLineEdit& le, int maxLength, const QString& text) {
  constexpr int kQLineEditDefault = 32767;
  const int limit = maxLength > 0 ? std::max(maxLength, static_cast<int>(text.size())) : kQLineEditDefault;
  if (le.maxLength() != limit) le.setMaxLength(limit);
}

// A QLineEdit cuts an insertion at its limit even between the two halves
// of a surrogate pair; the half character left behind is taken out again.
void DropHalfCharacters(QLineEdit& le) {
  QString text = le.text();
  int cursor = le.cursorPosition();
  bool dropped = false;
  for (qsizetype i = 0; i < text.size();) {
    if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      i += 2;
    } else if (text.at(i).isSurrogate()) {
      text.remove(i, 1);
      if (i < cursor) --cursor;
      dropped = true;
    } else {
      ++i;
    }
  }
  if (!dropped) return;
  le.setText(text);
  le.setCursorPosition(cursor);
}

QWidget* CreateLabel(QWidget* parent) {
  auto* l = new QLabel(parent);
  l->setTextFormat(Qt::PlainText);
  return l;
}

void SyncLabel(Control& control, QWidget& w, AdapterSite& site) {
  auto& label = static_cast<Label&>(control);
  auto& l = static_cast<QLabel&>(w);
  const QString text = LabelText(label.caption());
  if (l.text() != text) l.setText(text);
  l.setAlignment(HorizontalAlignment(label.alignment()) | Qt::AlignTop);
  l.setWordWrap(label.wordWrap());
  site.showPlace(control);
}

void PlaceLabel(const Control& control, QWidget& w, QRect& r) {
  if (static_cast<const Label&>(control).wordWrap()) return;
  // Labels size themselves to their text; they never shrink below the
  // designed bounds.
  auto& l = static_cast<QLabel&>(w);
  const QSize text = l.fontMetrics().size(Qt::TextSingleLine, l.text());
  r.setWidth(std::max(r.width(), text.width() + 1));
  r.setHeight(std::max(r.height(), text.height()));
}

void ConnectEdit(Control& control, QWidget& w, AdapterSite& site) {
  auto* le = static_cast<QLineEdit*>(&w);
  auto* edit = static_cast<Edit*>(&control);
  QObject::connect(le, &QLineEdit::textEdited, &site.connectionContext(), [&site, edit, le] {
    DropHalfCharacters(*le);
    const UserTyping typing(*le);
    edit->userSetText(le->text().toStdString());
    site.showContent(*edit);
  });
}

void SyncEdit(Control& control, QWidget& w, AdapterSite&) {
  auto& edit = static_cast<Edit&>(control);
  auto& le = static_cast<QLineEdit&>(w);
  const QString text = ToQString(edit.text());
  const int cursor = le.cursorPosition();
  const bool written = le.text() != text;
  LimitTyping(le, edit.maxLength(), text);
  if (written) le.setText(text);
  // A text written by code shows from its first character, as the
  // desktop's edit does (Qt's leaves the cursor at the end, showing the
  // last digits of a long number as if they were all). What comes back
  // while the user types keeps the cursor.
  const int wanted = written && !UserTyping::into(le) ? 0 : std::min(cursor, static_cast<int>(text.size()));
  if (le.cursorPosition() != wanted) le.setCursorPosition(wanted);
  le.setReadOnly(edit.readOnly());
  le.setFocusPolicy(edit.tabStop() ? Qt::StrongFocus : Qt::ClickFocus);
  le.setAlignment(HorizontalAlignment(edit.alignment()) | Qt::AlignVCenter);
}

// A unit text moved into or out of its field changes its look; so does a
// sibling it moved onto or away from (two boxes that trade places meet on
// the way).
void EditChanged(Control& control, Prop prop, AdapterSite& site) {
  if (prop != Prop::Bounds) return;
  if (!control.parent()) {
    site.showStyle(control);
    return;
  }
  for (Control* sibling : control.parent()->children())
    if (site.kindOf(*sibling) == ControlKind::Edit) site.showStyle(*sibling);
}

QWidget* CreateMemo(QWidget* parent) {
  auto* m = new QPlainTextEdit(parent);
  m->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  m->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  return m;
}

void ConnectMemo(Control& control, QWidget& w, AdapterSite& site) {
  auto* m = static_cast<QPlainTextEdit*>(&w);
  auto* memo = static_cast<Memo*>(&control);
  site.ownPart(*m->viewport(), control);
  // Code writes are blocked, so what arrives here is the user's typing.
  QObject::connect(m, &QPlainTextEdit::textChanged, &site.connectionContext(), [&site, memo, m] {
    memo->userSetText(m->toPlainText().toStdString());
    site.showContent(*memo);
  });
}

void SyncMemo(Control& control, QWidget& w, AdapterSite&) {
  auto& memo = static_cast<Memo&>(control);
  auto& m = static_cast<QPlainTextEdit&>(w);
  const QString text = ToQString(memo.text());
  if (m.toPlainText() != text) m.setPlainText(text);
  m.setReadOnly(memo.readOnly());
  m.setFocusPolicy(memo.tabStop() ? Qt::StrongFocus : Qt::ClickFocus);
  m.setLineWrapMode(memo.wordWrap() ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

}  // namespace

constinit const ControlAdapter kLabelAdapter{
    .kind = ControlKind::Label,
    .matches = IsAny<Label>,
    .create = CreateLabel,
    .sync = SyncLabel,
    .place = PlaceLabel,
    .graphic = true,
    .passive = true,
};

constinit const ControlAdapter kEditAdapter{
    .kind = ControlKind::Edit,
    .matches = IsAny<Edit>,
    .create = Make<QLineEdit>,
    .connect = ConnectEdit,
    .sync = SyncEdit,
    .changed = EditChanged,
    .clickable = true,
};

constinit const ControlAdapter kMemoAdapter{
    .kind = ControlKind::Memo,
    .matches = IsAny<Memo>,
    .create = CreateMemo,
    .connect = ConnectMemo,
    .sync = SyncMemo,
    .clickable = true,
};

}  // namespace cq::ui
