#include "settings/ProfileText.h"

#include <algorithm>

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Ctrl-Z counts as a blank, as old files end with one.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1A';
}
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

enum class LineKind { Blank, Comment, Section, Key, Other };

// One line of the text: its bytes [begin, end) without the line end, the
// start of the next line, and what the line holds.
struct Line {
    size_t begin = 0, end = 0, next = 0;
    LineKind kind = LineKind::Blank;
    std::string_view name; // of a section or key, blanks removed
    size_t valueBegin = 0; // a key's value, blanks removed
    size_t valueEnd = 0;
};

// Narrows [begin, end) of the text to leave out blanks at both ends.
void TrimBlanks(std::string_view text, size_t& begin, size_t& end) {
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
}

void Classify(std::string_view text, Line& line) {
    size_t b = line.begin, e = line.end;
    TrimBlanks(text, b, e);
    const std::string_view content = text.substr(b, e - b);
    const size_t close = content.rfind(']');
    const size_t equals = content.find('=');
    if (content.empty()) {
        line.kind = LineKind::Blank;
    } else if (content[0] == ';' || content[0] == '#') {
        line.kind = LineKind::Comment;
    } else if (content[0] == '[' && close != std::string_view::npos && close > 0) {
        // The name ends at the line's last ']'.
        size_t nb = b + 1, ne = b + close;
        TrimBlanks(text, nb, ne);
        line.kind = LineKind::Section;
        line.name = text.substr(nb, ne - nb);
    } else if (equals != std::string_view::npos) {
        size_t ne = b + equals;
        TrimBlanks(text, b, ne);
        line.valueBegin = b + equals + 1;
        line.valueEnd = e;
        TrimBlanks(text, line.valueBegin, line.valueEnd);
        line.kind = LineKind::Key;
        line.name = text.substr(b, ne - b);
    } else {
        line.kind = LineKind::Other;
    }
}

// Walks the lines of a text, after its byte-order mark.
class LineReader {
public:
    explicit LineReader(std::string_view text)
        : m_text(text), m_at(text.substr(0, kUtf8Mark.size()) == kUtf8Mark ? kUtf8Mark.size() : 0) {
    }

    bool Next(Line& line) {
        if (m_at >= m_text.size())
            return false;
        line = Line{};
        line.begin = m_at;
        size_t end = m_at;
        while (end < m_text.size() && !IsLineEnd(m_text[end]))
            ++end;
        line.end = end;
        if (end < m_text.size())
            end +=
                m_text[end] == '\r' && end + 1 < m_text.size() && m_text[end + 1] == '\n' ? 2 : 1;
        line.next = m_at = end;
        Classify(m_text, line);
        return true;
    }

private:
    std::string_view m_text;
    size_t m_at;
};

std::string_view LineEndOf(std::string_view text) {
    const size_t at = text.find_first_of("\r\n");
    if (at == std::string_view::npos)
        return "\r\n";
    if (text[at] == '\n')
        return "\n";
    return at + 1 < text.size() && text[at + 1] == '\n' ? "\r\n" : "\r";
}

bool FitsOnOneLine(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

// Names that, once written, read back as themselves.
bool IsWritableName(std::string_view name, char stop) {
    return !name.empty() && FitsOnOneLine(name) && name.find(stop) == std::string_view::npos &&
           !IsBlank(name.front()) && !IsBlank(name.back()) && name.front() != ';' &&
           name.front() != '#' && name.front() != '[';
}

} // namespace

bool IsProfileTextHandled(std::string_view text) {
    if (text.substr(0, 2) == "\xFF\xFE" || text.substr(0, 2) == "\xFE\xFF")
        return false;
    // Without a byte-order mark, UTF-16 shows itself by zero bytes in every
    // other place of its first characters. A stray zero byte in an 8-bit file
    // is only a byte: its keys are read and the byte is kept.
    const size_t probe = std::min<size_t>(text.size(), 64) & ~size_t{1};
    if (probe < 4)
        return true;
    bool evenZero = true, oddZero = true;
    for (size_t i = 0; i < probe; ++i)
        (i % 2 ? oddZero : evenZero) &= text[i] == '\0';
    return !evenZero && !oddZero;
}

std::string FindProfileValue(std::string_view text, std::string_view section,
                             std::string_view key) {
    if (!IsProfileTextHandled(text))
        return {};
    LineReader lines(text);
    Line line;
    bool inSection = false;
    while (lines.Next(line)) {
        if (line.kind == LineKind::Section) {
            if (inSection)
                break; // only the first section of that name counts
            inSection = SameName(line.name, section);
        } else if (inSection && line.kind == LineKind::Key && SameName(line.name, key)) {
            std::string_view value = text.substr(line.valueBegin, line.valueEnd - line.valueBegin);
            if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                value.back() == value.front())
                value = value.substr(1, value.size() - 2);
            return std::string(value);
        }
    }
    return {};
}

bool SetProfileValue(std::string& text, std::string_view section, std::string_view key,
                     std::string_view value) {
    if (!IsProfileTextHandled(text) || !IsWritableName(section, ']') || !IsWritableName(key, '=') ||
        !FitsOnOneLine(value))
        return false;
    const std::string_view eol = LineEndOf(text);
    LineReader lines(text);
    Line line;
    bool inSection = false;
    size_t insertAt = std::string::npos; // after the section's last key line
    bool needsBreak = false;             // that line has no line end of its own
    const auto insertAfter = [&](const Line& after) {
        insertAt = after.next;
        needsBreak = after.next == after.end;
    };
    while (lines.Next(line)) {
        if (line.kind == LineKind::Section) {
            if (inSection)
                break; // only the first section of that name counts
            inSection = SameName(line.name, section);
            if (inSection)
                insertAfter(line);
        } else if (inSection && line.kind == LineKind::Key) {
            if (SameName(line.name, key)) {
                text.replace(line.valueBegin, line.valueEnd - line.valueBegin, value);
                return true;
            }
            insertAfter(line);
        }
    }
    std::string added;
    if (insertAt == std::string::npos) {
        // A new section at the end, on a line of its own.
        insertAt = text.size();
        const bool atLineStart =
            text.empty() || IsLineEnd(text.back()) || std::string_view(text) == kUtf8Mark;
        if (!atLineStart)
            added += eol;
        added.append("[").append(section).append("]").append(eol);
        added.append(key).append("=").append(value).append(eol);
    } else if (needsBreak) {
        added.append(eol).append(key).append("=").append(value);
    } else {
        added.append(key).append("=").append(value).append(eol);
    }
    text.insert(insertAt, added);
    return true;
}
