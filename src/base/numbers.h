#pragma once
// Number texts: programs always use "." as the decimal point; the operator sees and types
// the locale's separator.
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Reads the leading number of a text, skipping blanks, tabs and line feeds wherever they
// stand ("1 10" reads 110). Optional sign, digits with one ".", exponent E or D. 0 if none.
double ReadNumber(std::string_view text);

// Numeric test in the manner of the operator's locale: optional blanks and sign, digits with at
// most one decimal separator (the locale's, "." is always accepted too), optional exponent.
bool IsNumeric(std::string_view text);
// The value of a numeric text as IsNumeric accepts it; nullopt otherwise.
std::optional<double> NumericValue(std::string_view text);

// Whole numbers in decimal, 'H..' hexadecimal or 'B..' binary form; 0 for anything else.
int16_t IntegerLiteralValue(std::string_view text);

// The decimal separator of the user's locale ("." or ","); override for tests with
// SetLocaleDecimalSeparator. Empty when the locale cannot be read.
std::string LocaleDecimalSeparator();
void SetLocaleDecimalSeparator(std::optional<std::string> separator);

std::string ToLocaleNumberText(std::string_view text);
std::string ToPointDecimal(std::string_view text);
std::string ToCommaDecimal(std::string_view text);
std::string AllCommasToPoints(std::string_view text);

}  // namespace velmora
