#include "widgets/veka_cursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <array>

namespace veka {
namespace {

constexpr int kSize = 32;

// Black shapes with a white rim read on light and dark backgrounds alike.
void Stroke(QPainter& painter, const QPainterPath& path) {
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::black);
    painter.drawPath(path);
}

QPixmap Blank() {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPainterPath UpDownArrow(qreal centreX) {
    QPainterPath path;
    path.moveTo(centreX, 3);
    path.lineTo(centreX + 6, 10);
    path.lineTo(centreX + 2, 10);
    path.lineTo(centreX + 2, 22);
    path.lineTo(centreX + 6, 22);
    path.lineTo(centreX, 29);
    path.lineTo(centreX - 6, 22);
    path.lineTo(centreX - 2, 22);
    path.lineTo(centreX - 2, 10);
    path.lineTo(centreX - 6, 10);
    path.closeSubpath();
    return path;
}

QCursor MakeUpDown(bool tens) {
    QPixmap pixmap = Blank();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal centreX = tens ? 9 : 16;
    Stroke(painter, UpDownArrow(centreX));
    if (tens) {
        // "10" drawn with strokes: no font has to be present for the cursor to read.
        QPainterPath digits;
        digits.moveTo(19, 14);
        digits.lineTo(21, 12);
        digits.lineTo(21, 21);
        digits.addEllipse(QRectF(24, 12, 5, 9));
        painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(digits);
        painter.setPen(QPen(Qt::black, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(digits);
    }
    painter.end();
    return QCursor(pixmap, static_cast<int>(centreX), kSize / 2);
}

QCursor MakeFinger() {
    QPixmap pixmap = Blank();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(10, 3, 5, 16), 2.5, 2.5);   // the pointing finger
    hand.addRoundedRect(QRectF(8, 15, 16, 13), 4, 4);      // the fist
    Stroke(painter, hand.simplified());
    // The knuckles of the folded fingers, in white on the black fist.
    painter.setPen(QPen(Qt::white, 1));
    for (int x : {16, 20}) painter.drawLine(x, 17, x, 21);
    painter.end();
    return QCursor(pixmap, 12, 3);
}

QCursor MakeSpeaker() {
    QPixmap pixmap = Blank();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath box;
    box.moveTo(3, 12);
    box.lineTo(8, 12);
    box.lineTo(15, 5);
    box.lineTo(15, 27);
    box.lineTo(8, 20);
    box.lineTo(3, 20);
    box.closeSubpath();
    Stroke(painter, box);
    QPainterPath waves;
    waves.arcMoveTo(QRectF(12, 10, 8, 12), 50);
    waves.arcTo(QRectF(12, 10, 8, 12), 50, -100);
    waves.arcMoveTo(QRectF(12, 5, 16, 22), 50);
    waves.arcTo(QRectF(12, 5, 16, 22), 50, -100);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(waves);
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(waves);
    painter.end();
    return QCursor(pixmap, 3, 16);
}

}  // namespace

const QCursor& VekaCursor(TVekaCursor which) {
    // Allocated once and never freed: a QPixmap must not outlive the application object, and
    // static destructors run after it is gone.
    static const std::array<const QCursor*, 4> cursors = {
        new QCursor(MakeFinger()), new QCursor(MakeUpDown(false)), new QCursor(MakeUpDown(true)),
        new QCursor(MakeSpeaker())};
    return *cursors[static_cast<size_t>(which)];
}

}  // namespace veka
