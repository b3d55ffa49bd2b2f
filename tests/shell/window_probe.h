#pragma once

// What the window tests look at and do as a user would: the text a control shows beside its
// caption from a caption entry of a language, the Tab order walked with the key, and a mouse press
// and release sent as two events (released on the control or away from it).
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include "shell/caption_tables.h"
#include "shell/working_dir.h"
#include "support/temp_dir.h"

namespace tessaro::test {

template <typename T = QWidget>
T* Child(const QObject& parent, const std::string& name) {
    return parent.findChild<T*>(QString::fromStdString(name));
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

// The object names that keyboard focus visits when the user, starting on `first`, presses Tab
// `steps - 1` times in the shown and active window.
inline std::string TabOrder(QWidget& window, QWidget* first, int steps) {
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return "<the window does not become active>";
    first->setFocus();
    std::string order;
    for (int step = 0; step < steps && QApplication::focusWidget(); ++step) {
        order += (step ? " " : "") + QApplication::focusWidget()->objectName().toStdString();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return order;
}

inline void Press(QWidget* control) {
    QTest::mousePress(control, Qt::LeftButton, {}, control->rect().center());
}
// The release of the left button on the control, or well away from it.
inline void Release(QWidget* control, bool on = true) {
    QTest::mouseRelease(control, Qt::LeftButton, {},
                        on ? control->rect().center() : QPoint(-20, -20));
}
inline void Click(QWidget* control) {
    Press(control);
    Release(control);
}

}  // namespace tessaro::test
