#include "project/number_ranges.h"

#include <cerrno>
#include <cstring>

#include "shell/caption_tables.h"
#include "shell/number_text.h"

namespace tessaro {

namespace {

// Program caption entries of the messages.
constexpr int kRangeEntry = 61;
constexpr int kAboveZeroRangeEntry = 62;
constexpr int kWriteFailedEntry = 63;
constexpr int kNothingLostEntry = 64;
constexpr int kNoPermissionEntry = 65;
constexpr int kDiskFullEntry = 66;
constexpr int kWriteErrorEntry = 67;

// The name of a number box as the form's captions show it.
std::string BoxName(FieldId field, const CaptionTables& c) {
    switch (field) {
        case FieldId::Q0:
            return "Qo";
        case FieldId::t0:
            return "to";
        case FieldId::Tc:
            return "tc";
        case FieldId::tambient:
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
        default:
            return std::string(FieldName(field));
    }
}

// The unit shown beside a number box, or nothing.
std::string BoxUnit(FieldId field, const std::string& currencyCode) {
    switch (field) {
        case FieldId::Q0:
            return UnitLabel(4);
        case FieldId::t0:
        case FieldId::Tc:
        case FieldId::tambient:
            return UnitLabel(1);
        case FieldId::betrstd:
            return "h";
        case FieldId::EnergKost:
            return currencyCode + "/kWh";
        case FieldId::Spezco2emission:
            return "kg CO2/kWh";
        default:
            return {};
    }
}

// The entry's text with %1 and %2 replaced.
std::string Filled(const std::string& text, const std::string& first, const std::string& second) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            out += text[i + 1] == '1' ? first : second;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

int ReasonEntry(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
        case EROFS:
            return kNoPermissionEntry;
        case ENOSPC:
        case EDQUOT:
            return kDiskFullEntry;
        default:
            return kWriteErrorEntry;
    }
}

}  // namespace

NumberRange SensibleRange(FieldId field, int tMin, int tMax) {
    switch (field) {
        case FieldId::Q0:
            return {0, 100000, true};
        case FieldId::t0:
        case FieldId::Tc:
            return {static_cast<double>(tMin), static_cast<double>(tMax)};
        case FieldId::tambient:
            return {-50, 60};
        case FieldId::betrstd:
            return {0, 24};
        case FieldId::lzfaktor:
            return {0, 1};
        case FieldId::JahrebetrT:
            return {0, 366};
        default:  // energy price, emission factor
            return {0, 1000};
    }
}

std::string RangeMessage(FieldId field, const NumberRange& range, const CaptionTables& captions,
                         const std::string& currencyCode, char decimalSeparator) {
    std::string unit = BoxUnit(field, currencyCode);
    if (!unit.empty())
        unit.insert(0, " ");
    const std::string low = PlainNumberText(range.low, decimalSeparator) + unit;
    const std::string high = PlainNumberText(range.high, decimalSeparator) + unit;
    const int entry = range.lowExcluded ? kAboveZeroRangeEntry : kRangeEntry;
    return BoxName(field, captions) + std::string(kColonSuffix) + std::string(kLineBreak) +
           Filled(captions.Program(entry), low, high);
}

std::string WriteFailedMessage(const std::string& path, int error, const CaptionTables& captions) {
    std::string reason = captions.Program(ReasonEntry(error));
    if (ReasonEntry(error) == kWriteErrorEntry && error != 0)
        reason += " (" + std::string(std::strerror(error)) + ")";
    return Filled(captions.Program(kWriteFailedEntry), path, reason) + std::string(kLineBreak) +
           captions.Program(kNothingLostEntry);
}

}  // namespace tessaro
