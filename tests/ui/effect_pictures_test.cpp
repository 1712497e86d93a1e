// The effect pictures, checked on the pixels they draw: the equaliser's shelves and its flat
// line at the centre gain, the delay's echoes and their darker colour at zero height, the
// reverb's fades by screen depth, the chorus wave along its diagonal, and extreme values.
#include <gtest/gtest.h>

#include <set>

#include "widgets/effect_pictures.h"

namespace veka {
namespace {

const QColor kYellow(255, 255, 0), kBlue(0, 0, 255), kAqua(0, 255, 255), kTeal(0, 128, 128), kNavy(0, 0, 128);

// Every pixel of the colour, in logical coordinates.
std::vector<QPoint> PixelsOf(const TEffectPicture& picture, const QColor& colour) {
    std::vector<QPoint> found;
    for (int y = 0; y < picture.sizeHint().height(); ++y)
        for (int x = 0; x < picture.sizeHint().width(); ++x)
            if (picture.PixelAt(x, y) == colour) found.emplace_back(x, y);
    return found;
}

TEST(EffectPictures, TheEqualiserDrawsShelvesAndAFlatLineAtTheCentreGain) {
    TMGeqGS eq;
    const int centre = TMGeqGS::kHeight / 2;
    const int rise = int(std::lround(centre * 12 / 14.0));  // +-12 dB
    eq.Draw(0, 64, 0, 64);
    // Gain 64 on both bands: the curve lies on the centre line, under the blue reference.
    for (const QPoint& p : PixelsOf(eq, kYellow)) EXPECT_EQ(p.y(), centre) << p.x();
    EXPECT_EQ(eq.PixelAt(300, centre), kBlue);
    EXPECT_EQ(eq.PixelAt(0, centre), kBlue);

    // The curve of a band: 19 points ending at the centre x with the full height.
    const TEqBandCurve low = EqBandCurve(4, 76, TMGeqGS::kHeight);
    EXPECT_EQ(low.CentreX, 82);
    EXPECT_EQ(low.Points.back(), QPoint(82, centre - rise));
    EXPECT_EQ(low.Points.front().y(), centre);
    EXPECT_EQ(low.Mirror.back(), QPoint(82 - 25, centre - rise));

    // Low +12 dB at 400 Hz, high -12 dB at 6 kHz: the left edge high, the right edge low.
    eq.Draw(1, 76, 1, 52);
    EXPECT_EQ(eq.PixelAt(0, centre - rise), kYellow);
    EXPECT_EQ(eq.PixelAt(TMGeqGS::kWidth - 1, centre + rise), kYellow);
    EXPECT_EQ(eq.PixelAt(0, centre + rise), Qt::black);
    // The marker of each band: dotted grey at its centre x; the labels in red near the top.
    int marker = 0;
    for (int y = 0; y < TMGeqGS::kHeight; ++y) marker += eq.PixelAt(8 * 7 + 50, y) == QColor(128, 128, 128);
    EXPECT_GT(marker, 20);
    EXPECT_FALSE(PixelsOf(eq, QColor(255, 0, 0)).empty());
    // Gains beyond the module's range draw as its ends, inside the picture.
    eq.Draw(5, -1000, 9, 100000);
    EXPECT_EQ(eq.PixelAt(0, centre + rise), kYellow);
    EXPECT_EQ(eq.PixelAt(TMGeqGS::kWidth - 1, centre - rise), kYellow);
}

TEST(EffectPictures, DelayEchoesFallByTheFeedbackAndTurnDarkAtZeroHeight) {
    TVekaDelay delay;
    TDelayValues v;
    v.TimeCenter = 80;
    v.LevelCenter = 127;
    v.Level = 127;
    v.Feedback = 64;  // no repeats
    delay.DrawDelay(v);
    const int step = 80 / 8;  // the centre tap's echoes every 10 pixels down the diagonal
    const QPoint first = TVekaDelay::kTapC + QPoint(step, step);
    EXPECT_EQ(delay.PixelAt(first.x(), first.y()), kTeal);
    EXPECT_EQ(delay.PixelAt(first.x(), first.y() - 1), Qt::black);
    EXPECT_TRUE(PixelsOf(delay, kAqua).empty());
    // The silent left tap at a ratio of 1: its echoes a pixel apart, navy.
    EXPECT_EQ(delay.PixelAt(TVekaDelay::kTapL.x() + 1, TVekaDelay::kTapL.y() + 1), kNavy);
    // The dry line: yellow, 80 pixels up from the centre tap.
    EXPECT_EQ(delay.PixelAt(TVekaDelay::kTapC.x(), TVekaDelay::kTapC.y() - 40), kYellow);

    v.Feedback = 127;  // repeats: 0.984 of the height times the level factor each time
    delay.DrawDelay(v);
    const int h1 = TVekaDelay::EchoHeight(127, 127, 127, 1);
    EXPECT_EQ(h1, 78);
    EXPECT_LT(TVekaDelay::EchoHeight(127, 127, 127, 5), TVekaDelay::EchoHeight(127, 127, 127, 4));
    EXPECT_EQ(delay.PixelAt(first.x(), first.y() - h1 + 1), kAqua);
    EXPECT_EQ(delay.PixelAt(first.x(), first.y() - h1 - 1), Qt::black);
    // Feedback below 64 repeats too (its size counts), levels beyond 127 stop at 80 pixels.
    EXPECT_EQ(TVekaDelay::EchoHeight(127, 1, 127, 1), 78);
    EXPECT_EQ(TVekaDelay::EchoHeight(100000, 127, 127, 0), 80);
    // The side taps in blue at their ratio's step.
    v.LevelLeft = 127;
    v.RatioLeft = 24;  // 24 x 0.039 = 0.94 of the centre step
    delay.DrawDelay(v);
    const int d = int(std::lround(80 / 8.0 * 24 * 0.0390625));
    EXPECT_EQ(delay.PixelAt(TVekaDelay::kTapL.x() + d, TVekaDelay::kTapL.y() + d - 2), kBlue);
    // Extreme values draw without leaving the picture.
    delay.DrawDelay(TDelayValues{-5, 100000, -100000, 1000, 1000, 1000, 1000, 1000});
    delay.DrawDelay(TDelayValues{0, 0, 0, 0, 0, 0, 0, 0});
}

TEST(EffectPictures, TheReverbFadesOnDeepScreensOnlyAndTakesItsColourFromThePreLpf) {
    TVekaDelay reverb;
    TReverbValues v;
    v.Level = 127;
    v.Time = 64;
    v.PreLpf = 3;
    reverb.ScreenDepth = 24;
    reverb.DrawReverb(v);
    const QColor full(0, 255 - 30, 255 - 30);
    // The build-up fades in: many shades of the colour, the full one among them.
    std::set<int> greens;
    for (int y = 0; y < TVekaDelay::kSize; ++y)
        for (int x = 0; x < TVekaDelay::kSize; ++x) {
            const QColor c = reverb.PixelAt(x, y);
            if (c.red() == 0 && c.green() == c.blue() && c.green() > 0 && c != kTeal) greens.insert(c.green());
        }
    EXPECT_GT(greens.size(), 10u);
    EXPECT_TRUE(greens.count(full.green()));
    // A screen of 8 bits: the flat colour only.
    reverb.ScreenDepth = 8;
    reverb.DrawReverb(v);
    const std::vector<QPoint> flat = PixelsOf(reverb, full);
    EXPECT_GT(flat.size(), 500u);
    greens.clear();
    for (int y = 0; y < TVekaDelay::kSize; ++y)
        for (int x = 0; x < TVekaDelay::kSize; ++x) {
            const QColor c = reverb.PixelAt(x, y);
            if (c.red() == 0 && c.green() == c.blue() && c.green() > 0 && c != kTeal) greens.insert(c.green());
        }
    EXPECT_EQ(greens, (std::set<int>{full.green()}));
    // Silence draws no reverb at all; extreme values stay inside.
    v.Level = 0;
    reverb.DrawReverb(v);
    EXPECT_TRUE(PixelsOf(reverb, full).empty());
    reverb.DrawReverb(TReverbValues{100, 100000, -3, 100000});
    reverb.DrawReverb(TReverbValues{-100, 127, 0, 127});
}

TEST(EffectPictures, TheChorusWaveRunsAlongTheDiagonalAndItsRateGivesTheInterval) {
    TChorusPicture chorus;
    chorus.Draw(0, 64);
    // Depth 0: a straight line down the diagonal through the centre.
    for (int i = 0; i <= 100; i += 10) {
        const QPoint p = chorus.Wave()[size_t(i)];
        EXPECT_EQ(p, TChorusPicture::kCentre + QPoint(i - 50, i - 50)) << i;
        EXPECT_EQ(chorus.PixelAt(p.x(), p.y()), kBlue) << i;
    }
    // Full depth: the sine around it, inside the picture.
    chorus.Draw(127, 64);
    EXPECT_EQ(chorus.Wave()[25].y(), TChorusPicture::kCentre.y() - 64 - 25);
    EXPECT_EQ(chorus.Wave()[75].y(), TChorusPicture::kCentre.y() + 64 + 25);
    for (const QPoint& p : chorus.Wave()) EXPECT_TRUE(QRect(0, 0, 200, 200).contains(p)) << p.x() << "," << p.y();
    chorus.DrawWave(kAqua);
    EXPECT_EQ(chorus.PixelAt(chorus.Wave()[25].x(), chorus.Wave()[25].y()), kAqua);
    EXPECT_NEAR(TChorusPicture::RateHz(127), 15.5, 1e-9);
    EXPECT_EQ(TChorusPicture::IntervalMs(127), 65);
    EXPECT_EQ(TChorusPicture::IntervalMs(1), 8194);
    EXPECT_EQ(TChorusPicture::IntervalMs(0), 0);
    EXPECT_EQ(TChorusPicture::IntervalMs(-7), 0);
    chorus.Draw(100000, -100000);
}

}  // namespace
}  // namespace veka
