#pragma once

// What the window tests do as a user does: keys on the control in focus, mouse buttons over a
// control through whatever lies there, Tab through a window, a dialog run in its own modal loop.

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tessaro::test {

// The control of that name; a missing one ends the test with an exception that names it.
template <typename T = QWidget>
T& Control(const QWidget& window, const char* name) {
    T* control = window.findChild<T*>(name);
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

// The controls the focus goes through with Tab, from first on, count of them.
inline std::vector<std::string> TabOrder(QWidget& window, const char* first, int count) {
    Control(window, first).setFocus();
    std::vector<std::string> order;
    for (int step = 0; step < count && window.focusWidget() != nullptr; ++step) {
        order.push_back(window.focusWidget()->objectName().toStdString());
        Key(window, Qt::Key_Tab);
    }
    return order;
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
