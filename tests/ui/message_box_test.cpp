// The program's message box on Qt's headless platform, shown for real and answered with keys and
// the frame, and Qt's own texts on its buttons in the program's language.
#include "ui/message_box.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDir>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "ui/qt_translations.h"

namespace tessaro::ui {
namespace {

using Act = std::function<void(QMessageBox&)>;

// Shows a message box and, once it is up, notes what it shows (title, text, icon, the texts of its
// buttons Yes, No and OK) and acts on it. A box that the action leaves open is a failure, and is
// closed so that the test goes on.
std::pair<MessageAnswer, std::string> ShowAndAct(MessageButtons buttons, const Act& act,
                                                 MessageIcon icon = MessageIcon::Question) {
    QStringList seen = {"no message box was shown"};
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible())
            return;
        poll.stop();
        seen = QStringList{box->windowTitle(), box->text(), QString::number(box->icon())};
        for (auto standard : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok}) {
            if (QAbstractButton* button = box->button(standard))
                seen << button->text();
        }
        act(*box);
        QTimer::singleShot(1000, box, [box = QPointer<QMessageBox>(box)] {
            if (box && box->isVisible()) {
                ADD_FAILURE() << "the message box stays open";
                box->done(-1);
            }
        });
    });
    poll.start(10);
    const MessageAnswer answer =
        QtMessageBox().Show("Anlage\r\nspeichern?", "Tessaro", icon, buttons);
    return {answer, seen.join("|").toStdString()};
}

// A key pressed where the user's key goes: the box's focus control, or the box itself.
Act Press(Qt::Key key) {
    return [key](QMessageBox& box) {
        QTest::keyClick(box.focusWidget() != nullptr ? box.focusWidget() : &box, key);
    };
}

// Escape and the frame refuse a question, Enter takes its default, Yes; a message closes with
// Escape, Enter or the frame alike. The box shows the title, the text with plain line ends, the
// icon asked for and only the buttons asked for.
TEST(QtMessageBox, KeysAndFrameGiveTheExpectedAnswer) {
    UseQtTranslations("ENG");
    const auto yes = MessageAnswer::Yes, no = MessageAnswer::No, ok = MessageAnswer::Ok;
    const Act frame = [](QMessageBox& box) { box.close(); };
    const Act tabToNo = [](QMessageBox& box) {
        Press(Qt::Key_Tab)(box), Press(Qt::Key_Space)(box);
    };
    const auto question = MessageButtons::YesNo, message = MessageButtons::Ok;
    // clang-format off
    const std::tuple<MessageButtons, Act, MessageAnswer> cases[] = {
        {question, Press(Qt::Key_Escape), no}, {question, Press(Qt::Key_Return), yes},
        {question, Press(Qt::Key_Enter), yes}, {question, frame, no}, {question, tabToNo, no},
        {message, Press(Qt::Key_Escape), ok}, {message, Press(Qt::Key_Return), ok},
        {message, frame, ok}};
    // clang-format on
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& [buttons, act, answer] = cases[i];
        EXPECT_EQ(ShowAndAct(buttons, act).first, answer) << "case " << i;
    }
    // clang-format off
    using Q = QMessageBox;
    const std::pair<MessageIcon, QMessageBox::Icon> icons[] = {
        {MessageIcon::None, Q::NoIcon}, {MessageIcon::Information, Q::Information},
        {MessageIcon::Exclamation, Q::Warning}, {MessageIcon::Critical, Q::Critical},
        {MessageIcon::Question, Q::Question}};
    // clang-format on
    for (const auto& [icon, shown] : icons) {
        EXPECT_EQ(ShowAndAct(MessageButtons::Ok, Press(Qt::Key_Escape), icon).second,
                  "Tessaro|Anlage\nspeichern?|" + std::to_string(shown) + "|OK");
    }
    EXPECT_EQ(ShowAndAct(MessageButtons::YesNo, Press(Qt::Key_Escape)).second,
              "Tessaro|Anlage\nspeichern?|4|&Yes|&No");
}

// The buttons speak the language set last, whichever language was set before; a language Qt has
// no catalogue for, and an unknown code, leave them English. Only texts change: the windows keep
// their reading direction, Arabic too.
TEST(QtTranslations, ButtonsFollowEveryLanguageSwitch) {
    // The code, Qt's catalogue of it (none where Qt has no button texts of the language) and the
    // texts of Yes and No.
    // clang-format off
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"GER", "de", "&Ja|&Nein"}, {"ENG", "", "&Yes|&No"}, {"FRA", "fr", "&Oui|&Non"},
        {"ESP", "es", "&Sí|&No"}, {"NDL", "nl", "&Ja|&Nee"}, {"ITA", "it", "&Sì|&No"},
        {"POR", "pt_BR", "&Sim|&Não"}, {"SWE", "", "&Yes|&No"}, {"RUS", "ru", "&Да|&Нет"},
        {"POL", "pl", "&Tak|&Nie"}, {"TRK", "tr", "&Evet|&Hayır"}, {"ROM", "", "&Yes|&No"},
        {"GRE", "", "&Yes|&No"}, {"HUN", "hu", "&Igen|&Nem"}, {"BUL", "bg", "&Да|&Не"},
        {"ARA", "ar", "&نعم|&لا"}, {"ger", "de", "&Ja|&Nein"}, {"XYZ", "", "&Yes|&No"},
        {"", "", "&Yes|&No"}};
    // clang-format on
    for (const auto& [code, catalogue, texts] : cases) {
        if (*catalogue != '\0' && !QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath))
                                       .exists(QString("qtbase_%1.qm").arg(catalogue)))
            continue;
        UseQtTranslations(std::string(code) == "GER" ? "FRA" : "GER");
        UseQtTranslations(code);
        EXPECT_EQ(ShowAndAct(MessageButtons::YesNo, Press(Qt::Key_Escape)).second,
                  "Tessaro|Anlage\nspeichern?|4|" + std::string(texts))
            << code;
        EXPECT_EQ(QApplication::layoutDirection(), Qt::LeftToRight) << code;
    }
    UseQtTranslations("ENG");
}

}  // namespace
}  // namespace tessaro::ui
