#include "project/field_titles.h"

#include "shell/caption_tables.h"

namespace tessaro {

std::string FieldTitle(FieldId field, const CaptionTables& c) {
    switch (field) {
        case FieldId::Q0:
            return "Qo";
        case FieldId::t0:
            return "to";
        case FieldId::Tc:
            return "tc";
        case FieldId::tambient:
        case FieldId::AmbientT:
            return c.Program(13);
        case FieldId::betrstd:
            return c.Main(82);
        case FieldId::lzfaktor:
            return c.Main(83);
        case FieldId::EnergKost:
            return c.Main(84);
        case FieldId::JahrebetrT:
            return c.Main(85);
        case FieldId::Spezco2emission:
            return c.Main(222);
        case FieldId::AnwendBereich:
            return c.Program(29);
        case FieldId::Tempbereich:
            return c.Program(30);
        case FieldId::AnlGroesse:
            return c.Main(37);
        case FieldId::vdsize:
            return c.Main(13) + " - " + c.Main(203);
        case FieldId::VFlsize:
            return c.Main(14) + " - " + c.Main(203);
        case FieldId::Leitungsdimension:
            return c.Program(22);
        case FieldId::Verdichterbauart:
            return c.Main(12);
        case FieldId::WaermeD:
            return c.Program(32);
        case FieldId::WartungI:
            return c.Program(21);
        case FieldId::Fullzustand:
            return c.Program(12);
        case FieldId::RGart:
            return c.Program(46);
        case FieldId::WinterRGart:
            return c.Program(47);
        case FieldId::km:
            return c.Main(22);
    }
    return std::string(FieldName(field));
}

std::string ListedFieldTitle(FieldId field, const CaptionTables& captions) {
    std::string title = FieldTitle(field, captions);
    if (field == FieldId::tambient)
        title += " (" + UnitLabel(1) + ")";
    return title;
}

}  // namespace tessaro
