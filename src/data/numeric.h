#pragma once
// Locale-independent number texts: the program always uses "." as its decimal symbol.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mv52 {

// A decimal number: optional surrounding blanks, an optional sign, digits with at most one
// point (at least one digit), and an optional exponent.
bool isNumeric(std::string_view text);
std::optional<double> parseNumber(std::string_view text);
// True when the text is non-empty and made of the digits 0-9 only.
bool isDigits(std::string_view text);

// `digits` decimals after the point, at least one digit before it ("#0.00000" for 5).
std::string formatFixed(double value, int digits);
// The shortest text that reads back as the same value ("28", "24.715").
std::string formatShortest(double value);

// The text as a 16-bit integer when it is numeric (rounded, halves to even), else `fallback`;
// values outside the 16-bit range also give `fallback`.
std::int16_t numberFromText(std::string_view text, std::int16_t fallback);

}  // namespace mv52
