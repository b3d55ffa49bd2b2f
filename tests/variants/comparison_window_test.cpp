// The comparison window as a user works it: opened from the project form by mouse and keyboard,
// its commands from the keyboard, every change saved, printed and exported, on a laptop screen.
#include <gtest/gtest.h>

#include <QDoubleSpinBox>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>

#include "project/form/project_form_window.h"
#include "support/started_folder.h"
#include "support/window_helpers.h"
#include "variants/comparison_window.h"
#include "variants/variants_file.h"

namespace tessaro {
namespace {

using test::Control;
using test::Key;
using test::Mouse;

TEST(ComparisonWindow, OpensFromTheFormButtonOnReleaseWithTheFieldInFocus) {
    test::StartedFolder folder;
    std::vector<std::optional<FieldId>> opened;
    ProjectFormHooks hooks;
    hooks.showComparison = [&](QWidget*, std::optional<FieldId> field) { opened.push_back(field); };
    ProjectFormWindow form(folder.state, folder.messages, hooks);
    form.show();
    auto& button = Control(form, "Variantbutt");
    EXPECT_EQ(button.accessibleName().toStdString(), folder.state.captions.Program(70));
    Control(form, "RGart").setFocus();
    QApplication::processEvents();
    Mouse(form, button, QEvent::MouseButtonPress);
    EXPECT_TRUE(opened.empty()) << "nothing on the press";
    Mouse(form, button, QEvent::MouseButtonRelease);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], FieldId::RGart);
    // From the keyboard: Tab from the diagram button reaches it; Space runs it.
    Control(form, "Diagrammbutt").setFocus();
    Key(form, Qt::Key_Tab);
    ASSERT_EQ(form.focusWidget(), &button);
    Key(form, Qt::Key_Space);
    EXPECT_EQ(opened.size(), 2u);
}

constexpr const char* kRetrofit = "R407C retrofit with new seals and filter driers";

struct ComparisonFolder : test::StartedFolder {
    ComparisonFolder() : test::StartedFolder("ENG"), form(state, messages, host) {
        VariantSet set;
        set.tewi.charge = 12;
        set.variants = {{"Floating", "", {{"RGart", 5, ""}}, 800}, {kRetrofit, "R407C", {}, 300}};
        EXPECT_TRUE(WriteVariantsFile(state.dir, set));
        form.Load();
    }
    VariantSet Saved() const { return ReadVariantsFile(state.dir, false).set; }
    FormHost host;
    ProjectForm form;
};

TEST(ComparisonWindow, ShowsTheColumnsFitsTheScreenAndNamesEveryControl) {
    ComparisonFolder folder;
    ComparisonWindow window(folder.form, folder.state.dir, folder.messages, nullptr);
    window.show();
    QApplication::processEvents();
    const QRect screen = window.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(window.frameGeometry())) << "fits 1280x720";
    auto& table = Control<QTableWidget>(window, "ComparisonTable");
    ASSERT_EQ(table.columnCount(), 3);
    EXPECT_EQ(table.horizontalHeaderItem(1)->text(), "Floating");
    EXPECT_EQ(table.verticalHeaderItem(1)->text(), "Condensing pressure control");
    EXPECT_TRUE(table.item(1, 1)->font().bold()) << "a changed field is marked";
    EXPECT_FALSE(table.item(1, 2)->font().bold());
    EXPECT_EQ(table.item(0, 2)->text(), QChar(0x200E) + QString("R407C"));
    EXPECT_EQ(table.item(0, 2)->data(Qt::AccessibleTextRole).toString(),
              QString(kRetrofit) + ", Refrigerant: R407C");
    // A long name is read in two lines of its header, and whole in its tooltip.
    QTableWidgetItem& longName = *table.horizontalHeaderItem(2);
    EXPECT_TRUE(longName.text().startsWith("R407C retrofit")) << longName.text().toStdString();
    EXPECT_EQ(longName.text().count('\n'), 1);
    EXPECT_EQ(longName.toolTip(), kRetrofit);
    EXPECT_LE(table.columnWidth(2), 160);
    EXPECT_NE(Control(window, "ComparisonChart").accessibleDescription().indexOf("Floating"), -1);
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (control->focusPolicy() == Qt::NoFocus || !control->isVisible() ||
            control->objectName().startsWith("qt_") || control->objectName().isEmpty()) {
            continue;
        }
        const QString name = control->accessibleName().isEmpty()
                                 ? qobject_cast<QPushButton*>(control) != nullptr
                                       ? static_cast<QPushButton*>(control)->text()
                                       : QString()
                                 : control->accessibleName();
        EXPECT_FALSE(name.isEmpty()) << control->objectName().toStdString();
    }
}

