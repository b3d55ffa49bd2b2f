#include "shell/hand_over.h"

#include <cstddef>
#include <optional>
#include <string>

#include "shell/code_page.h"
#include "shell/field_reader.h"
#include "shell/settings.h"
#include "shell/working_dir.h"

namespace tessaro {

namespace {

// What is read of the hand-over file: its first three fields, within its first 64 KiB (two
// integers and a text that a sibling program writes).
constexpr std::size_t kHandOverReadLimit = 1 << 16;

}  // namespace

void ReadAndResetHandOver(const WorkingDir& dir, Settings& settings) {
    if (std::optional<std::string> bytes = dir.ReadBytes(kHandOverFile, kHandOverReadLimit)) {
        std::string text = DecodeText(*bytes, CodePage::Windows1252);
        FieldReader reader(text);
        int a = 0;
        if (auto field = reader.Next())
            a = FieldInteger(field->text).value_or(0);
        if (auto field = reader.Next()) {
            if (auto b = FieldInteger(field->text))
                settings.HandOverActive = *b;
        }
        if (a != 0 && settings.HandOverActive != 0)
            reader.Next();  // the text is not used
    }
    dir.OpenForReplace(kHandOverFile, "0\r\n0\r\n");
}

}  // namespace tessaro
