#include "shell/ui/splash_window.h"

#include <cstdlib>

#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "common/ui/twips.h"

namespace norvexa {
namespace {

TEST(SplashWindow, UnrollsToItsFullHeightInTenTicks) {
    SplashWindow splash;
    splash.show();
    EXPECT_EQ(splash.objectName(), "Form2");
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    for (int tick = 1; tick <= 10; ++tick) {
        splash.tick();
        EXPECT_EQ(splash.height(), to_pixels(552 * tick)) << tick;
    }
    EXPECT_EQ(splash.height(), 368);
    splash.tick();
    EXPECT_EQ(splash.height(), 368);
    EXPECT_EQ(splash.width(), SplashWindow::window_width);
}

TEST(SplashWindow, StaysCentredOnThePrimaryScreen) {
    SplashWindow splash;
    splash.show();
    for (int tick = 0; tick < 12; ++tick) splash.tick();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(splash.y(), screen.y() + to_pixels(splash.model().top));
    EXPECT_LE(std::abs(splash.geometry().center().y() - screen.center().y()), 1);
    EXPECT_LE(std::abs(splash.geometry().center().x() - screen.center().x()), 1);
}

TEST(SplashWindow, AsksToStartOnTheThirtySeventhTickOnly) {
    SplashWindow splash;
    splash.show();
    QSignalSpy started(&splash, &SplashWindow::start_requested);
    for (int tick = 1; tick <= 36; ++tick) {
        splash.tick();
        ASSERT_EQ(started.count(), 0) << tick;
    }
    splash.tick();
    EXPECT_EQ(started.count(), 1);
    // Ticks after the start, or a late click, do not start the program again.
    splash.tick();
    QTest::mouseClick(&splash, Qt::LeftButton);
    EXPECT_EQ(started.count(), 1);
}

TEST(SplashWindow, AClickStartsAtOnceAndOnlyOnce) {
    SplashWindow splash;
    splash.show();
    QSignalSpy started(&splash, &SplashWindow::start_requested);
    splash.tick();
    QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(splash.width() / 4, splash.height() / 2));
    EXPECT_EQ(started.count(), 1);
    QTest::mouseClick(&splash, Qt::LeftButton);
    for (int tick = 2; tick <= 40; ++tick) splash.tick();
    EXPECT_EQ(started.count(), 1);
}

TEST(SplashWindow, WaitsForStartThenItsTimerStartsTheProgram) {
    SplashWindow splash;
    QSignalSpy started(&splash, &SplashWindow::start_requested);
    QTest::qWait(3 * Form2::tick_milliseconds);
    EXPECT_EQ(splash.model().counter, 0);
    EXPECT_FALSE(splash.isVisible());

    splash.start();
    EXPECT_TRUE(splash.isVisible());
    ASSERT_TRUE(started.wait(5000));
    EXPECT_EQ(splash.model().counter, 37 * 552);
    QTest::qWait(5 * Form2::tick_milliseconds);
    EXPECT_EQ(splash.model().counter, 37 * 552);
    EXPECT_EQ(started.count(), 1);
}

}  // namespace
}  // namespace norvexa
