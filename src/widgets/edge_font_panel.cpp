#include "widgets/edge_font_panel.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "widgets/control_accessibles.h"

namespace veka {

namespace {

// The right-click cycle of title colours.
const std::array<QColor, 8>& CycleColors() {
    static const std::array<QColor, 8> colors = {
        QColor(0, 0, 255),      // blue
        QColor(0, 128, 0),      // green
        QColor(128, 0, 0),      // maroon
        QColor(128, 128, 0),    // olive
        QColor(0, 128, 128),    // teal
        QColor(128, 0, 128),    // purple
        QColor(192, 192, 192),  // silver
        QColor(128, 128, 128),  // grey
    };
    return colors;
}

// Channel i of 256 steps from first to second, truncated.
int Blend(int first, int second, int i) { return int(first - double(i) * (first - second) / 255.0); }

}  // namespace

TEdgeFontPanel::TEdgeFontPanel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetColarray(StartColor_, EndColor_, 2);
    InstallControlAccessibility();
}

void TEdgeFontPanel::SetCaption(const QString& caption) {
    if (caption == Caption_) return;
    Caption_ = caption;
    update();
    // A screen reader reads the panel as its caption (what the focused cell holds, mostly).
    if (QAccessible::isActive() && accessibleName().isEmpty()) {
        QAccessibleEvent change(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&change);
    }
}

void TEdgeFontPanel::SetStartColor(const QColor& color) {
    StartColor_ = color;
    SetColarray(StartColor_, EndColor_, 2);
    UpdateBack();
    update();
}

void TEdgeFontPanel::SetEndColor(const QColor& color) {
    EndColor_ = color;
    SetColarray(StartColor_, EndColor_, 2);
    UpdateBack();
    update();
}

void TEdgeFontPanel::SetGradient(bool gradient) {
    Gradient_ = gradient;
    UpdateBack();
    update();
}

void TEdgeFontPanel::SetCaptionAtTop(bool top) {
    CaptionAtTop_ = top;
    update();
}

QColor TEdgeFontPanel::NextCycleColor(const QColor& color) {
    const auto& cycle = CycleColors();
    for (size_t i = 0; i < cycle.size(); ++i)
        if (cycle[i].rgb() == color.rgb()) return cycle[(i + 1) % cycle.size()];
    return cycle[0];
}

void TEdgeFontPanel::SetColarray(const QColor& a, const QColor& b, int mode) {
    if (mode < 0 || mode > 3) return;
    const QColor& first = (mode == 0 || mode == 2) ? a : b;
    const QColor& second = (mode == 0 || mode == 2) ? b : a;
    Colarray_[0] = first.rgb();
    for (int i = 1; i < 255; ++i)
        Colarray_[size_t(i)] = qRgb(Blend(first.red(), second.red(), i), Blend(first.green(), second.green(), i),
                                    Blend(first.blue(), second.blue(), i));
    Colarray_[255] = second.rgb();
}

void TEdgeFontPanel::UpdateBack() {
    const int w = std::max(1, width() - 2);
    const int h = std::max(1, height() - 2);
    Back_ = QPixmap(w, h);
    if (!Gradient_) {
        Back_.fill(StartColor_);
        return;
    }
    Back_.fill(QColor::fromRgb(Colarray_[255]));
    QPainter painter(&Back_);
    const int stripe = w / 255 + 1;
    for (int i = 0; i < 256; ++i) painter.fillRect(i * w / 255, 0, stripe, h, QColor::fromRgb(Colarray_[size_t(i)]));
}

void TEdgeFontPanel::paintEvent(QPaintEvent*) {
    if (Back_.width() != std::max(1, width() - 2) || Back_.height() != std::max(1, height() - 2)) UpdateBack();
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawPixmap(1, 1, Back_);

    const QFontMetrics metrics(font());
    const int top = CaptionAtTop_ ? 8 : (height() - metrics.height()) / 2 - 1;
    const int x = 8;
    const int baseline = top + metrics.ascent();
    // Black at the four corners of a 2-pixel square, white in its middle: an edged caption.
    painter.setFont(font());
    painter.setPen(Qt::black);
    for (const QPoint offset : {QPoint(0, 0), QPoint(0, 2), QPoint(2, 0), QPoint(2, 2)})
        painter.drawText(x + offset.x(), baseline + offset.y(), Caption_);
    painter.setPen(Qt::white);
    painter.drawText(x + 1, baseline + 1, Caption_);
}

void TEdgeFontPanel::resizeEvent(QResizeEvent* event) {
    UpdateBack();
    QWidget::resizeEvent(event);
}

void TEdgeFontPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        SetStartColor(NextCycleColor(StartColor_));
        event->accept();
        return;
    }
    LeftPressed_ = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void TEdgeFontPanel::contextMenuEvent(QContextMenuEvent* event) {
    // The right button belongs to the colour cycle; the window's pop-up menu stays away.
    event->accept();
}

void TEdgeFontPanel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = LeftPressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    LeftPressed_ = false;
    QWidget::mouseReleaseEvent(event);
    if (click) emit clicked();
}

}  // namespace veka
