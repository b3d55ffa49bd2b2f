// The project form's window on the shipped example: what the user sees after typing, picking,
// looking and pressing its buttons, and what a screen reader hears.
#include "project/form/project_form_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "shell/text.h"
#include "support/started_folder.h"
#include "support/window_helpers.h"
#include "ui/picture_button.h"

namespace tessaro {
namespace {

using test::Control;

class ProjectFormWindowTest : public ::testing::Test {
  protected:
    ProjectFormWindow& Open() {
        folder = std::make_unique<test::StartedFolder>();
        ProjectFormHooks hooks;
        hooks.showHelpBox = [this](QWidget*) {
            helpContextWhileShown = folder->state.settings.HelpContext;
            ++helpBoxes;
        };
        hooks.showReportViewer = [this](QWidget*) {
            reportExisted = folder->temp.Exists("ergEN1.DAT");
            ++viewers;
        };
        window = std::make_unique<ProjectFormWindow>(folder->state, folder->messages, hooks);
        window->show();
        // Focus events reach the controls of the active window only.
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }
    template <typename T = QWidget>
    T* Child(const char* name) const {
        return &Control<T>(*window, name);
    }
    QString Shown(const char* name) const {
        if (auto* box = window->findChild<QLineEdit*>(name))
            return box->text();
        if (auto* combo = window->findChild<QComboBox*>(name))
            return combo->currentIndex() < 0 ? combo->placeholderText() : combo->currentText();
        return Child<QLabel>(name)->text();
    }
    // Picks the item below the shown one with the keyboard, as a user does on a closed list.
    void PickNext(const char* name) {
        QComboBox* combo = Child<QComboBox>(name);
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
    }
    void TypeAndEnter(const char* name, const QString& text) {
        QLineEdit* box = Child<QLineEdit>(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    // Moves the mouse over a control as a user does: from outside the window onto a free point of
    // the control (not on a child control lying on it), through the window system.
    void MouseOver(const char* name) {
        QWidget* widget = Child(name);
        QTest::mouseMove(window.get(), QPoint(1, 1));
        QPoint point = widget->rect().center();
        for (int x = 2; x < widget->width(); x += 4) {
            if (widget->childAt(x, widget->height() / 2) == nullptr) {
                point = QPoint(x, widget->height() / 2);
                break;
            }
        }
        QTest::mouseMove(widget, point);
        QApplication::processEvents();
    }
    std::unique_ptr<test::StartedFolder> folder;
    std::unique_ptr<ProjectFormWindow> window;
    int helpBoxes = 0;
    int helpContextWhileShown = -1;
    int viewers = 0;
    bool reportExisted = false;
};

// A typed energy value that is not saved yet looks pending until Enter; Escape gives the saved
// text back and leaves the form open.
TEST_F(ProjectFormWindowTest, APendingEnergyValueLooksSoUntilEnterOrEscape) {
    Open();
    QLineEdit* box = Child<QLineEdit>("EnergKost");
    const QString saved = box->text();
    const QColor normal = box->palette().color(QPalette::Text);
    box->setFocus();
    QTest::keyClicks(box, "9");
    EXPECT_TRUE(box->font().italic());
    EXPECT_NE(box->palette().color(QPalette::Text), normal);
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(box->text(), saved);
    EXPECT_FALSE(box->font().italic());

    TypeAndEnter("EnergKost", "0.3");
    EXPECT_FALSE(box->font().italic());
    EXPECT_EQ(box->palette().color(QPalette::Text), normal);
    QTest::keyClick(box, Qt::Key_Escape);  // nothing pending: Escape cancels the form
    EXPECT_FALSE(window->isVisible());
}

// Every row of the mouse-over table with real mouse moves: the help of the field under the
// caption, or the help hidden; focus shows a field's help too, and the range hides it.
TEST_F(ProjectFormWindowTest, MouseOverEveryCaptionShowsItsHelp) {
    Open();
    const CaptionTables& captions = folder->state.captions;
    QFrame* panel = Child<QFrame>("AssitPN");
    const std::pair<const char*, int> kRows[] = {
        {"Label17", 34}, {"Label14", 1},  {"Label15", 6},  {"Label16", 12}, {"Label19", 18},
        {"Label7", 27},  {"Pn44", 27},    {"Label8", 22},  {"Pn45", 22},    {"Label31", 46},
        {"Label20", 51}, {"Label21", 52}, {"Label22", 53}, {"Label23", 54}, {"Label24", 55},
        {"Label2", 0},   {"Label4", 0},   {"Label9", 0},   {"Label18", 0},  {"Label34", 0},
        {"Label35", 0},  {"Frame3D4", 0}, {"Panel3D1", 0}, {"Panel3D2", 0}, {"Panel3D4", 0},
        {"PNRG", 0}};
    for (const auto& [control, entry] : kRows) {
        if (entry == 0)
            MouseOver("Label14");  // a help to hide
        MouseOver(control);
        EXPECT_EQ(panel->isVisible(), entry != 0) << control;
        if (entry != 0) {
            EXPECT_EQ(Shown("AssitLabel").toStdString(), TrimSpaces(captions.Info(entry)))
                << control;
            EXPECT_TRUE(panel->rect().contains(Child("AssitLabel")->geometry())) << control;
        }
    }
    Child("Spezco2emission")->setFocus();
    EXPECT_EQ(Shown("AssitLabel").toStdString(), captions.Info(55));
    Child("Tempbereich")->setFocus();
    EXPECT_FALSE(panel->isVisible());
}

// The help is transparent to the mouse and keeps the control in focus clear: a click on the
// ambient temperature under the condenser's help reaches the box, and what is typed goes there.
TEST_F(ProjectFormWindowTest, TheHelpNeitherTakesClicksNorCoversTheFocus) {
    Open();
    MouseOver("Pn45");  // the condenser's help opens below the condenser, over the site panel
    QFrame* panel = Child<QFrame>("AssitPN");
    ASSERT_TRUE(panel->isVisible());
    QLineEdit* ambient = Child<QLineEdit>("tambient");
    const QPoint inAmbient = ambient->rect().center();
    ASSERT_TRUE(QRect(panel->mapTo(window.get(), QPoint(0, 0)), panel->size())
                    .contains(ambient->mapTo(window.get(), inAmbient)))
        << "the help lies over the box";
    // Through the window system, which finds the widget under the point as for a real click.
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      ambient->mapTo(window.get(), inAmbient));
    EXPECT_EQ(QApplication::focusWidget(), ambient);
    QTest::keyClicks(ambient, "1");
    EXPECT_TRUE(Shown("tambient").endsWith("1"));
    EXPECT_EQ(Shown("Tc"), "45");

    for (const char* name : {"WartungI", "RGart", "km", "betrstd", "vdsize"}) {
        QWidget* control = Child(name);
        control->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(panel->isVisible()) << name;
        const QRect focused(control->mapTo(window.get(), QPoint(0, 0)), control->size());
        const QRect help(panel->mapTo(window.get(), QPoint(0, 0)), panel->size());
        EXPECT_FALSE(help.intersects(focused)) << name;
    }
}

// A screen reader reads every result with its caption and figure, every field by its caption,
// and no container by its object name.
TEST_F(ProjectFormWindowTest, ScreenReadersHearTheResults) {
    Open();
    const auto name = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    };
    EXPECT_EQ(name(Child("LeistZ")), "COP ca. 3.31");
    EXPECT_EQ(name(Child("BetrKo")), "Betriebskosten 2917 EUR/a");
    EXPECT_EQ(name(Child("co2consum")), "Emission 3.9 t/a");
    EXPECT_EQ(name(Child("kWstunden")), "10418 kWh/a");
    EXPECT_TRUE(name(Child("tSLeit")).endsWith(" 3 °C"));
    PickNext("WartungI");  // a fouled condenser costs more
    EXPECT_NE(name(Child("BetrKo")), "Betriebskosten 2917 EUR/a");
    EXPECT_TRUE(name(Child("BetrKo")).endsWith(Shown("BetrKo") + " EUR/a"));
    const CaptionTables& c = folder->state.captions;
    for (const auto& [field, caption] : {std::pair{"Q0", std::string("Qo")},
                                         {"AnwendBereich", c.Program(29)},
                                         {"tambient", c.Program(13)},
                                         {"Spezco2emission", c.Main(222)},
                                         {"km", c.Main(22)}})
        EXPECT_EQ(Child(field)->accessibleName().toStdString(), caption) << field;
    for (QWidget* w : window->findChildren<QFrame*>()) {
        if (qobject_cast<QLabel*>(w) == nullptr && !w->objectName().isEmpty()) {
            EXPECT_NE(name(w), w->objectName()) << w->objectName().toStdString();
        }
    }
}

// Print opens the report view once the report is written, help opens with its context; O.K.
// acts when the mouse is released over it, not when it is pressed, and saves the pick.
TEST_F(ProjectFormWindowTest, PrintHelpAndOkDoWhatTheySay) {
    Open();
    std::filesystem::remove(folder->temp.Path() / "ergEN1.DAT");
    test::Click(*window, "Printbutt");
    EXPECT_EQ(viewers, 1);
    EXPECT_TRUE(reportExisted);
    test::Click(*window, "Command3D3_l");
    EXPECT_EQ(helpBoxes, 1);
    EXPECT_EQ(helpContextWhileShown, 33);
    EXPECT_EQ(folder->state.settings.HelpContext, 0);
    PickNext("WartungI");
    const std::string picked = Shown("WartungI").toStdString();
    QWidget& ok = Control(*window, "Abbrechen");
    test::Mouse(*window, ok, QEvent::MouseButtonPress);
    EXPECT_TRUE(window->isVisible());
    test::Mouse(*window, ok, QEvent::MouseButtonRelease);
    EXPECT_FALSE(window->isVisible());
    EXPECT_NE(folder->temp.Read("TempPart.dat").find(picked), std::string::npos);
}

}  // namespace
}  // namespace tessaro
