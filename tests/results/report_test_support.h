#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "shell/app_state.h"
#include "support/temp_dir.h"

namespace tessaro::test {

// The control texts of a made-up project, and the names in the order they were asked for.
struct FakeProjectForm {
    std::map<std::string, std::string, std::less<>> texts;
    std::vector<std::string> asked;

    std::string operator()(std::string_view name) {
        asked.emplace_back(name);
        auto it = texts.find(name);
        return it == texts.end() ? std::string() : it->second;
    }
};

// A project form whose controls show plausible German texts.
FakeProjectForm GermanProjectForm();

// Writes caption, program caption and info files of a language into the folder, one quoted field
// per line in the language's code page: main entry n reads "M<n>", program entry n "P<n>", info
// entry n "I<n>", except the entries given in the overrides (keys "M81", "P29", "I39", ...).
void WriteCaptionFiles(const TempDir& dir, std::string_view languageCode,
                       const std::map<std::string, std::string>& overrides = {});

// An application state working in dir with the captions of the language loaded from its files.
AppState StateWithCaptions(const TempDir& dir, std::string_view languageCode);

}  // namespace tessaro::test
