#include "app/calc_session.h"

#include <charconv>

#include "project/form/project_form.h"

namespace tessaro {

namespace {

using Kind = CalcAction::Kind;

constexpr std::pair<const char*, Kind> kKinds[] = {
    {"pick", Kind::Pick},           {"type", Kind::Type},       {"enter", Kind::Enter},
    {"escape", Kind::Escape},       {"focus", Kind::Focus},     {"hover", Kind::Hover},
    {"calculate", Kind::Calculate}, {"print", Kind::Print},     {"ok", Kind::Ok},
    {"cancel", Kind::Cancel},       {"compare", Kind::Compare}, {"whatif", Kind::WhatIf},
    {"diagram", Kind::Diagram}};

std::optional<Kind> KindOf(const std::string& word) {
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
        case Kind::Escape:
        case Kind::Focus:
        case Kind::Hover:
        case Kind::WhatIf:
        case Kind::Diagram:
            return 1;
        default:
            return 0;
    }
}

// Checks the field argument of an action; returns the usage error.
std::optional<std::string> ParseField(Kind kind, const std::string& word, CalcAction& action) {
    if (kind == Kind::Hover) {
        if (!ProjectForm::AnswersMouseOver(word))
            return "'" + word + "' is no caption label or panel that answers the mouse";
        action.text = word;
        return std::nullopt;
    }
    if (kind == Kind::WhatIf && word == "refrigerants")
        return std::nullopt;
    std::optional<FieldId> field = FieldByName(word);
    if (!field)
        return "unknown field '" + word + "'";
    if (kind == Kind::WhatIf && !IsChoiceField(*field))
        return "'" + word + "' is not a choice field";
    if (kind == Kind::Pick && !IsChoiceField(*field))
        return "'" + word + "' is not a choice field";
    if ((kind == Kind::Type || kind == Kind::Enter || kind == Kind::Escape) &&
        IsChoiceField(*field)) {
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
        if (*kind == Kind::Diagram) {
            action.text = args[++i];
            // A refrigerant to draw the cycle with, when one follows.
            if (i + 1 < args.size())
                action.refrigerant = args[++i];
        } else if (ArgumentCount(*kind) >= 1) {
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
        } else if (*kind == Kind::WhatIf && args[i] == "refrigerants") {
            action.kind = Kind::WhatIfRefrigerants;
            // The list of names, when one follows.
            if (i + 1 < args.size())
                action.text = args[++i];
        }
        closed = *kind == Kind::Ok || *kind == Kind::Cancel || *kind == Kind::Compare ||
                 *kind == Kind::WhatIf || *kind == Kind::Diagram;
        actions.push_back(std::move(action));
    }
    return std::nullopt;
}

std::optional<std::string> RunCalcActions(ProjectForm& form,
                                          const std::vector<CalcAction>& actions) {
    for (const CalcAction& a : actions) {
        switch (a.kind) {
            case Kind::Pick:
                if (!form.Pick(a.field, a.item)) {
                    return "pick " + std::string(FieldName(a.field)) + " " +
                           std::to_string(a.item) + ": the list holds " +
                           std::to_string(form.Lists()[a.field].size()) + " items";
                }
                break;
            case Kind::Type:
                form.Type(a.field, a.text);
                break;
            case Kind::Enter:
                form.Type(a.field, a.text);
                form.Enter(a.field);
                break;
            case Kind::Escape:
                // Escape outside a pending energy box is the window's cancel.
                if (!form.Escape(a.field))
                    form.Command3D2();
                break;
            case Kind::Focus:
                form.Focus(a.field);
                break;
            case Kind::Hover:
                form.MouseOver(a.text);
                break;
            case Kind::Calculate:
                form.Rechbutt();
                break;
            case Kind::Print:
                form.Printbutt();
                break;
            case Kind::Ok:
                form.Abbrechen();
                break;
            case Kind::Cancel:
                form.Command3D2();
                break;
            case Kind::Compare:
            case Kind::WhatIf:
            case Kind::WhatIfRefrigerants:
            case Kind::Diagram:
                break;  // made after the actions, from the form as it stands
        }
        if (form.Closed())
            break;
    }
    return std::nullopt;
}

std::vector<std::string> CalcActionWords(const std::vector<CalcAction>& actions) {
    std::vector<std::string> words;
    for (const CalcAction& a : actions) {
        std::string kind;
        for (const auto& [name, k] : kKinds) {
            if (k == a.kind)
                kind = name;
        }
        words.push_back(kind);
        if (a.kind == Kind::WhatIfRefrigerants) {
            words.back() = "whatif";
            words.emplace_back("refrigerants");
            if (!a.text.empty())
                words.push_back(a.text);
            continue;
        }
        if (a.kind == Kind::Hover || a.kind == Kind::Diagram)
            words.push_back(a.text);
        if (a.kind == Kind::Diagram && !a.refrigerant.empty())
            words.push_back(a.refrigerant);
        else if (ArgumentCount(a.kind) >= 1)
            words.emplace_back(FieldName(a.field));
        if (a.kind == Kind::Pick)
            words.push_back(std::to_string(a.item));
        else if (a.kind == Kind::Type || a.kind == Kind::Enter)
            words.push_back(a.text);
    }
    return words;
}

}  // namespace tessaro
