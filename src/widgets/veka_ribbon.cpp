#include "widgets/veka_ribbon.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "widgets/control_accessibles.h"

namespace veka {

TVekaRibon::TVekaRibon(QWidget* parent) : QWidget(parent) {
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    InstallControlAccessibility();
}

void TVekaRibon::SetValue(int value) {
    const int x = std::clamp(kLeft + value / 64, kLeft, width() - 4);
    if (x == CursorX_) return;
    CursorX_ = x;
    update();
    TellValue(this, Value());
}

void TVekaRibon::MoveTo(int x) {
    x = std::clamp(x, kLeft, width() - 4);
    if (x == CursorX_) return;
    CursorX_ = x;
    update();
    TellValue(this, Value());
    emit OnChange(Value());
}

void TVekaRibon::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(CursorX_ - 1, 0, 2, height(), Qt::green);
    if (hasFocus()) {
        // The keys move the cursor: a frame in the highlight colour shows where they go.
        painter.setPen(palette().color(QPalette::Highlight));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TVekaRibon::keyPressEvent(QKeyEvent* event) {
    const int step = (event->modifiers() & Qt::ControlModifier) ? 8 : 1;
    switch (event->key()) {
    case Qt::Key_Left: MoveTo(CursorX_ - step); break;
    case Qt::Key_Right: MoveTo(CursorX_ + step); break;
    case Qt::Key_PageDown: MoveTo(CursorX_ - 32); break;
    case Qt::Key_PageUp: MoveTo(CursorX_ + 32); break;
    case Qt::Key_Home: MoveTo(kLeft); break;
    case Qt::Key_End: MoveTo(width() - 4); break;
    default: QWidget::keyPressEvent(event); return;
    }
    HeldKey_ = event->key();
}

void TVekaRibon::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() || event->key() != HeldKey_) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    SpringBackFromKeys();
}

void TVekaRibon::SpringBackFromKeys() {
    if (HeldKey_ == 0) return;
    HeldKey_ = 0;
    // Pitch bend played from the keys springs back when they are let go, as from the pointer.
    if (!ReturnMode) return;
    CursorX_ = CentreX();
    update();
    TellValue(this, Value());
    emit OnChange(Value());
}

void TVekaRibon::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void TVekaRibon::focusOutEvent(QFocusEvent* event) {
    SpringBackFromKeys();  // a key held while the focus went will never be heard let go
    update();
    QWidget::focusOutEvent(event);
}

void TVekaRibon::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        Dragging_ = true;
        MoveTo(int(event->position().x()));
    } else if (event->button() == Qt::RightButton) {
        MoveTo(CentreX());
    }
}

void TVekaRibon::mouseMoveEvent(QMouseEvent* event) {
    if (Dragging_ && (event->buttons() & Qt::LeftButton)) MoveTo(int(event->position().x()));
}

void TVekaRibon::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) CancelDrag();
}

void TVekaRibon::CancelDrag() {
    if (!Dragging_) return;
    Dragging_ = false;
    if (!ReturnMode) return;
    // Pitch bend springs back, and the module hears the centre even when the cursor was there.
    CursorX_ = CentreX();
    update();
    TellValue(this, Value());
    emit OnChange(Value());
}

}  // namespace veka
