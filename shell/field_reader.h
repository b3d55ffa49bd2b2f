#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/code_page.h"

namespace tessaro {

class WorkingDir;

// One field of a data file and whether a line end closed it.
struct Field {
    std::string text;
    bool endsLine = false;
};

// Reads the fields of a data file (settings, captions, help texts, project and energy files,
// hand-over file), one after the other across lines:
// - leading spaces are skipped;
// - a field that begins with a double quote runs to the next double quote (commas, spaces and
//   line ends kept; there is no escape), and the rest up to the next comma or line end is skipped;
// - any other field runs to the next comma or line end, with trailing spaces removed;
// - the delimiter is consumed: a comma, or a line end (CR LF, LF or a lone CR).
// Spaces after the last line end make no field. Only spaces are skipped, never tabs.
class FieldReader {
  public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    // The next field, or nothing at the end of the text.
    std::optional<Field> Next();

    // The fields of the next line (a quoted field may span line ends); empty at the end.
    std::vector<std::string> NextLine();

    bool AtEnd() const;

  private:
    void SkipSpaces();
    bool AtLineEnd() const;
    void ConsumeDelimiter(Field& field);

    std::string_view text_;
    size_t pos_ = 0;
};

// How much of a data file its reader takes: the first `bytes` bytes of the file and, of the fields
// in them, the first `fields`. Each reader names limits far above anything its format holds, so
// that they never cut a file that this program or its siblings write, while a file of any size
// costs no more than they allow.
struct ReadLimits {
    std::size_t bytes;
    std::size_t fields;
};

// Every field of a data file of the working folder, decoded from its code page, or nothing when
// the file cannot be read.
std::optional<std::vector<std::string>> ReadFileFields(const WorkingDir& dir, std::string_view name,
                                                       CodePage page);

// The leading fields of a data file within limits, decoded from its code page, or nothing when the
// file cannot be read.
std::optional<std::vector<std::string>> ReadFileFields(const WorkingDir& dir, std::string_view name,
                                                       CodePage page, ReadLimits limits);

// A field read as a number: any numeric text, blanks around it allowed, an empty text giving 0.
// Anything else (letters, a second number) is no number.
std::optional<double> FieldNumber(std::string_view text);

// A field read as a 16-bit integer: a number rounded to the nearest whole number (halves to even),
// or nothing when it is no number or lies outside -32768..32767.
std::optional<int> FieldInteger(std::string_view text);

}  // namespace tessaro
