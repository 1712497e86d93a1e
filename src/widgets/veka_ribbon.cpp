#include "widgets/veka_ribbon.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace veka {

TVekaRibon::TVekaRibon(QWidget* parent) : QWidget(parent) {
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TVekaRibon::SetValue(int value) {
    const int x = std::clamp(kLeft + value / 64, kLeft, width() - 4);
    if (x == CursorX_) return;
    CursorX_ = x;
    update();
}

void TVekaRibon::MoveTo(int x) {
    x = std::clamp(x, kLeft, width() - 4);
    if (x == CursorX_) return;
    CursorX_ = x;
    update();
    emit OnChange(Value());
}

void TVekaRibon::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(CursorX_ - 1, 0, 2, height(), Qt::green);
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
    emit OnChange(Value());
}

}  // namespace veka
