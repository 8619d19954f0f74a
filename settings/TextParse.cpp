#include "settings/TextForms.h"

#include "settings/SignedBits.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

// Decimal exponents beyond these overflow or underflow every float type, so
// the digits need not be looked at.
constexpr int64_t kExponentLimit = 400;

bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

size_t SkipDigits(std::string_view text, size_t at) {
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at;
}

// The parts of a decimal number at the start of a text.
struct NumberText {
    bool found = false; // at least one digit before or after the point
    bool negative = false;
    std::string_view whole, fraction, exponent; // digits only
    bool exponentNegative = false;
    size_t end = 0; // just past the number
};

NumberText ScanNumber(std::string_view text, bool dExponent) {
    NumberText number;
    size_t at = 0;
    while (at < text.size() && IsSpace(text[at]))
        ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        number.negative = text[at++] == '-';
    size_t digits = SkipDigits(text, at);
    number.whole = text.substr(at, digits - at);
    at = digits;
    if (at < text.size() && text[at] == '.') {
        digits = SkipDigits(text, at + 1);
        number.fraction = text.substr(at + 1, digits - at - 1);
        if (!number.whole.empty() || !number.fraction.empty())
            at = digits;
    }
    if (number.whole.empty() && number.fraction.empty())
        return number;
    number.found = true;
    number.end = at;
    if (at < text.size()) {
        const char mark = text[at];
        if (mark == 'e' || mark == 'E' || (dExponent && (mark == 'd' || mark == 'D'))) {
            size_t start = at + 1;
            bool negative = false;
            if (start < text.size() && (text[start] == '+' || text[start] == '-'))
                negative = text[start++] == '-';
            digits = SkipDigits(text, start);
            if (digits > start) {
                number.exponent = text.substr(start, digits - start);
                number.exponentNegative = negative;
                number.end = digits;
            }
        }
    }
    return number;
}

int64_t ExponentValue(const NumberText& number) {
    int64_t value = 0;
    for (char c : number.exponent) {
        value = value * 10 + (c - '0');
        if (value > 1000000000)
            break; // far beyond any range; more digits change nothing
    }
    return number.exponentNegative ? -value : value;
}

// The nearest value of type T, rounded once from the exact decimal number.
template <typename T> T ToBinary(const NumberText& number) {
    const T zero = number.negative ? -T(0) : T(0);
    const T infinity =
        number.negative ? -std::numeric_limits<T>::infinity() : std::numeric_limits<T>::infinity();
    if (!number.found)
        return T(0);
    // As 0.<significant digits> times ten to `scale`.
    std::string digits;
    digits.reserve(number.whole.size() + number.fraction.size());
    digits.append(number.whole).append(number.fraction);
    const size_t leadingZeros = digits.find_first_not_of('0');
    if (leadingZeros == std::string::npos)
        return zero;
    const int64_t scale = static_cast<int64_t>(number.whole.size()) -
                          static_cast<int64_t>(leadingZeros) + ExponentValue(number);
    if (scale > kExponentLimit)
        return infinity;
    if (scale < -kExponentLimit)
        return zero;
    std::string normal = number.negative ? "-0." : "0.";
    normal.append(digits, leadingZeros, std::string::npos);
    normal += 'e';
    normal += FormatInt(static_cast<int32_t>(scale));
    T value = zero;
    std::from_chars_result result =
        std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return scale > 0 ? infinity : zero;
    return value;
}

} // namespace

int32_t ParseIntText(std::string_view text) {
    size_t at = 0;
    while (at < text.size() && IsSpace(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    uint32_t value = 0; // unsigned arithmetic wraps modulo 2^32
    for (; at < text.size() && IsDigit(text[at]); ++at)
        value = value * 10u + static_cast<uint32_t>(text[at] - '0');
    return SignedFromBits(negative ? 0u - value : value);
}

double ParseFloatText(std::string_view text) {
    return ToBinary<double>(ScanNumber(text, true));
}

float ParseFloatTextAsFloat(std::string_view text) {
    // Beyond the float range the value stays the largest float: an infinity
    // would be written back as a text that reads as no number at all.
    const float value = ToBinary<float>(ScanNumber(text, true));
    if (std::isinf(value))
        return std::copysign(std::numeric_limits<float>::max(), value);
    return value;
}

int32_t ParseTruncatedText(std::string_view text) {
    const double value = ParseFloatText(text);
    if (std::isnan(value))
        return 0;
    if (value >= 2147483648.0)
        return std::numeric_limits<int32_t>::max();
    if (value <= -2147483649.0)
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value); // truncates toward zero
}

FloatPrefix ParseFloatPrefix(std::string_view text) {
    const NumberText number = ScanNumber(text, false);
    if (!number.found)
        return {0.0, 0};
    return {ToBinary<double>(number), number.end};
}
