#include "project/form/project_form_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "engine/app_state.h"
#include "shell/start_up.h"
#include "shell/text.h"
#include "support/temp_dir.h"
#include "ui/picture_button.h"

namespace tessaro {
namespace {

// The shipped data folder in the language given, started as the program starts; the decimal
// separator is the user's, set before the form is created as the programs do.
struct StartedFolder {
    explicit StartedFolder(std::string_view language = "GER", char separator = '.')
        : state(WorkingDir(temp.Path())) {
        temp.CopyAllData();
        std::string settings = temp.Read("kparam.dat");
        settings.replace(settings.find("\"GER\"") + 1, 3, language);
        temp.Write("kparam.dat", settings);
        state.decimalSeparator = separator;
        EXPECT_FALSE(StartUp(state, nullptr, false).has_value());
    }
    test::TempDir temp;
    AppState state;
};

class ProjectFormWindowTest : public ::testing::Test {
  protected:
    ProjectFormWindow& Open(std::string_view language = "GER", char separator = '.') {
        folder = std::make_unique<StartedFolder>(language, separator);
        ProjectFormHooks hooks;
        hooks.showInfoLine = [this](const std::string& text) { infoLine = text; };
        hooks.showHelpBox = [this](QWidget*) {
            helpContextWhileShown = folder->state.settings.HelpContext;
            ++helpBoxes;
        };
        hooks.showReportViewer = [this](QWidget*) {
            reportExisted = folder->temp.Exists("ergEN1.DAT");
            ++viewers;
        };
        window = std::make_unique<ProjectFormWindow>(folder->state, messages, hooks);
        window->show();
        // Focus events reach the controls of the active window only.
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }
    template <typename T>
    T* Child(const char* name) const {
        T* child = window->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
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
        QWidget* widget = Child<QWidget>(name);
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
    std::unique_ptr<StartedFolder> folder;
    test::RecordingMessageBox messages;
    std::unique_ptr<ProjectFormWindow> window;
    std::string infoLine;
    int helpBoxes = 0;
    int helpContextWhileShown = -1;
    int viewers = 0;
    bool reportExisted = false;
};

// The window shows what the headless form computes on the same folder, at load and after picks.
TEST_F(ProjectFormWindowTest, ShowsWhatTheFormComputesAtLoadAndAfterPicks) {
    Open();
    StartedFolder same;
    FormHost host;
    test::RecordingMessageBox quiet;
    ProjectForm headless(same.state, quiet, host);
    headless.Load();
    EXPECT_EQ(window->windowTitle().toStdString(), headless.Caption());
    EXPECT_EQ(Child<QComboBox>("km")->count(), 4) << "the km items are appended at load";
    const auto expectShown = [&](const std::string& after) {
        for (const char* name : {"LeistZ", "BetrKo", "co2consum", "kWstunden", "tSLeit", "t0", "Tc",
                                 "Q0", "Tempbereich", "AnwendBereich"})
            EXPECT_EQ(Shown(name).toStdString(), headless.ControlText(name)) << name << after;
    };
    expectShown(" at load");
    EXPECT_EQ(Shown("LeistZ"), "3.31");
    // Every field and result label carries a name a screen reader can say.
    for (int i = 0; i < kFieldCount; ++i) {
        const auto name = std::string(FieldName(static_cast<FieldId>(i)));
        EXPECT_FALSE(Child<QWidget>(name.c_str())->accessibleName().isEmpty()) << name;
    }
    for (const char* name : {"LeistZ", "BetrKo", "co2consum", "kWstunden", "tSLeit"})
        EXPECT_FALSE(Child<QLabel>(name)->accessibleName().isEmpty()) << name;
    for (const auto& [name, field] : {std::pair{"AnwendBereich", FieldId::AnwendBereich},
                                      {"Verdichterbauart", FieldId::Verdichterbauart},
                                      {"km", FieldId::km},
                                      {"WartungI", FieldId::WartungI}}) {
        const int next = Child<QComboBox>(name)->currentIndex() + 2;
        PickNext(name);
        ASSERT_TRUE(headless.Pick(field, next)) << name;
        expectShown(std::string(" after ") + name);
    }
}

// A rejected Enter shows its message and keeps the result; focus shows the box's hint.
TEST_F(ProjectFormWindowTest, ARejectedEnterShowsItsMessageAndKeepsTheResult) {
    Open();
    const QString before = Shown("LeistZ");
    TypeAndEnter("t0", "-200");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].text.find("tmin"), std::string::npos);
    EXPECT_EQ(Shown("t0"), "-200");
    EXPECT_EQ(Shown("LeistZ"), before);

