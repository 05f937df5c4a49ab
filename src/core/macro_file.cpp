#include "core/macro_file.h"

namespace wp::macro {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

class FieldReader {
public:
    explicit FieldReader(std::string_view bytes) : bytes_(bytes) {}

    bool atEnd() const { return at_ >= bytes_.size(); }

    // Every call consumes at least one byte when not at the end, so reading always finishes.
    std::string next() {
        while (!atEnd() && isBlank(bytes_[at_])) ++at_;
        if (!atEnd() && bytes_[at_] == '"') {
            ++at_;
            const std::size_t begin = at_;
            while (!atEnd() && bytes_[at_] != '"' && lineEndLength() == 0) ++at_;
            std::string field(bytes_.substr(begin, at_ - begin));
            skipToFieldEnd();
            return field;
        }
        const std::size_t begin = at_;
        while (!atEnd() && bytes_[at_] != ',' && lineEndLength() == 0) ++at_;
        std::size_t end = at_;
        while (end > begin && isBlank(bytes_[end - 1])) --end;
        std::string field(bytes_.substr(begin, end - begin));
        skipToFieldEnd();
        return field;
    }

private:
    std::size_t lineEndLength() const {
        if (bytes_[at_] == '\n') return 1;
        if (bytes_[at_] == '\r' && at_ + 1 < bytes_.size() && bytes_[at_ + 1] == '\n') return 2;
        return 0;
    }

    // Drops what is left of the field and consumes the comma or line end that ends it.
    void skipToFieldEnd() {
        while (!atEnd()) {
            if (bytes_[at_] == ',') {
                ++at_;
                return;
            }
            if (const std::size_t n = lineEndLength()) {
                at_ += n;
                return;
            }
            ++at_;
        }
    }

    std::string_view bytes_;
    std::size_t at_ = 0;
};

} // namespace

std::string macroFileBytes(const std::vector<std::string>& entries) {
    std::string bytes;
    for (const std::string& entry : entries) {
        bytes += '"';
        bytes += entry;
        bytes += "\"\r\n";
    }
    return bytes;
}

std::vector<std::string> readMacroFields(std::string_view bytes) {
    std::vector<std::string> fields;
    FieldReader reader(bytes);
    while (!reader.atEnd()) fields.push_back(reader.next());
    return fields;
}

} // namespace wp::macro
