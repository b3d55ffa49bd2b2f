#include "project/project_parameters.h"

#include <algorithm>

namespace tessaro {

namespace {

constexpr std::array<std::string_view, kFieldCount> kNames = {"Q0",
                                                              "t0",
                                                              "Tc",
                                                              "tambient",
                                                              "betrstd",
                                                              "lzfaktor",
                                                              "EnergKost",
                                                              "JahrebetrT",
                                                              "Spezco2emission",
                                                              "AnwendBereich",
                                                              "Tempbereich",
                                                              "AnlGroesse",
                                                              "vdsize",
                                                              "VFlsize",
                                                              "Leitungsdimension",
                                                              "Verdichterbauart",
                                                              "WaermeD",
                                                              "WartungI",
                                                              "Fullzustand",
                                                              "AmbientT",
                                                              "RGart",
                                                              "WinterRGart",
                                                              "km"};

}  // namespace

std::string_view FieldName(FieldId field) {
    return kNames[static_cast<size_t>(field)];
}

std::optional<FieldId> FieldByName(std::string_view name) {
    auto it = std::find(kNames.begin(), kNames.end(), name);
    if (it == kNames.end())
        return std::nullopt;
    return static_cast<FieldId>(it - kNames.begin());
}

bool IsChoiceField(FieldId field) {
    return field >= FieldId::AnwendBereich;
}

bool IsEnergyField(FieldId field) {
    return std::find(kEnergyFields.begin(), kEnergyFields.end(), field) != kEnergyFields.end();
}

}  // namespace tessaro
