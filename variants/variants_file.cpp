#include "variants/variants_file.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>

#include "shell/working_dir.h"

namespace tessaro {

namespace {

using Json = nlohmann::json;

constexpr const char* kFormat = "tessaro-variants";
constexpr int kFormatVersion = 1;

// A finite number of a member within low..high, or fallback.
double NumberOf(const Json& object, const char* key, double fallback, double low, double high) {
    const auto it = object.find(key);
    if (it == object.end() || !it->is_number())
        return fallback;
    const double value = it->get<double>();
    return std::isfinite(value) && value >= low && value <= high ? value : fallback;
}

// A text member cut to the longest text taken, or empty.
std::string TextOf(const Json& object, const char* key) {
    const auto it = object.find(key);
    if (it == object.end() || !it->is_string())
        return {};
    std::string text = it->get<std::string>();
    if (text.size() > kMaxVariantText) {
        text.resize(kMaxVariantText);
        // Never leave half a UTF-8 character at the cut.
        while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80)
            text.pop_back();
        if (!text.empty() && (static_cast<unsigned char>(text.back()) & 0x80) != 0)
            text.pop_back();
    }
    return text;
}

std::optional<FieldChange> ChangeOf(const Json& j) {
    if (!j.is_object())
        return std::nullopt;
    FieldChange change;
    change.field = TextOf(j, "field");
    if (change.field.empty())
        return std::nullopt;
    const auto item = j.find("item");
    if (item != j.end() && item->is_number_integer()) {
        const auto n = item->get<std::int64_t>();
        change.item = n >= 0 && n <= 1000 ? static_cast<int>(n) : 0;
    }
    // A change is either a choice or a text: a text beside an item is left out, as it is never
    // written back.
    if (change.item > 0)
        return change;
    if (!j.contains("text"))
        return std::nullopt;
    change.text = TextOf(j, "text");
    return change;
}

std::optional<Variant> VariantOf(const Json& j) {
    if (!j.is_object())
        return std::nullopt;
    Variant variant;
    variant.name = TextOf(j, "name");
    variant.refrigerant = TextOf(j, "refrigerant");
    variant.investment = NumberOf(j, "investment", 0, -1e12, 1e12);
    const auto changes = j.find("changes");
    if (changes != j.end() && changes->is_array()) {
        for (const Json& c : *changes) {
            if (variant.changes.size() >= kMaxChanges)
                break;
            if (std::optional<FieldChange> change = ChangeOf(c))
                variant.changes.push_back(std::move(*change));
        }
    }
    return variant;
}

TewiInputs TewiOf(const Json& j) {
    TewiInputs tewi;
    if (!j.is_object())
        return tewi;
    tewi.charge = NumberOf(j, "charge_kg", tewi.charge, 0, 1e7);
    tewi.leakage = NumberOf(j, "leakage", tewi.leakage, 0, 1e7);
    const auto unit = j.find("leakage_unit");
    if (unit != j.end() && unit->is_string() && *unit == "kg_per_year")
        tewi.leakageUnit = LeakageUnit::KgPerYear;
    tewi.lifetime = NumberOf(j, "lifetime_years", tewi.lifetime, 0, 200);
    tewi.recovery = NumberOf(j, "recovery", tewi.recovery, 0, 1);
    return tewi;
}

// The deepest nesting of arrays and objects in a JSON text, strings left out; deeply nested text
// is refused before the parser's recursion meets it.
constexpr int kMaxNesting = 16;
int NestingDepth(std::string_view text) {
    int depth = 0;
    int deepest = 0;
    bool inString = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return deepest;
}

}  // namespace

std::string VariantsJson(const VariantSet& set) {
    nlohmann::ordered_json out;
    out["format"] = kFormat;
    out["version"] = kFormatVersion;
    const TewiInputs& t = set.tewi;
    out["tewi"] = {{"charge_kg", t.charge},
                   {"leakage", t.leakage},
                   {"leakage_unit",
                    t.leakageUnit == LeakageUnit::KgPerYear ? "kg_per_year" : "percent_of_charge"},
                   {"lifetime_years", t.lifetime},
                   {"recovery", t.recovery}};
    nlohmann::ordered_json variants = nlohmann::ordered_json::array();
    for (const Variant& v : set.variants) {
        nlohmann::ordered_json variant;
        variant["name"] = v.name;
        if (!v.refrigerant.empty())
            variant["refrigerant"] = v.refrigerant;
        variant["investment"] = v.investment;
        nlohmann::ordered_json changes = nlohmann::ordered_json::array();
        for (const FieldChange& c : v.changes) {
            nlohmann::ordered_json change;
            change["field"] = c.field;
            if (c.item > 0)
                change["item"] = c.item;
            else
                change["text"] = c.text;
            changes.push_back(std::move(change));
        }
        variant["changes"] = std::move(changes);
        variants.push_back(std::move(variant));
    }
    out["variants"] = std::move(variants);
    return out.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

std::optional<VariantSet> ParseVariants(std::string_view text, std::string* error) {
    const auto fail = [error](const char* reason) {
        if (error != nullptr)
            *error = reason;
        return std::nullopt;
    };
    if (NestingDepth(text) > kMaxNesting)
        return fail("nested too deeply");
    const Json j = Json::parse(text, nullptr, false);
    if (j.is_discarded())
        return fail("not JSON");
    if (!j.is_object())
        return fail("not a variants file");
    const auto format = j.find("format");
    if (format == j.end() || !format->is_string() || *format != kFormat)
        return fail("not a variants file");
    VariantSet set;
    if (const auto tewi = j.find("tewi"); tewi != j.end())
        set.tewi = TewiOf(*tewi);
    if (const auto variants = j.find("variants"); variants != j.end() && variants->is_array()) {
        for (const Json& v : *variants) {
            if (set.variants.size() >= kMaxVariants)
                break;
            if (std::optional<Variant> variant = VariantOf(v))
                set.variants.push_back(std::move(*variant));
        }
    }
    return set;
}

VariantsRead ReadVariantsFile(const WorkingDir& dir, bool keepDamaged) {
    VariantsRead read;
    if (!dir.Exists(kVariantsFile))
        return read;
    const std::optional<std::string> bytes = dir.ReadBytes(kVariantsFile, kVariantsFileLimit + 1);
    std::string reason = "cannot be opened";
    if (bytes && bytes->size() > kVariantsFileLimit) {
        reason = "too large";
    } else if (bytes) {
        if (std::optional<VariantSet> set = ParseVariants(*bytes, &reason)) {
            read.set = std::move(*set);
            return read;
        }
    }
    read.error = reason;
    read.kept = keepDamaged && bytes && dir.OpenForReplace(kDamagedVariantsFile, *bytes);
    return read;
}

bool WriteVariantsFile(const WorkingDir& dir, const VariantSet& set) {
    return dir.OpenForReplace(kVariantsFile, VariantsJson(set));
}

}  // namespace tessaro
