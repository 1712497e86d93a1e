#include "app/led_panel.h"

#include <QPainter>
#include <QTimer>
#include <qdrawutil.h>

namespace veka {

TLEDPanel::TLEDPanel(TLEDPanelKind kind, QWidget* parent)
    : QWidget(parent), Kind_(kind), Fade_(kind), Timer_(new QTimer(this)) {
    setFixedSize(kSize, kSize);
    Timer_->setInterval(TLampFade::kTickMs);
    connect(Timer_, &QTimer::timeout, this, &TLEDPanel::Tick);
}

void TLEDPanel::Flash() {
    if (Gone_) return;
    Fade_.Flash();
    ShowFade_ = true;
    Timer_->start();  // restarts a running timer, so the next step is a full 55 ms away
    update();
}

void TLEDPanel::Tick() {
    if (!Fade_.Tick()) Timer_->stop();
    update();
}

QColor TLEDPanel::Colour() const {
    if (Gone_) return QColor(64, 64, 64);
    if (ShowFade_) {
        const TLampColour c = Fade_.Colour();
        return QColor(c.Red, c.Green, c.Blue);
    }
    if (!Active_) return palette().color(QPalette::Window);
    return Kind_ == lpkGreen ? QColor(0, 128, 0) : QColor(105, 0, 0);
}

void TLEDPanel::SetActive(bool active) {
    Active_ = active;
    // A fade in progress is not cut short: it still ends at the idle colour.
    if (!Fade_.Running()) ShowFade_ = false;
    update();
}

void TLEDPanel::SetGone(bool gone) {
    if (gone == Gone_) return;
    Gone_ = gone;
    if (gone) {
        Timer_->stop();
        ShowFade_ = false;
    }
    update();
}

void TLEDPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QBrush fill(Colour());
    qDrawShadePanel(&painter, rect(), palette(), true, 1, &fill);
    if (!Gone_) return;
    // A cross, so the state does not rest on the colour alone.
    painter.setPen(QPen(QColor(220, 220, 220), 1.5));
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF inner = QRectF(rect()).adjusted(3, 3, -3, -3);
    painter.drawLine(inner.topLeft(), inner.bottomRight());
    painter.drawLine(inner.topRight(), inner.bottomLeft());
}

}  // namespace veka
