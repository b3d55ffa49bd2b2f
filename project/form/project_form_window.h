#pragma once

#include <QDialog>
#include <QPixmap>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "project/form/form_layout.h"
#include "project/form/project_form.h"
#include "ui/message_box.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QScrollArea;

namespace tessaro {

class PhDiagramWindow;

namespace ui {
class PictureButton;
}

// What the project form window asks of the windows around it.
struct ProjectFormHooks {
    // The main window's information line (the focus hints of Q0, t0 and Tc).
    std::function<void(const std::string&)> showInfoLine;
    // The help box, shown modally; by default the program's help box.
    std::function<void(QWidget* parent)> showHelpBox;
    // The report view, shown modally after the report file was written.
    std::function<void(QWidget* parent)> showReportViewer;
    // The comparison of variants; by default the program's comparison window, shown modally.
    std::function<void(QWidget* parent, std::optional<FieldId> focusField)> showComparison;
};

// The project form `Projektdaten`: the fields of the project in their panels around the cycle
// picture, the efficiency class and energy values with the command buttons at the right, the
// result panel and the floating help panel. Every event goes to the headless ProjectForm, which
// holds every rule; the window then shows what the form holds.
class ProjectFormWindow : public QDialog, private FormHost {
    Q_OBJECT

  public:
    ProjectFormWindow(AppState& state, MessageBox& messages, ProjectFormHooks hooks,
                      QWidget* parent = nullptr);

    const ProjectForm& Form() const { return form_; }
    // The diagram window, once the diagram command has opened it.
    const PhDiagramWindow* Diagram() const { return diagram_; }

    // Copies everything the form holds to the controls: field texts, option lists, result
    // labels, help panel and caption.
    void Refresh();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void reject() override;

  private:
    // FormHost
    void SetBusy(bool busy) override { busy_.SetBusy(busy); }
    void ShowInfoLine(const std::string& text) override;
    void ShowHelpBox() override;
    void ShowReportViewer() override;
    void CloseForm() override;

    void BuildPanels();
    void BuildFields();
    void BuildCycle();
    void BuildResults();
    void BuildButtons();
    void ShowComparison();
    void ShowDiagram();
    void ApplyCaptions();
    void SetTabOrder();
    void Watch(QWidget* widget);
    void PlaceControls();
    void PlaceCycleLines();
    void ShowBackgrounds();
    void FitBackgrounds();
    void RefreshFields();
    void RefreshHelp();
    void ShowPending(QLineEdit* box, FieldId field);
    void ShowResultsToScreenReaders();
    QLabel* AddLabel(const QString& name, QWidget* parent);
    std::vector<TwipsRect> ControlsToKeepClear() const;
    // Twips of the design to pixels of the scaled form, and back.
    QRect Px(const TwipsRect& r) const;
    int Px(double twips) const;
    double Tw(int pixels) const;
    QFrame* Panel(FormPanel panel) const { return panels_[static_cast<size_t>(panel)]; }

    // The share of its design size at which the form is shown (1 where the screen has room).
    double scale_ = 1;
    QScrollArea* scroll_ = nullptr;
    QWidget* content_ = nullptr;
    ui::QtBusyPointer busy_;
    ProjectFormHooks hooks_;
    MessageBox& messages_;
    ProjectForm form_;
    ShellState& shell_;
    FormLayout layout_;
    // The choice field that last had the focus: the comparison offers its what-if first.
    std::optional<FieldId> lastChoiceFocus_;

    std::array<QFrame*, kFormPanelCount> panels_{};
    std::array<QWidget*, kFieldCount> fields_{};
    std::map<std::string, QLabel*> labels_;
    std::map<std::string, QFrame*> lines_;
    std::map<FormPanel, QPixmap> backgrounds_;  // loaded on activation
    QFrame* assitPN_ = nullptr;
    QLabel* assitLabel_ = nullptr;
    QLabel* tSLeit_ = nullptr;
    QLabel* leistZ_ = nullptr;
    QLabel* betrKo_ = nullptr;
    QLabel* kWstunden_ = nullptr;
    QLabel* co2consum_ = nullptr;
    QFrame* pn40_ = nullptr;
    ui::PictureButton* rechbutt_ = nullptr;
    ui::PictureButton* diagrammbutt_ = nullptr;
    ui::PictureButton* variantbutt_ = nullptr;
    PhDiagramWindow* diagram_ = nullptr;
    ui::PictureButton* printbutt_ = nullptr;
    ui::PictureButton* command3D3_ = nullptr;
    ui::PictureButton* command3D2_ = nullptr;
    ui::PictureButton* abbrechen_ = nullptr;
    bool placing_ = false;
};

}  // namespace tessaro