TEST(ComparisonWindow, KeyboardCommandsChangeAndSaveTheVariants) {
    ComparisonFolder folder;
    ComparisonWindow window(folder.form, folder.state.dir, folder.messages, nullptr,
                            FieldId::WartungI);
    window.show();
    // What-if of the field in focus on the form: one variant per item, saved at once.
    Control(window, "PerItem").setFocus();
    Key(window, Qt::Key_Space);
    const size_t items = folder.form.Lists()[FieldId::WartungI].size();
    EXPECT_EQ(folder.Saved().variants.size(), 2 + items);
    EXPECT_EQ(folder.Saved().variants.back().changes,
              (std::vector<FieldChange>{{"WartungI", static_cast<int>(items), ""}}));
    Control(window, "Refrigerants").setFocus();
    Key(window, Qt::Key_Space);
    EXPECT_EQ(folder.Saved().variants.size(), 2 + items + 10);
    // Delete asks; No keeps the variant, Yes deletes it.
    auto& table = Control<QTableWidget>(window, "ComparisonTable");
    table.setCurrentCell(0, 1);
    folder.messages.answer = MessageAnswer::No;
    Control(window, "Delete").setFocus();
    Key(window, Qt::Key_Space);
    EXPECT_EQ(folder.Saved().variants.front().name, "Floating");
    folder.messages.answer = MessageAnswer::Yes;
    Key(window, Qt::Key_Space);
    EXPECT_EQ(folder.Saved().variants.front().name, kRetrofit);
    EXPECT_EQ(folder.messages.shown.back().text, "Delete the variant Floating?");
    // The project's own column cannot be deleted.
    table.setCurrentCell(0, 0);
    const size_t count = folder.Saved().variants.size();
    Key(window, Qt::Key_Space);
    EXPECT_EQ(folder.Saved().variants.size(), count);
    // A TEWI input typed and confirmed is saved.
    auto& charge = Control<QDoubleSpinBox>(window, "Charge");
    window.activateWindow();
    charge.setFocus();
    QApplication::processEvents();
    charge.selectAll();
    QTest::keyClicks(window.focusWidget(), "25");
    QTest::keyClick(window.focusWidget(), Qt::Key_Return);
    EXPECT_EQ(folder.Saved().tewi.charge, 25);
}

TEST(ComparisonWindow, PrintsToPdfAndExportsCsvWithoutTouchingTheProject) {
    ComparisonFolder folder;
    const std::string project = folder.temp.Read("TempPart.dat");
    const std::string energy = folder.temp.Read("energk.dat");
    ComparisonWindow window(folder.form, folder.state.dir, folder.messages, nullptr);
    window.show();
    window.PrintComparison();
    EXPECT_EQ(folder.temp.Read("TempPartVariants.pdf").substr(0, 5), "%PDF-");
    window.ExportCsv();
    const std::string csv = folder.temp.Read("TempPartVariants.csv");
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
              "\"\",\"Project\",\"Floating\",\"" + std::string(kRetrofit) + "\"");
    EXPECT_NE(folder.messages.shown.back().text.find("TempPartVariants.csv"), std::string::npos);
    EXPECT_EQ(folder.temp.Read("TempPart.dat"), project);
    EXPECT_EQ(folder.temp.Read("energk.dat"), energy);
}

TEST(ComparisonWindow, ADamagedVariantsFileIsKeptAndSaid) {
    test::StartedFolder folder("ENG");
    folder.temp.Write(kVariantsFile, "{broken");
    FormHost host;
    ProjectForm form(folder.state, folder.messages, host);
    form.Load();
    ComparisonWindow window(form, folder.state.dir, folder.messages, nullptr);
    ASSERT_EQ(folder.messages.shown.size(), 1u);
    EXPECT_NE(folder.messages.shown[0].text.find("could not be read (not JSON)"),
              std::string::npos);
    EXPECT_EQ(folder.temp.Read(kDamagedVariantsFile), "{broken");
}

}  // namespace
}  // namespace tessaro
