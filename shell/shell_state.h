#pragma once

#include <utility>

#include "shell/caption_tables.h"
#include "shell/settings.h"
#include "shell/working_dir.h"

namespace tessaro {

// The records of a run that the application shell owns: the working folder, the user's decimal
// separator, the settings record with its run flags and the caption tables of the current
// language. Start-up and the language switch need nothing else.
struct ShellState {
    explicit ShellState(WorkingDir workingDir = WorkingDir()) : dir(std::move(workingDir)) {}

    WorkingDir dir;
    // The decimal separator of the user's number format ('.' or ','). Every rule reads it here at
    // the moment it writes a plain number text, so a change takes effect at once.
    char decimalSeparator = '.';
    Settings settings;
    CaptionTables captions;
};

}  // namespace tessaro
