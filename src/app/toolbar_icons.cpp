#include "app/toolbar_icons.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <numbers>

namespace veka {

namespace {

// Glyphs are designed on a 32 x 32 grid. Outlines are at least 2 units wide so that they stay
// visible when the toolbar draws them at 24 pixels.
constexpr qreal kGrid = 32.0;
const QColor kOutline(38, 42, 50);
const QColor kPaper(250, 250, 246);

QPen Outline(qreal width = 1.6) { return QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void Polygon(QPainter& p, std::initializer_list<QPointF> points, const QColor& fill) {
    p.setPen(Outline());
    p.setBrush(fill);
    p.drawPolygon(std::data(points), static_cast<int>(points.size()));
}

void DrawFolder(QPainter& p) {
    Polygon(p, {{3, 7}, {12, 7}, {14.5, 10}, {27, 10}, {27, 26}, {3, 26}}, QColor(214, 158, 36));
    Polygon(p, {{7.5, 14}, {30, 14}, {26, 26}, {3, 26}}, QColor(250, 204, 82));
}

void DrawDisk(QPainter& p) {
    Polygon(p, {{4, 4}, {24, 4}, {28, 8}, {28, 28}, {4, 28}}, QColor(47, 95, 168));
    p.setPen(Outline(1.2));
    p.setBrush(QColor(200, 206, 214));
    p.drawRect(QRectF(10, 4, 12, 8.5));
    p.setBrush(QColor(47, 95, 168));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(17.5, 5.5, 2.8, 5.5));
    p.setPen(Outline(1.2));
    p.setBrush(kPaper);
    p.drawRect(QRectF(8, 16.5, 16, 11.5));
    p.setPen(QPen(QColor(150, 156, 166), 1.4));
    p.drawLine(QPointF(10.5, 20.5), QPointF(21.5, 20.5));
    p.drawLine(QPointF(10.5, 24), QPointF(21.5, 24));
}

void DrawPatchList(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(kPaper);
    p.drawRect(QRectF(5, 3, 22, 26));
    const std::array<QColor, 4> bullets = {QColor(224, 72, 60), QColor(60, 160, 80), QColor(58, 120, 216),
                                           QColor(232, 170, 40)};
    for (int row = 0; row < 4; ++row) {
        const qreal y = 8.5 + row * 5.5;
        p.setPen(Qt::NoPen);
        p.setBrush(bullets[static_cast<std::size_t>(row)]);
        p.drawRect(QRectF(8, y - 2, 4, 4));
        p.setPen(QPen(QColor(96, 104, 118), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14.5, y), QPointF(row % 2 ? 21.5 : 24, y));
    }
}

void DrawFaders(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(QColor(64, 72, 86));
    p.drawRoundedRect(QRectF(3, 3.5, 26, 25), 3, 3);
    const std::array<qreal, 4> knobs = {11, 19, 14, 22};
    for (int i = 0; i < 4; ++i) {
        const qreal x = 8.5 + i * 5;
        p.setPen(QPen(QColor(16, 18, 22), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, 7.5), QPointF(x, 24.5));
        p.setPen(QPen(QColor(20, 22, 26), 1));
        p.setBrush(QColor(232, 234, 238));
        const qreal y = knobs[static_cast<std::size_t>(i)];
        p.drawRect(QRectF(x - 2.6, y - 2, 5.2, 4));
        p.drawLine(QPointF(x - 2, y), QPointF(x + 2, y));
    }
}

// The drum body between x0 and x0 + w, its head at top; sticks only when asked.
void DrawDrumShape(QPainter& p, qreal x0, qreal top, qreal w, qreal h, bool sticks) {
    if (sticks) {
        p.setPen(QPen(QColor(120, 78, 40), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x0 + 1, 2.5), QPointF(x0 + w * 0.42, top + 2));
        p.drawLine(QPointF(x0 + w - 1, 2.5), QPointF(x0 + w * 0.58, top + 2));
    }
    const qreal headH = w * 0.32;
    QPainterPath body;
    body.moveTo(x0, top + headH / 2);
    body.lineTo(x0, top + h - headH / 2);
    body.arcTo(QRectF(x0, top + h - headH, w, headH), 180, 180);
    body.lineTo(x0 + w, top + headH / 2);
    body.closeSubpath();
    p.setPen(Outline());
    p.setBrush(QColor(200, 56, 44));
    p.drawPath(body);
    // Lacing across the shell.
    p.setPen(QPen(QColor(250, 236, 220), 1.3));
    const int laces = 4;
    for (int i = 0; i < laces; ++i) {
        const qreal a = x0 + 1.5 + i * (w - 3) / laces;
        const qreal b = a + (w - 3) / laces;
        p.drawLine(QPointF(a, top + headH * 0.9), QPointF((a + b) / 2, top + h - headH * 0.45));
        p.drawLine(QPointF((a + b) / 2, top + h - headH * 0.45), QPointF(b, top + headH * 0.9));
    }
    p.setPen(Outline());
    p.setBrush(QColor(244, 240, 230));
    p.drawEllipse(QRectF(x0, top, w, headH));
}

void DrawDrum(QPainter& p) { DrawDrumShape(p, 4, 11, 24, 17, true); }

void DrawUserDrum(QPainter& p) {
    DrawDrumShape(p, 2, 10, 20, 15, true);
    // A person on a round badge: the user's own set.
    p.setPen(QPen(Qt::white, 1.4));
    p.setBrush(QColor(40, 120, 210));
    p.drawEllipse(QPointF(23.5, 23.5), 7.5, 7.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(23.5, 20.8), 2.6, 2.6);
    p.drawPie(QRectF(18.8, 24.2, 9.4, 8), 0, 180 * 16);
}

void DrawWaves(QPainter& p) {
    struct TWave { qreal amplitude, shift, width; QColor colour; };
    const std::array<TWave, 3> waves = {TWave{3, 5, 1.4, QColor(150, 200, 255)},
                                        TWave{5.5, 2.5, 1.9, QColor(80, 150, 240)},
                                        TWave{9, 0, 2.6, QColor(24, 90, 200)}};
    for (const TWave& w : waves) {
        QPainterPath path;
        for (int i = 0; i <= 52; ++i) {
            const qreal x = 3 + i * 0.5;
            const qreal y = 16 - w.amplitude * std::sin((x - 3 + w.shift) / 26.0 * 2 * std::numbers::pi * 1.5);
            if (i == 0) path.moveTo(x, y);
            else path.lineTo(x, y);
        }
        p.setPen(QPen(w.colour, w.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
}

void DrawMatrix(QPainter& p) {
    const qreal origin = 4, cell = 6;
    p.setPen(Outline());
    p.setBrush(kPaper);
    p.drawRect(QRectF(origin, origin, 4 * cell, 4 * cell));
    p.setPen(QPen(QColor(120, 128, 140), 1));
    for (int i = 1; i < 4; ++i) {
        p.drawLine(QPointF(origin + i * cell, origin), QPointF(origin + i * cell, origin + 4 * cell));
        p.drawLine(QPointF(origin, origin + i * cell), QPointF(origin + 4 * cell, origin + i * cell));
    }
    const std::array<QPoint, 4> links = {QPoint(0, 1), QPoint(1, 3), QPoint(2, 0), QPoint(3, 2)};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 120, 24));
    for (const QPoint& link : links)
        p.drawEllipse(QPointF(origin + (link.x() + 0.5) * cell, origin + (link.y() + 0.5) * cell), 2.2, 2.2);
}

void DrawPianoKeys(QPainter& p) {
    const qreal left = 2, top = 7, width = 28, height = 19, key = width / 5;
    p.setPen(Outline(1.3));
    p.setBrush(kPaper);
    for (int i = 0; i < 5; ++i) p.drawRect(QRectF(left + i * key, top, key, height));
    p.setBrush(QColor(20, 20, 24));
    for (int after : {1, 2, 4}) p.drawRect(QRectF(left + after * key - 1.8, top, 3.6, height * 0.6));
}

void DrawDinSocket(QPainter& p) {
    const QPointF centre(16, 16.5);
    p.setPen(Outline());
    p.setBrush(QColor(150, 158, 170));
    p.drawEllipse(centre, 13, 13);
    p.setBrush(QColor(28, 30, 36));
    p.drawEllipse(centre, 9.8, 9.8);
    // The key notch at the top of the socket.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 158, 170));
    p.drawRect(QRectF(14.5, 6, 3, 3.2));
    // Five pins on the lower half circle, as on the panel of a sound module.
    p.setBrush(QColor(232, 196, 90));
    for (int i = 0; i < 5; ++i) {
        const qreal angle = std::numbers::pi * i / 4;  // right, lower right, bottom, lower left, left
        p.drawEllipse(centre + QPointF(6.2 * std::cos(angle), 6.2 * std::sin(angle) - 1), 1.7, 1.7);
    }
}

void DrawColumns(QPainter& p) {
    const QRectF table(3, 5, 26, 22);
    p.setPen(Qt::NoPen);
    p.setBrush(kPaper);
    p.drawRect(table);
    p.setBrush(QColor(255, 228, 130));
    p.drawRect(QRectF(16, 10, 7, 17));
    p.setBrush(QColor(74, 112, 168));
    p.drawRect(QRectF(3, 5, 26, 5));
    p.setPen(QPen(QColor(120, 128, 140), 1));
    for (qreal x : {9.5, 16.0, 23.0}) p.drawLine(QPointF(x, 10), QPointF(x, 27));
    for (qreal y : {15.5, 21.0}) p.drawLine(QPointF(3, y), QPointF(29, y));
    p.setPen(Outline());
    p.setBrush(Qt::NoBrush);
    p.drawRect(table);
}

QPainterPath Gear(QPointF centre, qreal outer, qreal inner, qreal hole, int teeth) {
    QPainterPath path;
    const int steps = teeth * 4;
    for (int i = 0; i < steps; ++i) {
        // Each tooth: two points on the outer radius, two on the inner one.
        const qreal radius = (i % 4 < 2) ? outer : inner;
        const qreal angle = 2 * std::numbers::pi * (i + 0.5) / steps;
        const QPointF point = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        if (i == 0) path.moveTo(point);
        else path.lineTo(point);
    }
    path.closeSubpath();
    path.addEllipse(centre, hole, hole);
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

void DrawGears(QPainter& p) {
    p.setPen(Outline(1.4));
    p.setBrush(QColor(136, 148, 164));
    p.drawPath(Gear(QPointF(12.5, 12.5), 10.5, 7.5, 3, 8));
    p.setBrush(QColor(96, 110, 130));
    p.drawPath(Gear(QPointF(23, 23), 7.5, 5.2, 2, 6));
}

void DrawCopy(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(QColor(214, 220, 228));
    p.drawRect(QRectF(4, 3, 15, 19));
    p.setBrush(kPaper);
    p.drawRect(QRectF(12, 10, 16, 19));
    p.setPen(QPen(QColor(96, 104, 118), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (qreal y : {15.0, 19.0, 23.0}) p.drawLine(QPointF(15, y), QPointF(y < 22 ? 25 : 21, y));
}

void DrawHistory(QPainter& p) {
    p.setPen(QPen(QColor(90, 98, 112), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3, 5), QPointF(18, 5));
    p.drawLine(QPointF(3, 10.5), QPointF(13, 10.5));
    p.drawLine(QPointF(3, 16), QPointF(9, 16));
    const QPointF centre(20.5, 20.5);
    p.setPen(Outline());
    p.setBrush(kPaper);
    p.drawEllipse(centre, 10, 10);
    p.setPen(QPen(kOutline, 1.2));
    for (int hour = 0; hour < 12; hour += 3) {
        const qreal angle = std::numbers::pi * hour / 6;
        const QPointF direction(std::sin(angle), -std::cos(angle));
        p.drawLine(centre + direction * 7.5, centre + direction * 9);
    }
    p.setPen(QPen(kOutline, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(0, -6.5));
    p.setPen(QPen(QColor(200, 56, 44), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(5, 1.5));
}

void DrawGlyph(QPainter& p, TToolIcon icon) {
    switch (icon) {
        case TToolIcon::Open: DrawFolder(p); break;
        case TToolIcon::Save: DrawDisk(p); break;
        case TToolIcon::Patch: DrawPatchList(p); break;
        case TToolIcon::Part: DrawFaders(p); break;
        case TToolIcon::Drum: DrawDrum(p); break;
        case TToolIcon::UserDrum: DrawUserDrum(p); break;
        case TToolIcon::Effect: DrawWaves(p); break;
        case TToolIcon::Matrix: DrawMatrix(p); break;
        case TToolIcon::Keyboard: DrawPianoKeys(p); break;
        case TToolIcon::MidiPort: DrawDinSocket(p); break;
        case TToolIcon::PartCustom: DrawColumns(p); break;
        case TToolIcon::OtherOptions: DrawGears(p); break;
        case TToolIcon::Copy: DrawCopy(p); break;
        case TToolIcon::History: DrawHistory(p); break;
    }
}

// A transparent square of size pixels whose painter draws in design units of `units`.
template <typename Draw>
QPixmap Render(int size, qreal units, Draw draw) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / units, size / units);
    draw(painter);
    return pixmap;
}

// The white and black keys of a keyboard strip in rect, one octave per 7 white keys.
void DrawKeyboardStrip(QPainter& p, const QRectF& rect, int whiteKeys) {
    const qreal key = rect.width() / whiteKeys;
    QLinearGradient ivory(rect.topLeft(), rect.bottomLeft());
    ivory.setColorAt(0, QColor(236, 238, 242));
    ivory.setColorAt(1, QColor(190, 196, 208));
    p.setPen(QPen(QColor(40, 46, 60), 1));
    p.setBrush(ivory);
    for (int i = 0; i < whiteKeys; ++i) p.drawRect(QRectF(rect.left() + i * key, rect.top(), key, rect.height()));
    QLinearGradient ebony(rect.topLeft(), rect.bottomLeft());
    ebony.setColorAt(0, QColor(10, 12, 18));
    ebony.setColorAt(1, QColor(52, 58, 72));
    p.setBrush(ebony);
    for (int i = 1; i < whiteKeys; ++i) {
        const int degree = i % 7;  // a black key after C, D, F, G and A
        if (degree == 3 || degree == 0) continue;
        p.drawRect(QRectF(rect.left() + i * key - key * 0.3, rect.top(), key * 0.6, rect.height() * 0.6));
    }
}

}  // namespace

QPixmap DisabledForm(const QPixmap& pixmap) {
    // Grey and faint, so that a command that cannot run looks so whatever the style does.
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = 128 + qGray(line[x]) / 3;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) * 2 / 5);
        }
    }
    QPixmap result = QPixmap::fromImage(image);
    result.setDevicePixelRatio(pixmap.devicePixelRatio());
    return result;
}

QIcon ToolbarIcon(TToolIcon icon) {
    QIcon result;
    for (int size : {16, 24, 32, 48}) {
        const QPixmap normal = Render(size, kGrid, [icon](QPainter& p) { DrawGlyph(p, icon); });
        result.addPixmap(normal, QIcon::Normal);
        result.addPixmap(DisabledForm(normal), QIcon::Disabled);
    }
    return result;
}

QIcon AppIcon() {
    QIcon result;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        result.addPixmap(Render(size, 64, [](QPainter& p) {
            QLinearGradient ground(0, 0, 0, 64);
            ground.setColorAt(0, QColor(34, 56, 104));
            ground.setColorAt(1, QColor(10, 14, 30));
            p.setPen(Qt::NoPen);
            p.setBrush(ground);
            p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
            QLinearGradient glow(0, 8, 0, 36);
            glow.setColorAt(0, QColor(120, 220, 255));
            glow.setColorAt(1, QColor(40, 140, 230));
            p.setPen(QPen(QBrush(glow), 7.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(QPolygonF({QPointF(15, 10), QPointF(32, 34), QPointF(49, 10)}));
            DrawKeyboardStrip(p, QRectF(9, 40, 46, 15), 7);
        }));
    }
    return result;
}

QPixmap SplashPicture() {
    constexpr int width = 400, height = 240;
    QPixmap pixmap(width, height);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient ground(0, 0, 0, height);
    ground.setColorAt(0, QColor(30, 46, 84));
    ground.setColorAt(0.65, QColor(10, 14, 28));
    ground.setColorAt(1, QColor(4, 6, 12));
    p.fillRect(pixmap.rect(), ground);
    QRadialGradient light(QPointF(90, 40), 220);
    light.setColorAt(0, QColor(90, 140, 220, 70));
    light.setColorAt(1, QColor(90, 140, 220, 0));
    p.fillRect(pixmap.rect(), light);

    // A fading waveform behind the name.
    for (int layer = 0; layer < 2; ++layer) {
        QPainterPath wave;
        for (int x = 0; x <= width; x += 2) {
            const qreal envelope = std::exp(-x / 260.0) * (layer ? 14 : 24);
            const qreal y = 92 + envelope * std::sin(x / (layer ? 9.0 : 14.0) + layer);
            if (x == 0) wave.moveTo(x, y);
            else wave.lineTo(x, y);
        }
        p.setPen(QPen(QColor(90, 200, 255, layer ? 70 : 120), layer ? 1.2 : 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave);
    }

    QFont nameFont(QStringLiteral("Sans Serif"));
    nameFont.setPixelSize(88);
    nameFont.setBold(true);
    nameFont.setItalic(true);
    QPainterPath name;
    name.addText(QPointF(26, 112), nameFont, QStringLiteral("Veka"));
    QLinearGradient nameFill(0, 40, 0, 112);
    nameFill.setColorAt(0, QColor(255, 255, 255));
    nameFill.setColorAt(1, QColor(140, 200, 255));
    p.setPen(QPen(QColor(8, 16, 40), 2));
    p.setBrush(nameFill);
    p.drawPath(name);

    QFont subtitleFont(QStringLiteral("Sans Serif"));
    subtitleFont.setPixelSize(15);
    p.setFont(subtitleFont);
    p.setPen(QColor(170, 190, 224));
    p.drawText(QPointF(30, 138), QStringLiteral("GS Sound Module Editor"));

    DrawKeyboardStrip(p, QRectF(-6, 152, width + 12, 44), 29);
    // Let the keys fade into the ground at both ends.
    QLinearGradient fade(0, 0, width, 0);
    fade.setColorAt(0, QColor(10, 14, 28, 230));
    fade.setColorAt(0.18, QColor(10, 14, 28, 0));
    fade.setColorAt(0.82, QColor(10, 14, 28, 0));
    fade.setColorAt(1, QColor(10, 14, 28, 230));
    p.fillRect(QRectF(0, 151, width, 46), fade);
    p.setPen(QPen(QColor(90, 200, 255, 160), 1.5));
    p.drawLine(QPointF(0, 151), QPointF(width, 151));
    return pixmap;
}

}  // namespace veka
