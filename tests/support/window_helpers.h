#pragma once

// What the window tests look at and do as a user does: keys on the control in focus, mouse
// buttons over a control through whatever lies there or pressed and released as two events, Tab
// through a window, the text a control shows beside its caption entry of a language, a dialog run
// in its own modal loop.

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "shell/caption_tables.h"
#include "shell/working_dir.h"
#include "support/temp_dir.h"

namespace tessaro::test {

// The control of that name, or null.
template <typename T = QWidget>
T* Child(const QObject& parent, const std::string& name) {
    return parent.findChild<T*>(QString::fromStdString(name));
}

// The control of that name; a missing one ends the test with an exception that names it.
template <typename T = QWidget>
T& Control(const QWidget& window, const char* name) {
    T* control = Child<T>(window, name);
    if (control == nullptr)
        throw std::runtime_error(std::string("no control ") + name);
    return *control;
}

// A key pressed and released on the control that has the keyboard focus.
inline void Key(QWidget& window, int key) {
    QWidget* target = window.focusWidget() != nullptr ? window.focusWidget() : &window;
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, key, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
}

// A mouse button event over the middle of a control, sent to whatever part of the window lies
// there, as the user's mouse would: a caption label over a picture button lets it through.
inline void Mouse(QWidget& window, const QWidget& control, QEvent::Type type) {
    const QPoint at = control.mapTo(&window, control.rect().center());
    QWidget* target = window.childAt(at);
    if (target == nullptr)
        throw std::runtime_error("nothing under " + control.objectName().toStdString());
    const QPointF local = target->mapFrom(&window, QPointF(at));
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, local, target->mapToGlobal(local), Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

inline void Click(QWidget& window, const char* name) {
    const QWidget& control = Control(window, name);
    Mouse(window, control, QEvent::MouseButtonPress);
    Mouse(window, control, QEvent::MouseButtonRelease);
}

// A press of the left button on the middle of the control, and its release there or well away.
inline void Press(QWidget* control) {
    QTest::mousePress(control, Qt::LeftButton, {}, control->rect().center());
}
inline void Release(QWidget* control, bool on = true) {
    QTest::mouseRelease(control, Qt::LeftButton, {},
                        on ? control->rect().center() : QPoint(-20, -20));
}
inline void Click(QWidget* control) {
    Press(control);
    Release(control);
}

// The object names that the keyboard focus visits, count of them, when the user starts on first
// in the shown and active window and presses Tab.
inline std::string TabOrder(QWidget& window, const char* first, int count) {
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return "<the window does not become active>";
    Control(window, first).setFocus();
    std::string order;
    for (int step = 0; step < count && window.focusWidget() != nullptr; ++step) {
        order += (step ? " " : "") + window.focusWidget()->objectName().toStdString();
        Key(window, Qt::Key_Tab);
    }
    return order;
}

// The text a control shows: the window's own title, a menu's title, an action's or a label's text.
inline std::string ShownText(const QWidget& window, const std::string& name) {
    const auto* menu = Child<QMenu>(window, name);
    const auto* action = Child<QAction>(window, name);
    const auto* label = Child<QLabel>(window, name);
    return (window.objectName().toStdString() == name ? window.windowTitle()
            : menu                                    ? menu->title()
            : action                                  ? action->text()
            : label                                   ? label->text()
                    : "<no control " + QString::fromStdString(name) + ">")
        .toStdString();
}

// A control's caption: a text, caption entry `entry` of table M (main), L (caption list) or P
// (program), and a text after it; no table gives the texts alone.
struct CaptionOf {
    const char *control, *before;
    char table = 0;
    int entry = 0;
    const char* after = "";
};

// Each control's text as the window shows it, and as the shipped caption tables of the language
// give it, one "control: text" line each.
inline std::pair<std::string, std::string> Captions(const QWidget& window, const std::string& code,
                                                    const std::vector<CaptionOf>& captions) {
    CaptionTables t;
    LoadAllCaptions(WorkingDir(DataDir()), code, t);
    std::string shown, expected;
    for (const CaptionOf& c : captions) {
        const std::string entry = c.table == 'M'   ? t.Main(c.entry)
                                  : c.table == 'L' ? t.CaptionList(c.entry)
                                                   : t.Program(c.entry);
        shown += std::string(c.control) + ": " + ShownText(window, c.control) + "\n";
        expected += std::string(c.control) + ": " + c.before + entry + c.after + "\n";
    }
    return {shown, expected};
}

// Runs the dialog in its own modal loop, does the action once the loop runs, and gives the
// dialog's result; -2 when the action left the dialog open.
inline int RunModal(QDialog& dialog, const std::function<void()>& action) {
    QTimer::singleShot(0, &dialog, action);
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &dialog, [&dialog] { dialog.done(-2); });
    timeout.start(3000);
    return dialog.exec();
}

}  // namespace tessaro::test
