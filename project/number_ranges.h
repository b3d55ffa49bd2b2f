#pragma once

#include <optional>
#include <string>

#include "project/project_parameters.h"

namespace tessaro {

class CaptionTables;

// The values a number box accepts on Enter: from low to high, low itself excluded where said.
struct NumberRange {
    double low;
    double high;
    bool lowExcluded = false;

    bool Holds(double value) const {
        return (lowExcluded ? value > low : value >= low) && value <= high;
    }
};

// The sensible range of a number box. The evaporating and condensing temperatures take the
// refrigerant's limits tMin and tMax (in °C); the others are fixed: Q0 above 0 up to 100000 kW,
// the ambient temperature -50 to 60 °C, hours a day 0 to 24, the running-time factor 0 to 1, days a
// year 0 to 366, the energy price and the emission factor 0 to 1000.
NumberRange SensibleRange(FieldId field, int tMin, int tMax);

// The message for a number box whose text is no number or lies outside its range: the box's name
// as its caption shows it, then the range with its unit, in the current language.
std::string RangeMessage(FieldId field, const NumberRange& range, const CaptionTables& captions,
                         const std::string& currencyCode, char decimalSeparator);

// The message for a file that could not be written: its full path, the reason for the error
// number, and that nothing the user entered is lost.
std::string WriteFailedMessage(const std::string& path, int error, const CaptionTables& captions);

}  // namespace tessaro
