#pragma once
// Qt key events in the framework's terms: the key code the key-down
// handlers compare (13 for Enter, 38 for the up arrow, 'A' for the A key)
// and the character the key-press handlers receive (0 for keys without one).
#include <QString>
#include <Qt>

#include "platform/controls.h"

namespace cq::ui {

struct KeyStroke {
  int key = 0;
  char ch = 0;
  ShiftState shift = ShiftState::None;
};

KeyStroke TranslateKey(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text);

// A character handed back by a key-press handler, as text to insert.
QString KeyCharText(char ch);

}  // namespace cq::ui
