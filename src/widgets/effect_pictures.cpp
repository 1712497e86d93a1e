#include "widgets/effect_pictures.h"

#include "widgets/control_accessibles.h"

#include <QFont>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace veka {

namespace {

int Round(double v) { return int(std::lround(v)); }

const QColor kAqua(0, 255, 255), kTeal(0, 128, 128), kBlue(0, 0, 255), kNavy(0, 0, 128);
const QColor kGrey(128, 128, 128), kYellow(255, 255, 0), kRed(255, 0, 0);

QFont SmallFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    return font;
}

// Three axes in perspective: level upwards, time down the diagonal, the taps across.
void DrawAxes(QPainter& p) {
    p.setPen(kGrey);
    p.setFont(SmallFont());
    const QPoint origin(20, 130);
    p.drawLine(origin, origin + QPoint(0, -110));
    p.drawLine(origin, origin + QPoint(69, 69));
    p.drawLine(origin, origin + QPoint(100, -67));
    // "Level" runs up its axis, on the left where no tap draws.
    p.save();
    p.translate(origin.x() - 4, origin.y() - 40);
    p.rotate(-90);
    p.drawText(QRect(0, -16, 70, 16), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Level"));
    p.restore();
    p.drawText(QRect(origin.x() + 40, 180, 60, 16), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Time"));
}

void DrawDry(QPainter& p, const QPoint& at) {
    p.setPen(kYellow);
    p.drawLine(at, at - QPoint(0, 80));
    p.drawText(QRect(at.x() - 43, at.y() - 80, 40, 16), Qt::AlignRight | Qt::AlignTop, QStringLiteral("Dry"));
}

}  // namespace

// TEffectPicture -------------------------------------------------------------------------

TEffectPicture::TEffectPicture(const QSize& size, QWidget* parent) : QWidget(parent), Size_(size) {
    setFixedSize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
    Fresh();
    InstallControlAccessibility();
}

QImage& TEffectPicture::Fresh() {
    const qreal ratio = std::max<qreal>(1.0, devicePixelRatioF());
    const QSize pixels(int(std::ceil(Size_.width() * ratio)), int(std::ceil(Size_.height() * ratio)));
    if (Picture_.size() != pixels) Picture_ = QImage(pixels, QImage::Format_RGB32);
    Picture_.setDevicePixelRatio(ratio);
    Picture_.fill(Qt::black);
    update();
    return Picture_;
}

QColor TEffectPicture::PixelAt(int x, int y) const {
    const qreal ratio = Picture_.devicePixelRatio();
    const QPoint at(int(x * ratio), int(y * ratio));
    return Picture_.valid(at) ? Picture_.pixelColor(at) : QColor(Qt::black);
}

void TEffectPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(QPoint(0, 0), Picture_);
}

// Equaliser ------------------------------------------------------------------------------

TEqBandCurve EqBandCurve(int step, int gain, int height) {
    TEqBandCurve curve;
    curve.CentreX = 8 * step + 50;
    curve.CentreY = height / 2;
    // The module takes gains of 52..76 (-12..+12 dB) only.
    const int g = 64 - std::clamp(gain, 52, 76);
    const double scale = curve.CentreY / 14.0 * g / 200.0;
    int x = curve.CentreX - Round(64 * 0.8);
    for (size_t i = 0; i < curve.Points.size(); ++i) {
        x += Round(double(curve.CentreX - x) / double(19 - int(i)));
        const int y = Round(kCurveShape[i] * scale) + curve.CentreY;
        curve.Points[i] = QPoint(x, y);
        curve.Mirror[i] = QPoint(2 * curve.CentreX - x - 25, y);
    }
    return curve;
}

TMGeqGS::TMGeqGS(QWidget* parent) : TEffectPicture(QSize(kWidth, kHeight), parent) {
    setObjectName("MGeqGS1");
    Draw(0, 64, 0, 64);
}

