#include "app/shortcut_code.h"

#include <array>
#include <optional>

namespace veka {

namespace {

struct TKeyCode {
    int Vk;          // the virtual-key number of the encoding
    Qt::Key Key;     // Qt's key
    uint32_t KeySym; // X11's symbol (the unshifted one)
};

// Letters, digits and function keys are ranges; the rest is listed.
constexpr TKeyCode kOtherKeys[] = {
    {0x08, Qt::Key_Backspace, 0xFF08}, {0x09, Qt::Key_Tab, 0xFF09},      {0x0D, Qt::Key_Return, 0xFF0D},
    {0x13, Qt::Key_Pause, 0xFF13},     {0x1B, Qt::Key_Escape, 0xFF1B},   {0x20, Qt::Key_Space, 0x0020},
    {0x21, Qt::Key_PageUp, 0xFF55},    {0x22, Qt::Key_PageDown, 0xFF56}, {0x23, Qt::Key_End, 0xFF57},
    {0x24, Qt::Key_Home, 0xFF50},      {0x25, Qt::Key_Left, 0xFF51},     {0x26, Qt::Key_Up, 0xFF52},
    {0x27, Qt::Key_Right, 0xFF53},     {0x28, Qt::Key_Down, 0xFF54},     {0x2D, Qt::Key_Insert, 0xFF63},
    {0x2E, Qt::Key_Delete, 0xFFFF},    {0xBA, Qt::Key_Semicolon, 0x003B}, {0xBB, Qt::Key_Equal, 0x003D},
    {0xBC, Qt::Key_Comma, 0x002C},     {0xBD, Qt::Key_Minus, 0x002D},    {0xBE, Qt::Key_Period, 0x002E},
    {0xBF, Qt::Key_Slash, 0x002F},     {0xC0, Qt::Key_QuoteLeft, 0x0060}, {0xDB, Qt::Key_BracketLeft, 0x005B},
    {0xDC, Qt::Key_Backslash, 0x005C}, {0xDD, Qt::Key_BracketRight, 0x005D}, {0xDE, Qt::Key_Apostrophe, 0x0027},
};

// The keypad's keys: a number of their own, and the keypad's X11 symbols.
constexpr TKeyCode kKeypadKeys[] = {
    {0x6A, Qt::Key_Asterisk, 0xFFAA}, {0x6B, Qt::Key_Plus, 0xFFAB}, {0x6D, Qt::Key_Minus, 0xFFAD},
    {0x6E, Qt::Key_Period, 0xFFAE},   {0x6F, Qt::Key_Slash, 0xFFAF},
};

// Keys whose symbol does not depend on the layout. A shifted punctuation key comes as its
// shifted symbol, and which key that was depends on the layout: such a key gets no code rather
// than the code of another key.
Qt::Key Unshifted(Qt::Key key) {
    switch (key) {
        case Qt::Key_Enter: return Qt::Key_Return;
        case Qt::Key_Backtab: return Qt::Key_Tab;
        default: return key;
    }
}

int VkOfKey(Qt::Key key, bool keypad) {
    if (keypad) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9) return 0x60 + (key - Qt::Key_0);
        for (const TKeyCode& k : kKeypadKeys)
            if (k.Key == key) return k.Vk;
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 0x41 + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return 0x30 + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 0x70 + (key - Qt::Key_F1);
    for (const TKeyCode& k : kOtherKeys)
        if (k.Key == key) return k.Vk;
    return 0;
}

const TKeyCode* Listed(int vk) {
    for (const TKeyCode& k : kOtherKeys)
        if (k.Vk == vk) return &k;
    for (const TKeyCode& k : kKeypadKeys)
        if (k.Vk == vk) return &k;
    return nullptr;
}

std::optional<Qt::Key> KeyOfVk(int vk) {
    if (vk >= 0x41 && vk <= 0x5A) return Qt::Key(Qt::Key_A + (vk - 0x41));
    if (vk >= 0x30 && vk <= 0x39) return Qt::Key(Qt::Key_0 + (vk - 0x30));
    if (vk >= 0x70 && vk <= 0x87) return Qt::Key(Qt::Key_F1 + (vk - 0x70));
    if (vk >= 0x60 && vk <= 0x69) return Qt::Key(Qt::Key_0 + (vk - 0x60));
    if (const TKeyCode* k = Listed(vk)) return k->Key;
    return std::nullopt;
}

}  // namespace

int CodeOfKey(QKeyCombination key) {
    const Qt::KeyboardModifiers mods = key.keyboardModifiers();
    if (mods & Qt::MetaModifier) return 0;
    const int vk = VkOfKey(Unshifted(key.key()), mods & Qt::KeypadModifier);
    if (vk == 0) return 0;
    int code = vk;
    if (mods & Qt::ShiftModifier) code |= kShortcutShift;
    if (mods & Qt::ControlModifier) code |= kShortcutCtrl;
    if (mods & Qt::AltModifier) code |= kShortcutAlt;
    return code;
}

QKeySequence SequenceOfCode(int code) {
    if (code <= 0 || (code & ~(kShortcutKeyMask | kShortcutShift | kShortcutCtrl | kShortcutAlt)) != 0) return {};
    const std::optional<Qt::Key> key = KeyOfVk(code & kShortcutKeyMask);
    if (!key) return {};
    Qt::KeyboardModifiers mods;
    const int vk = code & kShortcutKeyMask;
    if ((vk >= 0x60 && vk <= 0x6F)) mods |= Qt::KeypadModifier;
    if (code & kShortcutShift) mods |= Qt::ShiftModifier;
    if (code & kShortcutCtrl) mods |= Qt::ControlModifier;
    if (code & kShortcutAlt) mods |= Qt::AltModifier;
    return QKeySequence(QKeyCombination(mods, *key));
}

QString ShortcutText(int code) { return SequenceOfCode(code).toString(QKeySequence::NativeText); }

uint32_t KeySymOfCode(int code) {
    if (SequenceOfCode(code).isEmpty()) return 0;
    const int vk = code & kShortcutKeyMask;
    if (vk >= 0x41 && vk <= 0x5A) return uint32_t('a' + (vk - 0x41));  // the lower-case symbol
    if (vk >= 0x30 && vk <= 0x39) return uint32_t(vk);
    if (vk >= 0x70 && vk <= 0x87) return 0xFFBE + uint32_t(vk - 0x70);
    if (vk >= 0x60 && vk <= 0x69) return 0xFFB0 + uint32_t(vk - 0x60);
    const TKeyCode* k = Listed(vk);
    return k ? k->KeySym : 0;
}

}  // namespace veka
