#include "core/macro_file.h"

#include <algorithm>
#include <utility>

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
            std::string field;
            while (!atEnd() && lineEndLength() == 0) {
                const std::size_t begin = at_;
                while (!atEnd() && bytes_[at_] != '"' && lineEndLength() == 0) ++at_;
                field.append(bytes_.substr(begin, at_ - begin));
                // A doubled quote inside a record is one quote of the entry.
                if (at_ + 1 >= bytes_.size() || bytes_[at_] != '"' || bytes_[at_ + 1] != '"') break;
                field += '"';
                at_ += 2;
            }
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
        if (bytes_[at_] == '\r') return at_ + 1 < bytes_.size() && bytes_[at_ + 1] == '\n' ? 2 : 1;
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

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Broken surrogates and an odd last byte become U+FFFD, as the system's own conversions do.
std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    constexpr char32_t replacement = 0xFFFD;
    auto unit = [&](std::size_t i) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[i]), second = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (char32_t{first} << 8 | second) : (char32_t{second} << 8 | first);
    };
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const char32_t c = unit(i);
        if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                appendUtf8(out, 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        appendUtf8(out, c >= 0xD800 && c < 0xE000 ? replacement : c);
    }
    if (i < bytes.size()) appendUtf8(out, replacement);
    return out;
}

std::size_t characters(std::string_view text, MacroTextKind kind) {
    if (kind == MacroTextKind::CodePage) return text.size();
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

} // namespace

std::string macroFileBytes(const std::vector<std::string>& entries, MacroTextKind kind) {
    std::string bytes = kind == MacroTextKind::Utf8 && !entries.empty() ? "\xEF\xBB\xBF" : "";
    for (const std::string& entry : entries) {
        bytes += '"';
        for (const char c : entry) bytes += c == '"' ? std::string_view("\"\"") : std::string_view(&c, 1);
        bytes += "\"\r\n";
    }
    return bytes;
}

std::vector<std::size_t> entriesWithoutARecord(const std::vector<std::string>& entries) {
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].find_first_of("\r\n") != std::string::npos) positions.push_back(i);
    return positions;
}

MacroFileContent readMacroFile(std::string_view bytes, const MacroFileLimits& limits) {
    MacroFileContent content;
    std::string decoded;
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        content.kind = MacroTextKind::Utf8;
        bytes.remove_prefix(3);
    } else if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        content.kind = MacroTextKind::Utf8;
        decoded = utf16ToUtf8(bytes.substr(2), bytes[0] == '\xFE');
        bytes = decoded;
    }
    FieldReader reader(bytes);
    while (!reader.atEnd()) {
        if (content.entries.size() == limits.entries) {
            content.tooManyEntries = true;
            break;
        }
        std::string entry = reader.next();
        if (characters(entry, content.kind) > limits.entryLength) {
            content.entryTooLong = true;
            break;
        }
        content.entries.push_back(std::move(entry));
    }
    return content;
}

} // namespace wp::macro
