#pragma once

#include <string>

#include "project/project_parameters.h"

namespace tessaro {

class CaptionTables;

// The fields in the order the form's Tab order goes through them: what the plant is, where it
// stands, its heat exchangers, its control, its compressor and condition, then the running
// pattern. The comparison of variants lists fields in the same order.
inline constexpr FieldId kFieldOrder[] = {FieldId::AnwendBereich,
                                          FieldId::Tempbereich,
                                          FieldId::AnlGroesse,
                                          FieldId::Q0,
                                          FieldId::AmbientT,
                                          FieldId::tambient,
                                          FieldId::vdsize,
                                          FieldId::t0,
                                          FieldId::VFlsize,
                                          FieldId::Tc,
                                          FieldId::RGart,
                                          FieldId::WinterRGart,
                                          FieldId::Verdichterbauart,
                                          FieldId::WartungI,
                                          FieldId::Fullzustand,
                                          FieldId::Leitungsdimension,
                                          FieldId::WaermeD,
                                          FieldId::km,
                                          FieldId::betrstd,
                                          FieldId::lzfaktor,
                                          FieldId::EnergKost,
                                          FieldId::JahrebetrT,
                                          FieldId::Spezco2emission};

// The name of a field as the project form's captions show it, without the colon, in the current
// language: "Qo", "to", "tc" for the capacity and the temperatures, the caption of every other
// box and list. The two size lists, whose captions both say "size", are named with their heat
// exchanger before it.
std::string FieldTitle(FieldId field, const CaptionTables& captions);

// The same where fields are listed one under another: the ambient temperature's box, which shares
// its caption with the climate list beside it, is told apart by its unit.
std::string ListedFieldTitle(FieldId field, const CaptionTables& captions);

}  // namespace tessaro
