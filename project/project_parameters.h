#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/calculation_run.h"

namespace tessaro {

// The fields of one project, each shown in the project form's control of the same name.
enum class FieldId {
    // numeric text fields
    Q0,
    t0,
    Tc,
    tambient,
    betrstd,
    lzfaktor,
    EnergKost,
    JahrebetrT,
    Spezco2emission,
    // choice fields
    AnwendBereich,
    Tempbereich,
    AnlGroesse,
    vdsize,
    VFlsize,
    Leitungsdimension,
    Verdichterbauart,
    WaermeD,
    WartungI,
    Fullzustand,
    AmbientT,
    RGart,
    WinterRGart,
    km,
};

inline constexpr int kFieldCount = static_cast<int>(FieldId::km) + 1;

std::string_view FieldName(FieldId field);
std::optional<FieldId> FieldByName(std::string_view name);
bool IsChoiceField(FieldId field);
bool IsEnergyField(FieldId field);

// The five energy fields in the order of the energy file.
inline constexpr std::array<FieldId, 5> kEnergyFields = {FieldId::betrstd, FieldId::lzfaktor,
                                                         FieldId::EnergKost, FieldId::JahrebetrT,
                                                         FieldId::Spezco2emission};

// The fields of the project file, lines 2 to 18, in file order.
inline constexpr std::array<FieldId, 17> kProjectFileFields = {FieldId::Q0,
                                                               FieldId::t0,
                                                               FieldId::tambient,
                                                               FieldId::AnwendBereich,
                                                               FieldId::vdsize,
                                                               FieldId::AnlGroesse,
                                                               FieldId::VFlsize,
                                                               FieldId::AmbientT,
                                                               FieldId::Tempbereich,
                                                               FieldId::WartungI,
                                                               FieldId::Fullzustand,
                                                               FieldId::Leitungsdimension,
                                                               FieldId::WaermeD,
                                                               FieldId::km,
                                                               FieldId::Verdichterbauart,
                                                               FieldId::RGart,
                                                               FieldId::WinterRGart};

// The record of one project: the text of every field as its control shows it, and the five
// energy values held a second time as numbers (those of the last read or write of the energy file).
struct ProjectParameters {
    std::array<std::string, kFieldCount> texts;
    EnergyNumbers energy;

    std::string& operator[](FieldId field) { return texts[static_cast<size_t>(field)]; }
    const std::string& operator[](FieldId field) const { return texts[static_cast<size_t>(field)]; }
};

}  // namespace tessaro
