#pragma once

#include <map>
#include <string>
#include <string_view>

#include "engine/app_state.h"
#include "support/temp_dir.h"

namespace tessaro::test {

// A made-up project form: every control shows its own name unless a text is set for it.
struct FakeProjectForm {
    std::map<std::string, std::string, std::less<>> texts;

    std::string operator()(std::string_view name) const {
        auto it = texts.find(name);
        return it == texts.end() ? std::string(name) : it->second;
    }
};

// Fills the main, program and info entries n with "M<n>", "P<n>" and "I<n>", except the ones
// overridden (keys "M81", "P29", ...).
void FillCaptions(CaptionTables& captions,
                  const std::map<std::string, std::string>& overrides = {});

// An application state working in dir, in the language given, with the captions filled so.
AppState ReportState(const TempDir& dir, std::string_view languageCode,
                     const std::map<std::string, std::string>& overrides = {});

}  // namespace tessaro::test
