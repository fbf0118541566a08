#include "ui_qt/keys.h"

namespace cq::ui {

namespace {

int keyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
  const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return keypad ? 0x60 + (qtKey - Qt::Key_0) : qtKey;
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
  switch (qtKey) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return kKeyEnter;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return kKeyUp;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return kKeyDown;
    case Qt::Key_Print: return 44;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_NumLock: return 144;
    case Qt::Key_ScrollLock: return 145;
    case Qt::Key_Asterisk: return keypad ? 106 : 56;  // shifted 8 on the main block
    case Qt::Key_Plus: return keypad ? 107 : 187;
    case Qt::Key_Minus: return keypad ? 109 : 189;
    case Qt::Key_Period: return keypad ? 110 : 190;
    case Qt::Key_Comma: return keypad ? 110 : 188;
    case Qt::Key_Slash: return keypad ? 111 : 191;
    case Qt::Key_Semicolon:
    case Qt::Key_Colon: return 186;
    case Qt::Key_Equal: return 187;
    case Qt::Key_Less: return 188;
    case Qt::Key_Underscore: return 189;
    case Qt::Key_Greater: return 190;
    case Qt::Key_Question: return 191;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde: return 192;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft: return 219;
    case Qt::Key_Backslash:
    case Qt::Key_Bar: return 220;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight: return 221;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl: return 222;
    default: return 0;
  }
}

char keyChar(int qtKey, const QString& text) {
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return '\r';
    // Tab moves the focus; it never reaches a key-press handler.
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 0;
    case Qt::Key_Backspace: return '\b';
    case Qt::Key_Escape: return '\x1b';
    case Qt::Key_Delete: return 0;
    default: break;
  }
  if (text.size() != 1) return 0;
  const char16_t u = text.at(0).unicode();
  if (u == 0x7F) return 0;
  if (u < 0x100) return static_cast<char>(static_cast<unsigned char>(u));
  // Beyond Latin-1 the handler sees a stand-in; an unchanged stand-in lets
  // the original character through.
  return '?';
}

}  // namespace

KeyStroke TranslateKey(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text) {
  unsigned shift = 0;
  if (modifiers.testFlag(Qt::ShiftModifier)) shift |= static_cast<unsigned>(ShiftState::Shift);
  if (modifiers.testFlag(Qt::ControlModifier)) shift |= static_cast<unsigned>(ShiftState::Ctrl);
  if (modifiers.testFlag(Qt::AltModifier)) shift |= static_cast<unsigned>(ShiftState::Alt);
  return {keyCode(qtKey, modifiers), keyChar(qtKey, text), static_cast<ShiftState>(shift)};
}

QString KeyCharText(char ch) { return QString(QChar(static_cast<char16_t>(static_cast<unsigned char>(ch)))); }

}  // namespace cq::ui
