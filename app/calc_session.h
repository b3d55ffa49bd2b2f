#pragma once

#include <optional>
#include <string>
#include <vector>

#include "project/project_parameters.h"

namespace tessaro {

// One action of the headless calculator: the user's action on the project form.
struct CalcAction {
    enum class Kind { Pick, Type, Enter, Focus, Calculate, Print, Ok, Cancel };
    Kind kind;
    FieldId field = FieldId::Q0;
    int item = 0;
    std::string text;
};

// Parses the actions of the command line. Returns the usage error of the first action that is
// unknown, names an unknown field or a field of the wrong kind, lacks an argument, or follows
// "ok" or "cancel".
std::optional<std::string> ParseCalcActions(const std::vector<std::string>& args,
                                            std::vector<CalcAction>& actions);

}  // namespace tessaro
