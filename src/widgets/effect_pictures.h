#pragma once
// The pictures of the effect window: the two-band equaliser curve (TMGeqGS), the echo pattern
// of the delay and the reverb (TVekaDelay) and the chorus wave (TChorusPicture). Each draws
// into an image of its own at the screen's pixel ratio and only reads the values it is given.
// Values arrive as stored, possibly out of their ranges (a file, a reply): every picture
// clamps what it computes from them and paints inside its image only.
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <array>

namespace veka {

// The shape of a curve rising from 0 to 200 in 19 steps: the equaliser's band edge and the
// reverb's build-up and decay.
inline constexpr std::array<int, 19> kCurveShape = {0,   1,   6,   13,  23,  35,  50,  65,  82, 99,
                                                    117, 134, 149, 164, 176, 186, 193, 198, 200};

// Base of the three pictures: a black image of a fixed logical size, drawn at the device pixel
// ratio so that lines stay sharp on scaled screens.
class TEffectPicture : public QWidget {
    Q_OBJECT
public:
    TEffectPicture(const QSize& size, QWidget* parent);
    const QImage& Picture() const { return Picture_; }
    // The colour at logical position p (tests, and a look at what was drawn).
    QColor PixelAt(int x, int y) const;
    QSize sizeHint() const override { return Size_; }

protected:
    // Clears to black at the current pixel ratio and returns the image to draw on.
    QImage& Fresh();
    QImage& Canvas() { return Picture_; }
    void paintEvent(QPaintEvent* event) override;

private:
    QSize Size_;
    QImage Picture_;
};

struct TEqBandCurve {
    int CentreX = 0, CentreY = 0;
    std::array<QPoint, 19> Points{};   // from the outer end towards the centre
    std::array<QPoint, 19> Mirror{};   // x' = 2 x centre x - x - 25
};
// One band's curve: step is the frequency step (4, 7, 16, 19), gain the stored "EQ ... Gain".
TEqBandCurve EqBandCurve(int step, int gain, int height);

class TMGeqGS : public TEffectPicture {
    Q_OBJECT
public:
    static constexpr int kWidth = 600, kHeight = 200;
    explicit TMGeqGS(QWidget* parent = nullptr);
    // The stored "EQ Low Freq", "EQ Low Gain", "EQ High Freq", "EQ High Gain".
    void Draw(int lowFreq, int lowGain, int highFreq, int highGain);
};

struct TDelayValues {
    int TimeCenter = 97, RatioLeft = 1, RatioRight = 1;
    int LevelCenter = 127, LevelLeft = 0, LevelRight = 0, Level = 64, Feedback = 80;
};
struct TReverbValues {
    int PreLpf = 0, Level = 64, Time = 64, Predelay = 0;
};

class TVekaDelay : public TEffectPicture {
    Q_OBJECT
public:
    static constexpr int kSize = 200;
    static constexpr QPoint kTapL{40, 110}, kTapC{70, 90}, kTapR{100, 70};
    explicit TVekaDelay(QWidget* parent = nullptr);
    // Bits per pixel of the screen: below 16 the reverb is drawn without its fades.
    int ScreenDepth = 24;
    void DrawDelay(const TDelayValues& values);
    void DrawReverb(const TReverbValues& values);

    // The height of echo n (1..24) of a tap with level l, as the picture draws it.
    static int EchoHeight(int level, int feedback, int delayLevel, int echo);
};

class TChorusPicture : public TEffectPicture {
    Q_OBJECT
public:
    static constexpr int kSize = 200;
    static constexpr QPoint kCentre{100, 100};
    explicit TChorusPicture(QWidget* parent = nullptr);
    // The stored "Chorus Depth" and "Chorus Rate": the whole picture in blue.
    void Draw(int depth, int rate);
    // Only the wave again in another colour (the blink).
    void DrawWave(const QColor& color);
    // "Chorus Rate" in hertz, and the timer interval of the blink (0: no blink).
    static double RateHz(int rate);
    static int IntervalMs(int rate);
    const std::array<QPoint, 101>& Wave() const { return Wave_; }

private:
    std::array<QPoint, 101> Wave_{};
};

}  // namespace veka
