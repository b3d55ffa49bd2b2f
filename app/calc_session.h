#pragma once

#include <optional>
#include <string>
#include <vector>

#include "project/project_parameters.h"

namespace tessaro {

class ProjectForm;

// One action of the headless calculator: the user's action on the project form. The text of a
// hover is the name of the caption label or panel under the mouse. The last action may be a
// comparison instead: the stored variants ("compare"), one variant per item of a choice field
// ("whatif FIELD"), or one per refrigerant ("whatif refrigerants [NAME,NAME,...]", text the list);
// or the log p-h diagram of the form's cycle as a picture file ("diagram FILE [REFRIGERANT]", text
// the file; with a refrigerant, the cycle of the project with that refrigerant).
struct CalcAction {
    enum class Kind {
        Pick,
        Type,
        Enter,
        Escape,
        Focus,
        Hover,
        Calculate,
        Print,
        Ok,
        Cancel,
        Compare,
        WhatIf,
        WhatIfRefrigerants,
        Diagram
    };
    Kind kind;
    FieldId field = FieldId::Q0;
    int item = 0;
    std::string text;
    std::string refrigerant = {};
};

// Parses the actions of the command line. Returns the usage error of the first action that is
// unknown, names an unknown field or a field of the wrong kind, lacks an argument, or follows
// "ok", "cancel" or a comparison.
std::optional<std::string> ParseCalcActions(const std::vector<std::string>& args,
                                            std::vector<CalcAction>& actions);

// Carries out the actions on the form in order. Returns the usage error of a pick beyond its list.
std::optional<std::string> RunCalcActions(ProjectForm& form,
                                          const std::vector<CalcAction>& actions);

// The actions as the words of a command line that repeats them.
std::vector<std::string> CalcActionWords(const std::vector<CalcAction>& actions);

}  // namespace tessaro
