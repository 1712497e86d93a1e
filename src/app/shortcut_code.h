#pragma once
// The menu shortcut encoding of Veka.ini ("MenuShortCutKey", "veka hot key"): the key's
// virtual-key number in the low byte, Shift 0x2000, Ctrl 0x4000, Alt 0x8000; 0 is no shortcut.
// Only keys with a number of their own have a code; a code naming no key gives no shortcut.
#include <cstdint>

#include <QKeySequence>
#include <QString>

namespace veka {

constexpr int kShortcutShift = 0x2000;
constexpr int kShortcutCtrl = 0x4000;
constexpr int kShortcutAlt = 0x8000;
constexpr int kShortcutKeyMask = 0xFF;

// 0 for a key without a code, for a bare modifier and for Meta (the encoding has no bit for it).
int CodeOfKey(QKeyCombination key);
// Empty for 0 and for a code whose key part names no key or that holds unknown bits.
QKeySequence SequenceOfCode(int code);
// As the menus show it ("Ctrl+Shift+A"); empty when the code gives no shortcut.
QString ShortcutText(int code);
// The X11 key symbol of the code's key part; 0 when there is none.
uint32_t KeySymOfCode(int code);

}  // namespace veka
