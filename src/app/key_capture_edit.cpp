#include "app/key_capture_edit.h"

#include <QKeyEvent>

#include "app/shortcut_code.h"

namespace veka {

namespace {

// Tab, Shift+Tab and Escape alone keep their work: leaving the field, closing the dialog.
bool Navigation(const QKeyEvent* key) {
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    return key->key() == Qt::Key_Backtab ||
           ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Escape) && mods == Qt::NoModifier);
}

}  // namespace

int CapturedCode(int pressed) {
    if (pressed == 0) return 0;
    const int mods = pressed & (kShortcutShift | kShortcutCtrl | kShortcutAlt);
    if (mods == 0 || mods == kShortcutShift) return (pressed & kShortcutKeyMask) | kShortcutAlt;
    return pressed;
}

TKeyCaptureEdit::TKeyCaptureEdit(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);  // no caret typing: every key is a combination to take
    setContextMenuPolicy(Qt::NoContextMenu);
}

void TKeyCaptureEdit::SetCode(int code) {
    Code_ = SequenceOfCode(code).isEmpty() ? 0 : code;
    setText(ShortcutText(Code_));
}

bool TKeyCaptureEdit::event(QEvent* event) {
    // Tab and the window's own shortcuts would otherwise be taken before the field sees them.
    if ((event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
        Navigation(static_cast<QKeyEvent*>(event)))
        return QLineEdit::event(event);
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QLineEdit::event(event);
}

void TKeyCaptureEdit::keyPressEvent(QKeyEvent* event) {
    if (Navigation(event)) {
        event->ignore();  // to the dialog
        return;
    }
    event->accept();
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (event->key() == Qt::Key_Backspace && (mods & ~Qt::KeypadModifier) == Qt::NoModifier) {
        SetCode(0);
        emit CodeChanged(0);
        return;
    }
    const int code = CapturedCode(CodeOfKey(QKeyCombination(mods, Qt::Key(event->key()))));
    if (code == 0) return;  // a bare modifier, or a key without a code
    SetCode(code);
    emit CodeChanged(Code_);
}

}  // namespace veka
