#include "project/number_ranges.h"

#include <cerrno>
#include <cstring>

#include "project/field_titles.h"
#include "shell/caption_tables.h"
#include "shell/number_text.h"
#include "shell/text.h"

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
    return FieldTitle(field, captions) + std::string(kColonSuffix) + std::string(kLineBreak) +
           FillPlaces(captions.Program(entry), {low, high});
}

std::string WriteFailedMessage(const std::string& path, int error, const CaptionTables& captions) {
    std::string reason = captions.Program(ReasonEntry(error));
    if (ReasonEntry(error) == kWriteErrorEntry && error != 0)
        reason += " (" + std::string(std::strerror(error)) + ")";
    return FillPlaces(captions.Program(kWriteFailedEntry), {path, reason}) +
           std::string(kLineBreak) + captions.Program(kNothingLostEntry);
}

}  // namespace tessaro
