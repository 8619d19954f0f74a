#pragma once

#include <string>
#include <string_view>

// Reading and setting one value in the text of a settings (INI) file. Section
// and key names match without regard to letter case; blanks around names and
// values do not count; a value in matching quotes reads without them; comment
// lines (';' or '#') and lines without '=' are skipped; lines end in CR LF, LF
// or CR; a leading UTF-8 byte-order mark is ignored; of duplicate sections or
// keys the first one counts.

// Whether these functions handle the text: not UTF-16 (a UTF-16 byte-order
// mark, or zero bytes in every other place of its start), which reads as
// empty and is never set. Any other byte, a zero byte included, is text.
bool IsProfileTextHandled(std::string_view text);

// The value of `key` in `section`, whole; empty when the section, the key or
// the value is missing, or the text is not handled.
std::string FindProfileValue(std::string_view text, std::string_view section, std::string_view key);

// Gives `key` the value in `section`, keeping every other byte: only the
// value of the key's line changes; a missing key is added after the last key
// of its section, a missing section at the end of the text, each line ended
// the way the text ends its first line (CR LF when it has none). False, with
// the text unchanged, when the text is not handled or a name or the value
// cannot be written on one line.
bool SetProfileValue(std::string& text, std::string_view section, std::string_view key,
                     std::string_view value);
