// The activity lamps: the fade driven step by step as a fake clock, one run on the real timer,
// the resting looks the main window sets, and what is actually painted.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QImage>
#include <QTest>
#include <QTimer>

#include "app/led_panel.h"

namespace veka {
namespace {

constexpr int kFadeTicks = 5;  // 5 x 55 ms = 275 ms from a flash to the idle colour

TEST(LEDPanelFade, FlashLightsFullyAndFadesInFiveTicksToIdle) {
    TLEDPanel lamp(lpkGreen);
    lamp.Flash();
    EXPECT_EQ(lamp.Colour(), QColor(0, 255, 0));
    EXPECT_TRUE(lamp.FadeRunning());
    EXPECT_TRUE(lamp.Timer()->isActive());
    EXPECT_EQ(lamp.Timer()->interval(), 55);

    const int expected[kFadeTicks] = {225, 195, 165, 135, 105};
    for (int tick = 0; tick < kFadeTicks; ++tick) {
        EXPECT_TRUE(lamp.FadeRunning()) << "tick " << tick;
        lamp.Tick();
        EXPECT_EQ(lamp.Colour(), QColor(0, expected[tick], 0)) << "tick " << tick;
    }
    EXPECT_FALSE(lamp.FadeRunning());
    EXPECT_FALSE(lamp.Timer()->isActive());

    // Further ticks (a late timer event) change nothing.
    lamp.Tick();
    EXPECT_EQ(lamp.Colour(), QColor(0, 105, 0));
}

TEST(LEDPanelFade, RedLampFadesInTheRedChannel) {
    TLEDPanel lamp(lpkRed);
    EXPECT_EQ(lamp.Kind(), lpkRed);
    lamp.Flash();
    EXPECT_EQ(lamp.Colour(), QColor(255, 0, 0));
    lamp.Tick();
    EXPECT_EQ(lamp.Colour(), QColor(225, 0, 0));
    for (int tick = 1; tick < kFadeTicks; ++tick) lamp.Tick();
    EXPECT_EQ(lamp.Colour(), QColor(105, 0, 0));
}

TEST(LEDPanelFade, SecondFlashDuringTheFadeRestartsIt) {
    TLEDPanel lamp(lpkGreen);
    lamp.Flash();
    for (int tick = 0; tick < 3; ++tick) lamp.Tick();
    lamp.Flash();
    EXPECT_EQ(lamp.Colour(), QColor(0, 255, 0));
    // The lamp stays lit for five whole ticks after the second flash, not two.
    for (int tick = 0; tick < kFadeTicks - 1; ++tick) lamp.Tick();
    EXPECT_TRUE(lamp.FadeRunning());
    EXPECT_EQ(lamp.Colour(), QColor(0, 135, 0));
    lamp.Tick();
    EXPECT_FALSE(lamp.FadeRunning());
    EXPECT_EQ(lamp.Colour(), QColor(0, 105, 0));
}

TEST(LEDPanelFade, RealTimerReachesIdleNoSoonerThan275Ms) {
    TLEDPanel lamp(lpkGreen);
    QElapsedTimer clock;
    clock.start();
    lamp.Flash();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !lamp.FadeRunning(); }, 5000));
    // Qt's coarse timers may fire up to 5 % early.
    EXPECT_GE(clock.elapsed(), 5 * 55 * 95 / 100);
    EXPECT_EQ(lamp.Colour(), QColor(0, 105, 0));
}

TEST(LEDPanelLook, ActiveAndInactiveRestingColours) {
    TLEDPanel green(lpkGreen);
    green.SetActive(true);
    EXPECT_EQ(green.Colour(), QColor(0, 128, 0));
    green.SetActive(false);
    EXPECT_EQ(green.Colour(), green.palette().color(QPalette::Window));

    TLEDPanel red(lpkRed);
    red.SetActive(true);
    EXPECT_EQ(red.Colour(), QColor(105, 0, 0));
}

TEST(LEDPanelLook, FlashOnAnInactiveLampStillFades) {
    TLEDPanel lamp(lpkGreen);
    lamp.SetActive(false);
    lamp.Flash();
    EXPECT_EQ(lamp.Colour(), QColor(0, 255, 0));
    lamp.Tick();
    EXPECT_EQ(lamp.Colour(), QColor(0, 225, 0));
}

TEST(LEDPanelLook, RefreshDuringAFadeDoesNotCutItShort) {
    TLEDPanel lamp(lpkGreen);
    lamp.Flash();
    lamp.Tick();
    lamp.SetActive(true);
    EXPECT_EQ(lamp.Colour(), QColor(0, 225, 0));
    for (int tick = 1; tick < kFadeTicks; ++tick) lamp.Tick();
    EXPECT_EQ(lamp.Colour(), QColor(0, 105, 0));
    // Once the fade is over, the main window's refresh shows the resting look again.
    lamp.SetActive(true);
    EXPECT_EQ(lamp.Colour(), QColor(0, 128, 0));
}

TEST(LEDPanelLook, PaintsItsColourInsideASmallSunkenFrame) {
    TLEDPanel lamp(lpkGreen);
    EXPECT_EQ(lamp.size(), QSize(12, 12));
    lamp.Flash();
    QImage picture = lamp.grab().toImage();
    EXPECT_EQ(picture.pixelColor(6, 6), QColor(0, 255, 0));
    // The frame's top-left edge is the palette's shadow, not the lamp colour.
    EXPECT_NE(picture.pixelColor(0, 0), QColor(0, 255, 0));
    lamp.Tick();
    picture = lamp.grab().toImage();
    EXPECT_EQ(picture.pixelColor(6, 6), QColor(0, 225, 0));
}

}  // namespace
}  // namespace veka