    TypeAndEnter("t0", "-5");
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(Shown("LeistZ"), before) << "an accepted value recalculates";
    Child<QLineEdit>("Tc")->setFocus();
    EXPECT_EQ(infoLine, folder->state.captions.CaptionList(40));
}

// Looking changes nothing: focus, Tab and the mouse over the application's caption show help
// only. A pick writes the proposals, saves them at once, and every box shows what the form holds.
TEST_F(ProjectFormWindowTest, LookingChangesNothingAndAPickShowsItsSavedProposals) {
    Open();
    TypeAndEnter("betrstd", "5");
    const std::string energy = folder->temp.Read("energk.dat");
    Child<QComboBox>("AnwendBereich")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::mouseMove(Child<QLabel>("Label17"));
    MouseOver("Label17");
    EXPECT_TRUE(Child<QFrame>("AssitPN")->isVisible());
    EXPECT_EQ(Shown("betrstd"), "5");
    EXPECT_EQ(folder->temp.Read("energk.dat"), energy);

    PickNext("AnwendBereich");  // process cooling: 18 h, 0.9, 365 d
    const ProjectForm& form = window->Form();
    for (FieldId field : kEnergyFields) {
        const char* name = FieldName(field).data();
        EXPECT_EQ(Shown(name).toStdString(), form.Record()[field]) << name;
    }
    EXPECT_EQ(Shown("betrstd"), "18");
    EXPECT_EQ(folder->temp.Read("energk.dat").substr(0, 7), "18,0.9,");
}

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

// The help panel shows the info text of the control under the mouse or in focus, or hides.
TEST_F(ProjectFormWindowTest, HelpPanelFollowsFocusAndMouse) {
    Open();
    const CaptionTables& captions = folder->state.captions;
    QLabel* label = Child<QLabel>("AssitLabel");
    QFrame* panel = Child<QFrame>("AssitPN");
    MouseOver("Label14");  // WartungI
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(label->text().toStdString(),
              captions.Info(1).substr(captions.Info(1).find_first_not_of(' ')));
    Child<QLineEdit>("Spezco2emission")->setFocus();
    EXPECT_EQ(label->text().toStdString(), captions.Info(55));
    EXPECT_TRUE(panel->rect().contains(label->geometry()));
    MouseOver("Label2");
    EXPECT_FALSE(panel->isVisible());
    Child<QComboBox>("WartungI")->setFocus();
    EXPECT_TRUE(panel->isVisible());
    Child<QComboBox>("Tempbereich")->setFocus();
    EXPECT_FALSE(panel->isVisible());
}

// Every row of the mouse-over table with real mouse moves: the help of the field under the
// caption, or the help hidden; the help never moves the mouse's own control out of reach.
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
        }
    }
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
        QWidget* control = Child<QWidget>(name);
        control->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(panel->isVisible()) << name;
        const QRect focused(control->mapTo(window.get(), QPoint(0, 0)), control->size());
        const QRect help(panel->mapTo(window.get(), QPoint(0, 0)), panel->size());
        EXPECT_FALSE(help.intersects(focused)) << name;
    }
}

// A screen reader reads every result with its caption and figure, and no container by its
// object name.
TEST_F(ProjectFormWindowTest, ScreenReadersHearTheResults) {
    Open();
    const auto name = [](QWidget* w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    };
    EXPECT_EQ(name(Child<QLabel>("LeistZ")), "COP ca. 3.31");
    EXPECT_EQ(name(Child<QLabel>("BetrKo")), "Betriebskosten 2917 EUR/a");
    EXPECT_EQ(name(Child<QLabel>("co2consum")), "Emission 3.9 t/a");
    EXPECT_EQ(name(Child<QLabel>("kWstunden")), "10418 kWh/a");
    EXPECT_TRUE(name(Child<QLabel>("tSLeit")).endsWith(" 3 °C"));
    PickNext("WartungI");  // a fouled condenser costs more
    EXPECT_NE(name(Child<QLabel>("BetrKo")), "Betriebskosten 2917 EUR/a");
    EXPECT_TRUE(name(Child<QLabel>("BetrKo")).endsWith(Shown("BetrKo") + " EUR/a"));
    for (QWidget* w : window->findChildren<QFrame*>()) {
        if (qobject_cast<QLabel*>(w) == nullptr && !w->objectName().isEmpty())
            EXPECT_NE(name(w), w->objectName()) << w->objectName().toStdString();
    }
}

TEST_F(ProjectFormWindowTest, CancelKeepsThePlantFieldsAndOkSavesThem) {
    for (const char* way : {"Command3D2", "Escape", "close box", "Abbrechen"}) {
        Open();
        const std::string before = folder->temp.Read("TempPart.dat");
        PickNext("WartungI");
        const QString picked = Shown("WartungI");
        if (std::string(way) == "Escape")
            QTest::keyClick(window.get(), Qt::Key_Escape);
        else if (std::string(way) == "close box")
            window->close();
        else
            Child<ui::PictureButton>(way)->click();
        EXPECT_FALSE(window->isVisible()) << way;
        const std::string after = folder->temp.Read("TempPart.dat");
        if (std::string(way) == "Abbrechen")
            EXPECT_NE(after.find(picked.toStdString()), std::string::npos) << way;
        else
            EXPECT_EQ(after, before) << way;
    }
}

TEST_F(ProjectFormWindowTest, PrintOpensTheViewerAfterTheReportAndHelpHasItsContext) {
    Open();
    std::filesystem::remove(folder->temp.Path() / "ergEN1.DAT");
    Child<ui::PictureButton>("Printbutt")->click();
    EXPECT_EQ(viewers, 1);
    EXPECT_TRUE(reportExisted);
    Child<ui::PictureButton>("Command3D3")->click();
    EXPECT_EQ(helpBoxes, 1);
    EXPECT_EQ(helpContextWhileShown, 33);
    EXPECT_EQ(folder->state.settings.HelpContext, 0);
}

TEST_F(ProjectFormWindowTest, TabGoesThroughTheInputsInOrder) {
    Open();
    Child<QWidget>("AnwendBereich")->setFocus();
    std::vector<std::string> order;
    for (int i = 0; i < 28; ++i) {
        order.push_back(QApplication::focusWidget()->objectName().toStdString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    const std::vector<std::string> start(order.begin(), order.begin() + 6);
    EXPECT_EQ(start, (std::vector<std::string>{"AnwendBereich", "Tempbereich", "AnlGroesse", "Q0",
                                               "AmbientT", "tambient"}));
    for (const char* name : {"Spezco2emission", "Rechbutt", "Printbutt", "Abbrechen"})
        EXPECT_NE(std::find(order.begin(), order.end(), name), order.end()) << name;
}

}  // namespace
}  // namespace tessaro
