#include "ui/picture_button.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace tessaro::ui {
namespace {

// A press on the picture or on its label only raises the button; the release on either draws it
// flat and then runs the command once; a release away from the button, or with another mouse
// button, draws it flat and runs nothing.
TEST(PictureButton, RunsOnTheReleaseOnItNotOnThePressAndNotOnAReleaseAway) {
    QWidget window;
    PictureButton button("Rechbutt", &window);
    QSignalSpy runs(&button, &PictureButton::clicked);
    QLabel* label = button.CaptionLabel();
    // Where the press and the release go, where the release is, and whether the command runs.
    // clang-format off
    const std::tuple<QWidget*, QWidget*, QPoint, int> cases[] = {
        {&button, &button, QPoint(5, 5), 1}, {label, label, label->rect().center(), 1},
        {&button, label, label->rect().center(), 1}, {label, &button, QPoint(5, 5), 1},
        {&button, &button, QPoint(-5, 5), 0}, {label, &button, QPoint(5, 200), 0},
        {&button, &button, QPoint(button.width() - 1, 5), 1},
        {&button, &button, QPoint(button.width(), 5), 0}};
    // clang-format on
    for (const auto& [pressed, released, at, run] : cases) {
        const int before = runs.count();
        QTest::mousePress(pressed, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_TRUE(button.Raised());
        EXPECT_EQ(runs.count(), before) << "nothing runs on the press";
        QTest::mouseRelease(released, Qt::LeftButton, {}, at);
        EXPECT_FALSE(button.Raised());
        EXPECT_EQ(runs.count(), before + run) << at.x() << "," << at.y();
    }
    QTest::mousePress(&button, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&button, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(runs.count(), 5);
}

}  // namespace
}  // namespace tessaro::ui
