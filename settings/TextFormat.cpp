#include "settings/TextForms.h"

#include <charconv>
#include <cmath>

namespace {

// Every double has an exact decimal expansion of at most 309 digits before
// the point and 1074 after it.
constexpr int kExactFractionDigits = 1074;
constexpr size_t kExactChars = 1 + 309 + 1 + kExactFractionDigits;
// Beyond this many significant digits "%g" only appends zeros, which it drops.
constexpr int kMaxGeneralPrecision = 800;

// Adds one unit in the last place to a text of digits and at most one '.'.
void IncrementDecimal(std::string& digits, size_t first) {
    for (size_t i = digits.size(); i-- > first;) {
        if (digits[i] == '.')
            continue;
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(first, 1, '1');
}

} // namespace

std::string FormatInt(int32_t value) {
    char text[16];
    std::to_chars_result end = std::to_chars(text, text + sizeof text, value);
    return std::string(text, end.ptr);
}

std::string FormatFixed2(double value) {
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    std::string exact(kExactChars, '\0');
    std::to_chars_result end = std::to_chars(&exact[0], &exact[0] + exact.size(), value,
                                             std::chars_format::fixed, kExactFractionDigits);
    exact.resize(static_cast<size_t>(end.ptr - exact.data()));
    const size_t point = exact.find('.');
    // The expansion is exact, so a third digit of 5 or more means the value is
    // at least halfway to the next hundredth: round the magnitude up.
    const bool up = exact[point + 3] >= '5';
    exact.resize(point + 3);
    if (up)
        IncrementDecimal(exact, exact[0] == '-' ? 1 : 0);
    return exact;
}

std::string FormatGeneral(double value, int precision) {
    if (precision < 0)
        precision = 6;
    if (precision > kMaxGeneralPrecision)
        precision = kMaxGeneralPrecision;
    std::string text(static_cast<size_t>(precision) + 400, '\0');
    std::to_chars_result end = std::to_chars(&text[0], &text[0] + text.size(), value,
                                             std::chars_format::general, precision);
    text.resize(static_cast<size_t>(end.ptr - text.data()));
    return text;
}
