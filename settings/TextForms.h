#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The number forms of the settings files and of the dialog's fields, the same
// on every C run-time and in every locale: '.' is always the decimal point.

// "%d".
std::string FormatInt(int32_t value);

// "%1.2f": the exact value rounded to hundredths, halfway away from zero
// (1.125 gives "1.13"). Infinities and NaN give "inf", "-inf" and "nan".
std::string FormatFixed2(double value);

// "%.*g" in the C locale; a negative precision counts as 6, 0 as 1.
std::string FormatGeneral(double value, int precision);

// Integer text: leading white space, an optional sign, decimal digits up to
// the first other character; no digits give 0; wraps modulo 2^32.
int32_t ParseIntText(std::string_view text);

// Float text: leading white space, an optional sign, digits with an optional
// '.' and fraction, an optional exponent after 'e', 'E', 'd' or 'D'. Reading
// stops at the first character that does not fit; no number gives 0.0. Too
// large a magnitude gives an infinity, too small a zero.
double ParseFloatText(std::string_view text);

// Float text rounded once, straight to the nearest float; beyond the float
// range, the largest float of that sign.
float ParseFloatTextAsFloat(std::string_view text);

// Float text truncated toward zero; beyond the 32-bit range it saturates at
// the range's ends.
int32_t ParseTruncatedText(std::string_view text);

// A number at the start of a text, the way strtod reads it in the C locale:
// white space, sign, digits, '.', fraction, an 'e' or 'E' exponent. `length`
// counts the characters used, 0 when there is no number (value 0.0 then).
struct FloatPrefix {
    double value;
    size_t length;
};
FloatPrefix ParseFloatPrefix(std::string_view text);

// The twelve odds bytes travel as three 32-bit groups of four, least
// significant byte first. Groups outside 0..2 pack as 0 and unpack nothing.
constexpr int kOddsGroups = 3;
constexpr int kOddsPerGroup = 4;
int32_t PackOdds(const int8_t (&odds)[kOddsGroups * kOddsPerGroup], int group);
void UnpackOdds(int32_t packed, int group, int8_t (&odds)[kOddsGroups * kOddsPerGroup]);
