#pragma once

#include "engine/operating_values.h"
#include "project/option_lists.h"
#include "project/project_parameters.h"

namespace tessaro {

class CaptionTables;

// The operating-condition rules applied to the project record: each rule reads the choice texts
// it depends on (with or without the blanks at both ends, as that rule compares them), asks the
// engine's rule for the numbers, and writes the operating values and proposal texts.
class OperatingConditions {
  public:
    OperatingConditions(ProjectParameters& record, OperatingValues& values,
                        const CaptionTables& captions, const char& decimalSeparator)
        : p_(record), op_(values), captions_(captions), separator_(decimalSeparator) {}

    // The mode of the Tempbereich list rule.
    enum class ListMode { ApplicationPicked = 1, ProjectLoaded = 2, EvaporatorPicked = 3 };

    void RoomTemperatureRule();
    void TempbereichListRule(ListMode mode, OptionLists& lists);
    void EvaporatingProposal();
    // ta: the design ambient temperature in °C.
    void CondensingProposal(double ta);
    void CapacityProposal();
    // The evaporator superheat of the evaporating proposal, from the evaporator size alone; t0
    // keeps its text.
    void SuperheatRule();
    // The condenser difference of the condensing proposal, from the condenser size and the km
    // class; Tc and the winter set point keep their texts.
    void CondenserDifferenceRule();
    void PipeRule();
    void InsulationRule();
    void MaintenanceRule();
    void ChargeRule();
    void WinterRule();
    // tambient from the climate class picked in AmbientT.
    void AmbientFromClimateClass();
    // Unless WinterRGart shows "no winter control", a set point above tc is lowered to tc:
    // WinterRGart becomes tc as the sign-place number text followed by " °C".
    void ClampWinterSetPoint(double tc);

    // The decimal-comma value of tambient, 0 (or an empty text) taken as 32.
    double DesignAmbient() const;

  private:
    int Item(FieldId field, bool trimBlanks) const;
    bool NoWinterControl() const;

    ProjectParameters& p_;
    OperatingValues& op_;
    const CaptionTables& captions_;
    // The application state's separator itself, not a copy: a proposal is written with the
    // separator in force at the moment it is written.
    const char& separator_;
};

}  // namespace tessaro
