// The program's message box on Qt's headless platform, shown for real and answered with keys,
// and Qt's own texts on its buttons in the program's language.
#include "ui/message_box.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>

#include "ui/qt_translations.h"

namespace tessaro::ui {
namespace {

// Whether Qt's translations folder holds the catalogue file.
bool HasCatalogue(const char* file) {
    return QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).exists(QString(file));
}

// Shows a message box with the given buttons and, once it is up, notes the texts of its buttons
// (Yes and No, or OK) and acts on it; returns the answer. A box that the action leaves open is
// a failure, and is closed so that the test goes on.
MessageAnswer ShowAndAct(MessageButtons buttons, const std::function<void(QMessageBox&)>& act,
                         QStringList* texts = nullptr) {
    bool found = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible())
            return;
        poll.stop();
        found = true;
        if (texts != nullptr) {
            for (QMessageBox::StandardButton standard :
                 {QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok}) {
                if (QAbstractButton* button = box->button(standard))
                    *texts << button->text();
            }
        }
        act(*box);
        QTimer::singleShot(1000, box, [box = QPointer<QMessageBox>(box)] {
            if (box && box->isVisible()) {
                ADD_FAILURE() << "the message box stays open";
                box->done(-1);
            }
        });
    });
    poll.start();
    const MessageAnswer answer =
        QtMessageBox().Show("Anlage speichern?", "Tessaro", MessageIcon::Question, buttons);
    EXPECT_TRUE(found) << "no message box was shown";
    return answer;
}

// A key pressed where the user's key goes: the box's focus control, or the box itself.
std::function<void(QMessageBox&)> Press(Qt::Key key) {
    return [key](QMessageBox& box) {
        QWidget* target = box.focusWidget() != nullptr ? box.focusWidget() : &box;
        QTest::keyClick(target, key);
    };
}

// The texts of the buttons, Yes and No or OK, in one line.
std::string ButtonTexts(MessageButtons buttons) {
    QStringList texts;
    ShowAndAct(buttons, Press(Qt::Key_Escape), &texts);
    return texts.join(" ").toStdString();
}

// Escape and the window frame refuse a question; Enter takes its default, Yes. A message closes
// with Escape as with Enter.
TEST(QtMessageBox, KeysAndFrameGiveTheExpectedAnswer) {
    UseQtTranslations("ENG");
    struct Case {
        const char* what;
        MessageButtons buttons;
        std::function<void(QMessageBox&)> act;
        MessageAnswer answer;
    };
    const Case cases[] = {
        {"question, Escape", MessageButtons::YesNo, Press(Qt::Key_Escape), MessageAnswer::No},
        {"question, Return", MessageButtons::YesNo, Press(Qt::Key_Return), MessageAnswer::Yes},
        {"question, Enter", MessageButtons::YesNo, Press(Qt::Key_Enter), MessageAnswer::Yes},
        {"question, frame", MessageButtons::YesNo, [](QMessageBox& box) { box.close(); },
         MessageAnswer::No},
        {"question, Tab to No and Space", MessageButtons::YesNo,
         [](QMessageBox& box) {
             Press(Qt::Key_Tab)(box);
             Press(Qt::Key_Space)(box);
         },
         MessageAnswer::No},
        {"message, Escape", MessageButtons::Ok, Press(Qt::Key_Escape), MessageAnswer::Ok},
        {"message, Return", MessageButtons::Ok, Press(Qt::Key_Return), MessageAnswer::Ok},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShowAndAct(c.buttons, c.act), c.answer) << c.what;
    EXPECT_EQ(ButtonTexts(MessageButtons::YesNo), "&Yes &No");
    EXPECT_EQ(ButtonTexts(MessageButtons::Ok), "OK");
}

// The buttons speak the language set last; a switch back to English, or to a language Qt has no
// catalogue for, leaves no earlier language behind.
TEST(QtTranslations, ButtonsFollowEveryLanguageSwitch) {
    if (!HasCatalogue("qtbase_de.qm"))
        GTEST_SKIP() << "Qt's German catalogue is not installed";
    UseQtTranslations("GER");
    EXPECT_EQ(ButtonTexts(MessageButtons::YesNo), "&Ja &Nein");
    UseQtTranslations("ENG");
    EXPECT_EQ(ButtonTexts(MessageButtons::YesNo), "&Yes &No");

    struct Case {
        const char* code;
        const char* catalogue;  // none where Qt has no button texts of the language
        const char* texts;
    };
    const Case cases[] = {
        {"FRA", "qtbase_fr.qm", "&Oui &Non"},
        {"POR", "qtbase_pt_BR.qm", "&Sim &Não"},
        {"RUS", "qtbase_ru.qm", "&Да &Нет"},
        {"ARA", "qtbase_ar.qm", "&نعم &لا"},
        {"ger", "qtbase_de.qm", "&Ja &Nein"},
        {"GRE", nullptr, "&Yes &No"},
        {"ROM", nullptr, "&Yes &No"},
        {"XYZ", nullptr, "&Yes &No"},
        {"", nullptr, "&Yes &No"},
    };
    for (const Case& c : cases) {
        if (c.catalogue != nullptr && !HasCatalogue(c.catalogue))
            continue;
        UseQtTranslations("GER");
        UseQtTranslations(c.code);
        EXPECT_EQ(ButtonTexts(MessageButtons::YesNo), c.texts) << c.code;
        // Only texts: the windows keep their reading direction, Arabic too.
        EXPECT_EQ(QApplication::layoutDirection(), Qt::LeftToRight) << c.code;
    }
    UseQtTranslations("ENG");
}

// The printer setup dialog in the language; Swedish has only Qt's older catalogue, which still
// names the dialog.
TEST(QtTranslations, PrinterSetupDialog) {
    struct Case {
        const char* code;
        const char* catalogue;
        const char* title;
    };
    const Case cases[] = {
        {"GER", "qtbase_de.qm", "Drucken"},
        {"SWE", "qt_sv.qm", "Skriv ut"},
        {"ENG", nullptr, "Print"},
    };
    int checked = 0;
    for (const Case& c : cases) {
        if (c.catalogue != nullptr && !HasCatalogue(c.catalogue))
            continue;
        UseQtTranslations(c.code);
        QPrinter printer;
        QPrintDialog dialog(&printer);
        EXPECT_EQ(dialog.windowTitle().toStdString(), c.title) << c.code;
        ++checked;
    }
    UseQtTranslations("ENG");
    if (checked == 1)
        GTEST_SKIP() << "Qt's German and Swedish catalogues are not installed";
}

}  // namespace
}  // namespace tessaro::ui
