#pragma once

#include <string>
#include <vector>

namespace tessaro {

// One change a variant makes to the project: a choice field set to an item of its list (1-based,
// as the list stands when the change is made), or a number box given a text and Enter.
struct FieldChange {
    std::string field;  // the field's name, e.g. "RGart" or "Q0"
    int item = 0;       // for a choice field
    std::string text;   // for a number box

    bool operator==(const FieldChange&) const = default;
};

// A variant of the project: a name, optionally another refrigerant, the changes made in order,
// and the extra investment against the project (in the currency of the settings).
struct Variant {
    std::string name;
    std::string refrigerant;  // empty: the project's refrigerant
    std::vector<FieldChange> changes;
    double investment = 0;

    bool operator==(const Variant&) const = default;
};

// How the yearly leakage is given: in kg a year, or in percent of the charge a year.
enum class LeakageUnit { KgPerYear, PercentOfCharge };

// The inputs of the TEWI that are the same for every column: the refrigerant charge m (kg), the
// yearly leakage L, the lifetime n (years) and the recovery factor alpha at the end of life.
struct TewiInputs {
    double charge = 0;
    double leakage = 10;
    LeakageUnit leakageUnit = LeakageUnit::PercentOfCharge;
    double lifetime = 15;
    double recovery = 0.7;

    // The yearly leakage in kg.
    double LeakageKgPerYear() const {
        return leakageUnit == LeakageUnit::KgPerYear ? leakage : charge * leakage / 100;
    }
    bool operator==(const TewiInputs&) const = default;
};

// What the variants file holds: the TEWI inputs and the variants, in the order shown.
struct VariantSet {
    TewiInputs tewi;
    std::vector<Variant> variants;

    bool operator==(const VariantSet&) const = default;
};

}  // namespace tessaro
