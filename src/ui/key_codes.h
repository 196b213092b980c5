#pragma once
// Keyboard input as the game reads it: key presses as Windows-1251 character
// codes, key down and key up as Windows virtual key codes that name the
// physical key whatever the keyboard layout (G is 71 in a Russian layout too).

#include <QtGlobal>
#include <qnamespace.h>

class QKeyEvent;

namespace ui {

// The virtual key code of a key event, or 0 when the key has none.
// Uses the platform's physical key code where there is one (the native
// virtual key on Windows, the xkb key code on X11 and Wayland) and the Qt key
// otherwise, with Russian letters read as the Latin letters of their keys.
int VirtualKeyOf(const QKeyEvent& event);

// The virtual key code of an xkb key code (evdev code + 8), or 0.
int VirtualKeyFromXkb(quint32 keycode);
// The virtual key code of a Qt::Key value with its modifiers, or 0.
int VirtualKeyFromQtKey(int key, Qt::KeyboardModifiers modifiers);

// The Windows-1251 character code that a key press types, or -1 when the key
// types no character (arrows, function keys, Delete ...).
int CharCodeOf(const QKeyEvent& event);

// Keys by position: the character code a letter key types, made the lower-case
// Latin letter of the physical key (`vk` 'A'..'Z') whatever the layout or Caps
// Lock, so "ч" or "X" on the X key types 120. Other keys keep `code`.
int PositionalCharCode(int vk, int code);

}  // namespace ui
