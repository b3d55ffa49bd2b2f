#include "ui/picture_button.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace tessaro::ui {
namespace {

// The button runs its command once on release, whether the mouse was pressed on the picture or
// on its label, and looks raised only while pressed.
TEST(PictureButton, MouseOnPictureOrLabelRaisesThenRunsOnRelease) {
    QWidget window;
    PictureButton button("Rechbutt", &window);
    button.SetCaption("Berechnen");
    QSignalSpy runs(&button, &PictureButton::clicked);
    for (QWidget* target :
         {static_cast<QWidget*>(&button), static_cast<QWidget*>(button.CaptionLabel())}) {
        const int before = runs.count();
        QTest::mousePress(target, Qt::LeftButton);
        EXPECT_TRUE(button.Raised());
        EXPECT_EQ(runs.count(), before) << "nothing runs before the release";
        QTest::mouseRelease(target, Qt::LeftButton);
        EXPECT_FALSE(button.Raised());
        EXPECT_EQ(runs.count(), before + 1);
    }
    EXPECT_EQ(button.accessibleName(), "Berechnen");
}

TEST(PictureButton, KeyboardFocusAndKeysAct) {
    QWidget window;
    QLineEdit* before = new QLineEdit(&window);
    PictureButton* button = new PictureButton("Printbutt", &window);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_TRUE(button->hasFocus()) << "Tab reaches the picture button";
    QSignalSpy runs(button, &PictureButton::clicked);
    QTest::keyPress(button, Qt::Key_Space);
    EXPECT_TRUE(button->Raised());
    QTest::keyRelease(button, Qt::Key_Space);
    EXPECT_EQ(runs.count(), 1);
    // Enter and Return press the button visibly and release it a moment later.
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        const int before = runs.count();
        QTest::keyClick(button, key);
        for (int wait = 0; wait < 50 && runs.count() == before; ++wait)
            QTest::qWait(20);
        EXPECT_EQ(runs.count(), before + 1) << key;
    }
}

}  // namespace
}  // namespace tessaro::ui
