#include "shell/field_writer.h"

#include "shell/number_text.h"

namespace tessaro {

void FieldWriter::Separate() {
    if (lineHasField_)
        content_ += ',';
    lineHasField_ = true;
}

FieldWriter& FieldWriter::Text(std::string_view text) {
    Separate();
    content_ += '"';
    for (char c : text) {
        if (c == '"') {
            content_ += "''";
        } else {
            content_ += c;
        }
    }
    content_ += '"';
    return *this;
}

FieldWriter& FieldWriter::Integer(long value) {
    Separate();
    content_ += std::to_string(value);
    return *this;
}

FieldWriter& FieldWriter::Number(double value) {
    Separate();
    content_ += PlainNumberText(value, '.');
    return *this;
}

FieldWriter& FieldWriter::EndLine() {
    content_ += "\r\n";
    lineHasField_ = false;
    return *this;
}

}  // namespace tessaro
