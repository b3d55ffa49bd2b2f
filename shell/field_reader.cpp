#include "shell/field_reader.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "shell/code_page.h"
#include "shell/number_text.h"
#include "shell/working_dir.h"

namespace tessaro {

void FieldReader::SkipSpaces() {
    while (pos_ < text_.size() && text_[pos_] == ' ')
        ++pos_;
}

bool FieldReader::AtLineEnd() const {
    return pos_ < text_.size() && (text_[pos_] == '\r' || text_[pos_] == '\n');
}

bool FieldReader::AtEnd() const {
    size_t p = pos_;
    while (p < text_.size() && text_[p] == ' ')
        ++p;
    return p >= text_.size();
}

void FieldReader::ConsumeDelimiter(Field& field) {
    if (pos_ >= text_.size()) {
        field.endsLine = true;
        return;
    }
    if (text_[pos_] == ',') {
        ++pos_;
        return;
    }
    if (text_[pos_] == '\r')
        ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '\n')
        ++pos_;
    field.endsLine = true;
}

std::optional<Field> FieldReader::Next() {
    SkipSpaces();
    if (pos_ >= text_.size())
        return std::nullopt;
    Field field;
    if (text_[pos_] == '"') {
        size_t close = text_.find('"', pos_ + 1);
        if (close == std::string_view::npos)
            close = text_.size();
        field.text.assign(text_.substr(pos_ + 1, close - pos_ - 1));
        pos_ = std::min(close + 1, text_.size());
        while (pos_ < text_.size() && text_[pos_] != ',' && !AtLineEnd())
            ++pos_;
    } else {
        size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != ',' && !AtLineEnd())
            ++pos_;
        size_t end = pos_;
        while (end > start && text_[end - 1] == ' ')
            --end;
        field.text.assign(text_.substr(start, end - start));
    }
    ConsumeDelimiter(field);
    return field;
}

std::vector<std::string> FieldReader::NextLine() {
    std::vector<std::string> fields;
    while (auto field = Next()) {
        fields.push_back(std::move(field->text));
        if (field->endsLine)
            break;
    }
    return fields;
}

namespace {

std::vector<std::string> LeadingFields(std::string_view bytes, CodePage page, std::size_t count) {
    const std::string text = DecodeText(bytes, page);
    FieldReader reader(text);
    std::vector<std::string> fields;
    while (fields.size() < count) {
        std::optional<Field> field = reader.Next();
        if (!field)
            break;
        fields.push_back(std::move(field->text));
    }
    return fields;
}

}  // namespace

std::optional<std::vector<std::string>> ReadFileFields(const WorkingDir& dir, std::string_view name,
                                                       CodePage page) {
    std::optional<std::string> bytes = dir.ReadBytes(name);
    if (!bytes)
        return std::nullopt;
    return LeadingFields(*bytes, page, std::numeric_limits<std::size_t>::max());
}

std::optional<std::vector<std::string>> ReadFileFields(const WorkingDir& dir, std::string_view name,
                                                       CodePage page, ReadLimits limits) {
    std::optional<std::string> bytes = dir.ReadBytes(name, limits.bytes);
    if (!bytes)
        return std::nullopt;
    return LeadingFields(*bytes, page, limits.fields);
}

std::optional<double> FieldNumber(std::string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t'))
        ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    if (begin == end)
        return 0.0;
    std::string_view body = text.substr(begin, end - begin);
    size_t used = 0;
    std::optional<double> value = ParseNumberPrefix(body, &used);
    if (!value || used != body.size() || used == 0)
        return std::nullopt;
    return value;
}

std::optional<int> FieldInteger(std::string_view text) {
    std::optional<double> value = FieldNumber(text);
    if (!value)
        return std::nullopt;
    double rounded = std::nearbyint(*value);
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<int>(rounded);
}

}  // namespace tessaro
