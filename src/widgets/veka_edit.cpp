#include "widgets/veka_edit.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <cstdlib>

#include "widgets/veka_cursors.h"

namespace veka {

namespace {

// Vertical drag distance before the value starts to follow the pointer, so a click that
// wobbles a pixel does not change anything.
constexpr int kDragThreshold = 5;

bool IsCtrl(Qt::KeyboardModifiers modifiers) { return (modifiers & Qt::ControlModifier) != 0; }

}  // namespace

TVekaEdit::TVekaEdit(QWidget* parent) : QLineEdit(parent) {
    ShowValue();
}

void TVekaEdit::SetValue(int value) {
    Value_ = std::max(std::min(value, Max_), Min_);
    ShowValue();
}

void TVekaEdit::ShowValue() {
    QString shown;
    emit OnTextStringChanging(this, Value_, &shown);
    if (shown.isEmpty()) shown = QString::number(Value_);
    setText(shown);
}

void TVekaEdit::StepBy(int delta) {
    const long long next = std::clamp<long long>(static_cast<long long>(Value_) + delta, INT32_MIN, INT32_MAX);
    SetValue(int(next));
    selectAll();
    emit OnEditValueChange(this, Value_);
    update();
}

void TVekaEdit::TakeText() {
    QString typed = text();
    emit OnCheckText(this, Value_, &typed);
    bool ok = false;
    const int number = typed.trimmed().toInt(&ok, 10);
    if (!ok) {
        ShowValue();
        return;
    }
    SetValue(number);
    emit OnEditValueChange(this, Value_);
}

void TVekaEdit::mousePressEvent(QMouseEvent* event) {
    Dragging_ = true;
    PressY_ = LastY_ = int(event->position().y());
    QLineEdit::mousePressEvent(event);
}

void TVekaEdit::mouseMoveEvent(QMouseEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool plain = modifiers == Qt::NoModifier || modifiers == Qt::ControlModifier;
    const int y = int(event->position().y());
    if (!Dragging_ || event->buttons() != Qt::LeftButton || !plain) {
        if (Dragging_) LastY_ = y;
        QLineEdit::mouseMoveEvent(event);
        return;
    }
    Step_ = IsCtrl(modifiers) ? 10 : 1;
    const bool beyond = std::abs(y - PressY_) > kDragThreshold;
    if (beyond) {
        setCursor(VekaCursor(Step_ == 10 ? TVekaCursor::UpDown10 : TVekaCursor::UpDown));
        if (y < LastY_)
            StepBy(Step_);
        else if (y > LastY_)
            StepBy(-Step_);
    }
    LastY_ = y;
    // Within the threshold the ordinary text selection still works.
    if (!beyond) QLineEdit::mouseMoveEvent(event);
}

void TVekaEdit::mouseReleaseEvent(QMouseEvent* event) {
    Dragging_ = false;
    setCursor(Qt::IBeamCursor);
    QLineEdit::mouseReleaseEvent(event);
}

void TVekaEdit::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Control) Step_ = 10;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        TakeText();
        QLineEdit::keyPressEvent(event);  // the dialog's default button still hears it
        return;
    }
    if ((event->modifiers() & Qt::KeypadModifier) && (key == Qt::Key_Plus || key == Qt::Key_Minus)) {
        Step_ = IsCtrl(event->modifiers()) ? 10 : 1;
        StepBy(key == Qt::Key_Plus ? Step_ : -Step_);
        event->accept();
        return;
    }
    // "+" and "-" never go into the text; with the keypad they step the value instead.
    if (event->text() == QLatin1String("+") || event->text() == QLatin1String("-")) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TVekaEdit::keyReleaseEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Control) Step_ = 1;
    if (key >= Qt::Key_0 && key <= Qt::Key_9 && !event->isAutoRepeat()) TakeText();
    QLineEdit::keyReleaseEvent(event);
}

}  // namespace veka
