#include "project/operating_conditions.h"

#include "engine/operating_rules.h"
#include "shell/caption_tables.h"
#include "shell/number_text.h"
#include "shell/text.h"

namespace tessaro {

namespace {

constexpr bool kTrim = true;
constexpr bool kExact = false;
constexpr int kNoWinterControlEntry = 33;

}  // namespace

int OperatingConditions::Item(FieldId field, bool trimBlanks) const {
    return ItemNumber(p_[field], ItemTexts(field, captions_), trimBlanks);
}

bool OperatingConditions::NoWinterControl() const {
    return p_[FieldId::WinterRGart] == captions_.Program(kNoWinterControlEntry);
}

double OperatingConditions::DesignAmbient() const {
    double ta = DecimalCommaConversion(p_[FieldId::tambient]).value_or(0);
    return ta == 0 ? 32 : ta;
}

void OperatingConditions::RoomTemperatureRule() {
    op_.RoomTemperature =
        RoomTemperatureFor(Item(FieldId::AnwendBereich, kTrim), Item(FieldId::Tempbereich, kExact));
}

void OperatingConditions::TempbereichListRule(ListMode mode, OptionLists& lists) {
    std::string remembered = p_[FieldId::Tempbereich];
    std::vector<std::string>& list = lists[FieldId::Tempbereich];
    list.clear();
    p_[FieldId::Tempbereich].clear();
    const std::string& oneRange = captions_.Program(15);
    int application = Item(FieldId::AnwendBereich, kTrim);
    if (application < 4) {  // items 1 to 3 and any other text: one range only
        op_.RoomTemperature = application == 1 || application == 2 ? 5 : application == 3 ? 2 : -10;
        p_[FieldId::Tempbereich] = oneRange;
        list = {oneRange};
        return;
    }
    if (application >= 6)
        op_.RoomTemperature = -10;
    list = ItemTexts(FieldId::Tempbereich, captions_);
    switch (mode) {
        case ListMode::ApplicationPicked:
            p_[FieldId::Tempbereich] = captions_.Program(19);
            op_.RoomTemperature = -10;
            break;
        case ListMode::ProjectLoaded:
            p_[FieldId::Tempbereich] = remembered;
            break;
        case ListMode::EvaporatorPicked:
            p_[FieldId::Tempbereich] = remembered;
            RoomTemperatureRule();
            break;
    }
}

void OperatingConditions::EvaporatingProposal() {
    auto proposal = ProposeEvaporating(Item(FieldId::vdsize, kTrim), Item(FieldId::km, kTrim),
                                       op_.RoomTemperature);
    op_.EvaporatorSuperheat = proposal.superheat;
    p_[FieldId::t0] = PlainNumberText(proposal.t0, separator_);
}

void OperatingConditions::SuperheatRule() {
    op_.EvaporatorSuperheat =
        ProposeEvaporating(Item(FieldId::vdsize, kTrim), Item(FieldId::km, kTrim), 0).superheat;
}

void OperatingConditions::CondenserDifferenceRule() {
    op_.CondenserDifference =
        CondenserDifferenceFor(Item(FieldId::VFlsize, kTrim), Item(FieldId::km, kTrim));
}

void OperatingConditions::CondensingProposal(double ta) {
    CondenserDifferenceRule();
    double tc = ta + op_.CondenserDifference;
    p_[FieldId::Tc] = PlainNumberText(tc, separator_);
    ClampWinterSetPoint(tc);
}

void OperatingConditions::ClampWinterSetPoint(double tc) {
    if (NoWinterControl())
        return;
    double setPoint =
        DecimalCommaConversion(FirstCharacters(p_[FieldId::WinterRGart], 2)).value_or(0);
    if (setPoint > tc)
        p_[FieldId::WinterRGart] = SignPlaceNumberText(tc) + " °C";
}

void OperatingConditions::CapacityProposal() {
    double q0 =
        ProposeCapacity(Item(FieldId::AnwendBereich, kTrim), Item(FieldId::AnlGroesse, kExact));
    p_[FieldId::Q0] = PlainNumberText(q0, separator_);
}

void OperatingConditions::PipeRule() {
    op_.SuctionLineLoss = SuctionLineLossFor(Item(FieldId::Leitungsdimension, kTrim),
                                             Item(FieldId::AnwendBereich, kTrim));
}

void OperatingConditions::InsulationRule() {
    op_.SuctionLineSuperheat = SuctionLineSuperheatFor(Item(FieldId::WaermeD, kExact));
}

void OperatingConditions::MaintenanceRule() {
    if (auto offset = MaintenanceOffsetFor(Item(FieldId::WartungI, kExact))) {
        op_.MaintenanceOffset = *offset;
    }
}

void OperatingConditions::ChargeRule() {
    op_.FillFactor = FillFactorFor(Item(FieldId::Fullzustand, kExact));
}

void OperatingConditions::WinterRule() {
    double tc = DecimalCommaConversion(p_[FieldId::Tc]).value_or(0);
    double tw = 0;
    if (NoWinterControl()) {
        tw = op_.CondenserDifference + 10;
    } else {
        tw = DecimalCommaConversion(p_[FieldId::WinterRGart]).value_or(0);
    }
    if (auto reduction = WinterReductionFor(tc, tw, Item(FieldId::AnwendBereich, kExact),
                                            Item(FieldId::RGart, kExact))) {
        op_.WinterReduction = *reduction;
    }
}

void OperatingConditions::AmbientFromClimateClass() {
    p_[FieldId::tambient] =
        PlainNumberText(AmbientTemperatureFor(Item(FieldId::AmbientT, kExact)), separator_);
}

}  // namespace tessaro
