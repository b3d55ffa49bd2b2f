#include "app/calc_session.h"

#include <charconv>

namespace tessaro {

namespace {

using Kind = CalcAction::Kind;

std::optional<Kind> KindOf(const std::string& word) {
    static const std::pair<const char*, Kind> kKinds[] = {
        {"pick", Kind::Pick},   {"type", Kind::Type},           {"enter", Kind::Enter},
        {"focus", Kind::Focus}, {"calculate", Kind::Calculate}, {"print", Kind::Print},
        {"ok", Kind::Ok},       {"cancel", Kind::Cancel}};
    for (const auto& [name, kind] : kKinds) {
        if (word == name)
            return kind;
    }
    return std::nullopt;
}

int ArgumentCount(Kind kind) {
    switch (kind) {
        case Kind::Pick:
        case Kind::Type:
        case Kind::Enter:
            return 2;
        case Kind::Focus:
            return 1;
        default:
            return 0;
    }
}

// Checks the field argument of an action; returns the usage error.
std::optional<std::string> ParseField(Kind kind, const std::string& word, CalcAction& action) {
    std::optional<FieldId> field = FieldByName(word);
    if (!field)
        return "unknown field '" + word + "'";
    if (kind == Kind::Pick && !IsChoiceField(*field))
        return "'" + word + "' is not a choice field";
    if ((kind == Kind::Type || kind == Kind::Enter) && IsChoiceField(*field)) {
        return "'" + word + "' is not a text box";
    }
    action.field = *field;
    return std::nullopt;
}

}  // namespace

std::optional<std::string> ParseCalcActions(const std::vector<std::string>& args,
                                            std::vector<CalcAction>& actions) {
    bool closed = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        std::optional<Kind> kind = KindOf(word);
        if (!kind)
            return "unknown action '" + word + "'";
        if (closed)
            return "action '" + word + "' after the form was closed";
        if (i + static_cast<size_t>(ArgumentCount(*kind)) >= args.size() &&
            ArgumentCount(*kind) > 0) {
            return "action '" + word + "' lacks an argument";
        }
        CalcAction action{*kind, FieldId::Q0, 0, {}};
        if (ArgumentCount(*kind) >= 1) {
            if (auto error = ParseField(*kind, args[++i], action))
                return error;
        }
        if (*kind == Kind::Pick) {
            const std::string& number = args[++i];
            auto [end, ec] =
                std::from_chars(number.data(), number.data() + number.size(), action.item);
            if (ec != std::errc() || end != number.data() + number.size() || action.item < 1) {
                return "pick " + std::string(FieldName(action.field)) + ": '" + number +
                       "' is not an item number";
            }
        } else if (*kind == Kind::Type || *kind == Kind::Enter) {
            action.text = args[++i];
        }
        closed = *kind == Kind::Ok || *kind == Kind::Cancel;
        actions.push_back(std::move(action));
    }
    return std::nullopt;
}

}  // namespace tessaro
