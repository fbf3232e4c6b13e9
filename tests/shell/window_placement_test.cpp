#include "window_placement.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

namespace lumbra {
namespace {

TEST(WindowPlacement, APositionOnAScreenIsKept)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint inside = screen.topLeft() + QPoint(10, 20);
    EXPECT_EQ(placed_on_a_screen(inside, {365, 460}), inside);
}

TEST(WindowPlacement, APositionOnNoScreenIsCentredOnThePrimaryScreen)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint placed = placed_on_a_screen({-20000, 30000}, {300, 200});
    EXPECT_EQ(placed, centred_on(available, {300, 200}));
    EXPECT_TRUE(available.contains(placed));
}

TEST(WindowPlacement, CentredOnSplitsTheSpareRoom)
{
    EXPECT_EQ(centred_on({100, 50, 800, 600}, {200, 100}), QPoint(400, 300));
}

TEST(WindowPlacement, AScreenTooSmallKeepsTheTitleBarOnIt)
{
    EXPECT_EQ(centred_on({100, 50, 300, 200}, {361, 460}), QPoint(100, 50));
}

}  // namespace
}  // namespace lumbra