void TMGeqGS::Draw(int lowFreq, int lowGain, int highFreq, int highGain) {
    QImage& image = Fresh();
    QPainter p(&image);
    p.setFont(SmallFont());
    struct TBand {
        bool Low;
        int Step;
        int Gain;
        const char* Label;
    };
    const TBand bands[2] = {
        {true, lowFreq == 1 ? 7 : 4, lowGain, lowFreq == 1 ? "400Hz" : "200Hz"},
        {false, highFreq == 1 ? 19 : 16, highGain, highFreq == 1 ? "6KHz" : "3KHz"},
    };
    for (const TBand& band : bands) {
        const TEqBandCurve curve = EqBandCurve(band.Step, band.Gain, kHeight);
        p.setPen(kRed);
        p.drawText(QPoint(curve.CentreX + 2, 2 + p.fontMetrics().ascent()), QString::fromLatin1(band.Label));
        p.setPen(QPen(kGrey, 1, Qt::DotLine));
        p.drawLine(curve.CentreX, 0, curve.CentreX, kHeight - 1);
        p.setPen(kYellow);
        QPolygon line;
        if (band.Low) {
            // The shelf below the frequency: the mirrored half, then level to the left edge.
            for (const QPoint& point : curve.Mirror) line << point;
            line << QPoint(0, curve.Mirror.back().y());
        } else {
            for (const QPoint& point : curve.Points) line << point + QPoint(25, 0);
            line << QPoint(kWidth - 1, curve.Points.back().y());
        }
        p.drawPolyline(line);
    }
    p.setPen(kBlue);
    p.drawLine(0, kHeight / 2, kWidth - 1, kHeight / 2);
}

// Delay and reverb -----------------------------------------------------------------------

TVekaDelay::TVekaDelay(QWidget* parent) : TEffectPicture(QSize(kSize, kSize), parent) {
    setObjectName("VekaDelay1");
}

int TVekaDelay::EchoHeight(int level, int feedback, int delayLevel, int echo) {
    const double fb = std::min(0.99, std::abs(std::clamp(feedback, 0, 127) - 64) / 64.0);
    const double factor = std::clamp(delayLevel, 0, 127) / 128.0;
    int h = std::min(80, Round(std::clamp(level, 0, 127) * 0.6299212598));
    for (int i = 1; i <= echo; ++i) h = Round(h * fb * factor);
    return h;
}

void TVekaDelay::DrawDelay(const TDelayValues& v) {
    QImage& image = Fresh();
    QPainter p(&image);
    DrawAxes(p);
    DrawDry(p, kTapC);
    const int time = std::clamp(v.TimeCenter, 0, 127);
    struct TTap {
        QPoint Origin;
        int Level;
        double Ratio;
        QColor Color, Dark;
        char Letter;
    };
    const TTap taps[3] = {
        {kTapL, v.LevelLeft, std::clamp(v.RatioLeft, 0, 127) * 0.0390625, kBlue, kNavy, 'L'},
        {kTapC, v.LevelCenter, 1.0, kAqua, kTeal, 'C'},
        {kTapR, v.LevelRight, std::clamp(v.RatioRight, 0, 127) * 0.0390625, kBlue, kNavy, 'R'},
    };
    p.setFont(SmallFont());
    for (const TTap& tap : taps) {
        const int d = std::max(1, Round(time / 8.0 * tap.Ratio));
        for (int i = 1; i <= 24; ++i) {
            const QPoint at = tap.Origin + QPoint(d * i, d * i);
            if (at.x() >= kSize && at.y() >= kSize) continue;
            const int h = EchoHeight(tap.Level, v.Feedback, v.Level, i);
            p.setPen(h > 0 ? tap.Color : tap.Dark);
            p.drawLine(at, at - QPoint(0, h));
            if (i == 1) p.drawText(at + QPoint(3, -2), QString(QChar::fromLatin1(tap.Letter)));
        }
    }
}

