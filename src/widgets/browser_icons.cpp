#include "widgets/browser_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace veka {

namespace {

using TDraw = std::function<void(QPainter&)>;

QIcon Rendered(const TDraw& draw) {
    QIcon icon;
    for (const int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 32.0, size / 32.0);
        draw(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void Folder(QPainter& p) {
    p.setPen(QPen(QColor(150, 110, 20), 1.5));
    p.setBrush(QColor(250, 205, 80));
    QPainterPath path;
    path.moveTo(3, 9);
    path.lineTo(12, 9);
    path.lineTo(15, 12);
    path.lineTo(29, 12);
    path.lineTo(29, 27);
    path.lineTo(3, 27);
    path.closeSubpath();
    p.drawPath(path);
    p.setBrush(QColor(255, 225, 120));
    p.drawRect(QRectF(3, 15, 26, 12));
}

void Note(QPainter& p, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(6, 20, 10, 8));
    p.drawRect(QRectF(14, 5, 2.5, 19));
    QPainterPath flag;
    flag.moveTo(16.5, 5);
    flag.cubicTo(24, 8, 27, 12, 23, 18);
    flag.cubicTo(24, 13, 21, 11, 16.5, 10);
    flag.closeSubpath();
    p.drawPath(flag);
}

// A short keyboard in the map's colour: the tone of that map.
void Keys(QPainter& p, const QColor& colour) {
    p.setPen(QPen(colour.darker(160), 1.5));
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(2, 5, 28, 22), 3, 3);
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    for (int i = 0; i < 4; ++i) p.drawRect(QRectF(5 + i * 5.5, 11, 5.5, 13));
    p.setBrush(QColor(30, 30, 30));
    for (const qreal x : {9.0, 14.5, 20.0}) p.drawRect(QRectF(x, 11, 3, 7));
}

void Drum(QPainter& p, const QColor& shell, const QColor& head) {
    p.setPen(QPen(shell.darker(170), 1.5));
    p.setBrush(shell);
    p.drawRect(QRectF(5, 12, 22, 12));
    p.drawEllipse(QRectF(5, 19, 22, 9));
    p.setBrush(head);
    p.drawEllipse(QRectF(5, 7, 22, 9));
    p.setPen(QPen(QColor(120, 80, 40), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 3), QPointF(17, 11));
    p.drawLine(QPointF(24, 3), QPointF(19, 11));
}

void Up(QPainter& p) {
    Folder(p);
    p.setPen(QPen(QColor(20, 120, 40), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(16, 25), QPointF(16, 15));
    p.drawPolyline(QPolygonF({QPointF(11, 19), QPointF(16, 14), QPointF(21, 19)}));
}

void Grid(QPainter& p, int cells, bool lines) {
    p.setPen(QPen(QColor(40, 70, 140), 1.5));
    p.setBrush(QColor(200, 215, 245));
    const qreal cell = 26.0 / cells;
    for (int y = 0; y < cells; ++y)
        for (int x = 0; x < (lines ? 1 : cells); ++x)
            p.drawRect(QRectF(3 + x * cell, 3 + y * cell, lines ? 26 : cell - 2, cell - 2));
}

void PlusMinus(QPainter& p, bool plus) {
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5, 5, 22, 22));
    p.setPen(QPen(QColor(20, 60, 150), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 16), QPointF(22, 16));
    if (plus) p.drawLine(QPointF(16, 10), QPointF(16, 22));
}

void Magnifier(QPainter& p) {
    p.setPen(QPen(QColor(50, 50, 50), 3));
    p.setBrush(QColor(210, 235, 255));
    p.drawEllipse(QRectF(4, 4, 17, 17));
    p.setPen(QPen(QColor(120, 70, 30), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 20), QPointF(28, 28));
}

}  // namespace

QColor ToneMapColor(int toneMap) {
    switch (toneMap) {
        case 1: return QColor(140, 140, 150);
        case 2: return QColor(60, 110, 210);
        case 3: return QColor(40, 160, 90);
        case 4: return QColor(225, 130, 30);
        default: return QColor(120, 120, 120);
    }
}

QIcon BrowserIcon(TItemImage image) {
    switch (image) {
        case imUp: return Rendered(Up);
        case imFolder: return Rendered(Folder);
        case imProgram: return Rendered([](QPainter& p) { Note(p, QColor(40, 60, 160)); });
        case imTone55:
        case imTone88:
        case imTone88Pro:
        case imTone8850: {
            const QColor colour = ToneMapColor(image - imTone55 + 1);
            return Rendered([colour](QPainter& p) { Keys(p, colour); });
        }
        case imDrumKit: return Rendered([](QPainter& p) { Drum(p, QColor(200, 40, 40), QColor(245, 240, 225)); });
        case imUserDrum: return Rendered([](QPainter& p) { Drum(p, QColor(130, 60, 180), QColor(245, 240, 225)); });
        default: return {};
    }
}

QIcon BrowserToolIcon(TBrowserTool tool) {
    switch (tool) {
        case TBrowserTool::ExpandAll: return Rendered([](QPainter& p) { PlusMinus(p, true); });
        case TBrowserTool::CollapseAll: return Rendered([](QPainter& p) { PlusMinus(p, false); });
        case TBrowserTool::LargeIcons: return Rendered([](QPainter& p) { Grid(p, 2, false); });
        case TBrowserTool::SmallIcons: return Rendered([](QPainter& p) { Grid(p, 3, false); });
        case TBrowserTool::Details: return Rendered([](QPainter& p) { Grid(p, 4, true); });
        case TBrowserTool::Search: return Rendered(Magnifier);
    }
    return {};
}

}  // namespace veka
