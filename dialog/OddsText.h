#pragma once
// Reading the number in an odds field's text.

#include <string_view>

// The integer at the start of the text, as atoi reads it: leading white space,
// one optional sign, then digits; no digits give 0. Saturates instead of
// overflowing.
int LeadingInteger(std::string_view text);

// An odds value as it may be stored: at most 100, and never below what a
// signed byte holds, so a value cannot wrap.
int ClampOdds(int value);