void TVekaDelay::DrawReverb(const TReverbValues& v) {
    QImage& image = Fresh();
    QPainter p(&image);
    DrawAxes(p);
    DrawDry(p, kTapC);
    const int h0 = Round(std::clamp(v.Level, 0, 127) * 80 / 128.0);
    if (h0 == 0) return;  // no reverb sound: nothing but the dry line
    const int predelay = std::clamp(v.Predelay, 0, 127) / 3;
    QPoint start = kTapC + QPoint(predelay, predelay);
    const int lpf = std::clamp(v.PreLpf, 0, 7) * 10;
    const QColor colour(0, 255 - lpf, 255 - lpf);
    const bool fades = ScreenDepth >= 16;
    auto shade = [&](int part) {
        if (!fades) return colour;
        return QColor(colour.red() * part / 19, colour.green() * part / 19, colour.blue() * part / 19);
    };
    auto quad = [&](const QPoint& origin, int from, int to, int h1, int h2, const QColor& c) {
        const QPoint a = origin + QPoint(from, from), b = origin + QPoint(to, to);
        const QPolygon shape({a, b, b - QPoint(0, h2), a - QPoint(0, h1)});
        p.setPen(c);
        p.setBrush(c);
        p.drawPolygon(shape);
    };
    const int time = std::clamp(v.Time, 0, 127);
    const int s1 = std::max(1, Round(time / 32.0));
    for (int i = 1; i <= 18; ++i)
        quad(start, i * s1, (i + 1) * s1, h0 * kCurveShape[size_t(i - 1)] / 200, h0 * kCurveShape[size_t(i)] / 200,
             shade(i));
    start += QPoint(19 * s1, 19 * s1);
    const int s2 = std::max(1, Round(time / 8.0));
    double height = h0;
    for (int k = 0; k < 19; ++k) {
        const double next = height * kCurveShape[size_t(18 - k)] / 200.0;
        if (start.x() + k * s2 >= kSize && start.y() + k * s2 >= kSize) break;
        quad(start, k * s2, (k + 1) * s2, Round(height), Round(next), shade(19 - k));
        height = next;
    }
}

// Chorus ---------------------------------------------------------------------------------

TChorusPicture::TChorusPicture(QWidget* parent) : TEffectPicture(QSize(kSize, kSize), parent) {
    setObjectName("ChorusImage");
}

double TChorusPicture::RateHz(int rate) { return std::clamp(rate, 0, 127) * 15.5 / 127.0; }

int TChorusPicture::IntervalMs(int rate) {
    const double hz = RateHz(rate);
    return hz > 0 ? std::max(1, Round(1000.0 / hz)) : 0;
}

void TChorusPicture::Draw(int depth, int rate) {
    const double d = std::clamp(depth, 0, 127) / 127.0;
    for (int i = 0; i <= 100; ++i) {
        const int w = Round(64 - 64 * std::sin(2 * std::numbers::pi * i / 100.0));
        Wave_[size_t(i)] = QPoint(kCentre.x() - 50 + i, kCentre.y() + Round(w * d) + Round((1 - d) * 64) - 64 + i - 50);
    }
    QImage& image = Fresh();
    QPainter p(&image);
    p.setPen(kGrey);
    for (const QPoint& at : {Wave_.front(), Wave_[50], Wave_.back()}) {
        p.drawLine(at + QPoint(-60, 40), at + QPoint(60, -40));
        p.drawLine(at + QPoint(0, -80), at + QPoint(0, 80));
    }
    // The text on black of its own, so that no axis runs through it.
    p.setFont(SmallFont());
    const QString text = QStringLiteral("Rate : %1 Hz     ").arg(RateHz(rate), 0, 'f', 2);
    const QRect box(10, kSize - 20, p.fontMetrics().horizontalAdvance(text), p.fontMetrics().height());
    p.fillRect(box, Qt::black);
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
    p.end();
    DrawWave(kBlue);
}

void TChorusPicture::DrawWave(const QColor& color) {
    QImage& image = Canvas();
    QPainter p(&image);
    p.setPen(color);
    p.drawPolyline(Wave_.data(), int(Wave_.size()));
    update();
}

}  // namespace veka
