#pragma once

#include <string>
#include <string_view>

namespace tessaro {

// Builds the lines of a data file in the form the reader takes back: texts in double quotes,
// integers as bare digits, numbers with a point, fields separated by commas, lines ended by CR LF.
class FieldWriter {
  public:
    // A text field. A double quote inside it would end the field early, so it is written as two
    // apostrophes.
    FieldWriter& Text(std::string_view text);
    FieldWriter& Integer(long value);
    // A number with up to 15 significant digits and a point ("0.25", "-3"); -0 is written as 0.
    FieldWriter& Number(double value);
    // Ends the current line with CR LF.
    FieldWriter& EndLine();

    const std::string& Content() const { return content_; }

  private:
    void Separate();

    std::string content_;
    bool lineHasField_ = false;
};

}  // namespace tessaro
