#include "base/numbers.h"

#include <cmath>
#include <cstdlib>
#include <locale>

#include "base/strings.h"

namespace velmora {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool Skipped(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}

std::optional<std::string>& SeparatorOverride() {
  static std::optional<std::string> value;
  return value;
}

}  // namespace

double ReadNumber(std::string_view text) {
  // Collect the characters of the number, ignoring blanks wherever they stand, then let strtod
  // (in the "C" locale of the process) do the conversion.
  std::string number;
  size_t i = 0;
  auto skip = [&] {
    while (i < text.size() && Skipped(text[i])) ++i;
  };
  skip();
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
  bool digits = false, point = false;
  for (;; ++i) {
    skip();
    if (i >= text.size()) break;
    if (IsDigit(text[i])) {
      number += text[i];
      digits = true;
    } else if (text[i] == '.' && !point) {
      number += '.';
      point = true;
    } else {
      break;
    }
  }
  if (!digits) return 0.0;
  skip();
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
    std::string exponent = "e";
    size_t j = i + 1;
    while (j < text.size() && Skipped(text[j])) ++j;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
    bool exp_digits = false;
    for (; j < text.size(); ++j) {
      if (Skipped(text[j])) continue;
      if (!IsDigit(text[j])) break;
      exponent += text[j];
      exp_digits = true;
    }
    if (exp_digits) number += exponent;
  }
  double value = std::strtod(number.c_str(), nullptr);
  return std::isfinite(value) ? value : 0.0;
}

std::optional<double> NumericValue(std::string_view text) {
  std::string t = Trim(text);
  std::string sep = LocaleDecimalSeparator();
  std::string number;
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) number += t[i++];
  bool digits = false, point = false;
  for (; i < t.size(); ++i) {
    char c = t[i];
    if (IsDigit(c)) {
      number += c;
      digits = true;
    } else if ((c == '.' || (sep.size() == 1 && c == sep[0])) && !point) {
      number += '.';
      point = true;
    } else {
      break;
    }
  }
  if (!digits) return std::nullopt;
  if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
    number += 'e';
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) number += t[i++];
    bool exp_digits = false;
    for (; i < t.size() && IsDigit(t[i]); ++i) number += t[i], exp_digits = true;
    if (!exp_digits) return std::nullopt;
  }
  if (i != t.size()) return std::nullopt;
  double value = std::strtod(number.c_str(), nullptr);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

bool IsNumeric(std::string_view text) {
  return NumericValue(text).has_value();
}

int16_t IntegerLiteralValue(std::string_view text) {
  if (auto value = NumericValue(text)) {
    double rounded = std::nearbyint(*value);  // ties to even in the default rounding mode
    if (rounded < -32768.0 || rounded > 32767.0) return 0;
    return static_cast<int16_t>(rounded);
  }
  std::string t = Trim(text);
  std::string head = ToUpper(t.substr(0, 2));
  if (head == "'H") {
    // 'H1F' -> the hexadecimal digits between the H and the closing apostrophe.
    std::string digits = t.size() > 3 ? t.substr(2, t.size() - 3) : std::string();
    if (digits.empty() || digits.size() > 4) return 0;
    unsigned value = 0;
    for (char c : digits) {
      int d = IsDigit(c)               ? c - '0'
              : (c >= 'A' && c <= 'F') ? c - 'A' + 10
              : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                                       : -1;
      if (d < 0) return 0;
      value = value * 16 + static_cast<unsigned>(d);
    }
    return static_cast<int16_t>(static_cast<uint16_t>(value));
  }
  if (head == "'B") {
    std::string rest = t.substr(2);
    if (!rest.empty() && rest.back() == '\'') rest.pop_back();
    long value = 0, weight = 1;
    for (auto it = rest.rbegin(); it != rest.rend() && IsDigit(*it); ++it) {
      value += (*it - '0') * weight;
      if (value > 32767) return 0;  // does not fit
      weight *= 2;
      if (weight > (1L << 20)) break;
    }
    return static_cast<int16_t>(value);
  }
  return 0;
}

std::string LocaleDecimalSeparator() {
  if (SeparatorOverride()) return *SeparatorOverride();
  try {
    std::locale user("");
    return std::string(1, std::use_facet<std::numpunct<char>>(user).decimal_point());
  } catch (const std::exception&) {
    return ".";
  }
}

void SetLocaleDecimalSeparator(std::optional<std::string> separator) {
  SeparatorOverride() = std::move(separator);
}

std::string ToLocaleNumberText(std::string_view text) {
  std::string t = text.empty() ? std::string("0.0000") : std::string(text);
  std::string sep = LocaleDecimalSeparator();
  if (sep == ",") {
    if (Contains(t, ".")) return ReplaceFirst(t, ".", ",");
    if (t.size() >= 2 && t.back() == '%') return t.substr(0, t.size() - 2);
    if (t.size() >= 4 && t.ends_with("m/s")) return t.substr(0, t.size() - 4);
    return t;
  }
  if (sep == ".") return Contains(t, ",") ? ReplaceFirst(t, ",", ".") : t;
  return std::string();
}

std::string ToPointDecimal(std::string_view text) {
  return ReplaceFirst(text, ",", ".");
}
std::string ToCommaDecimal(std::string_view text) {
  return ReplaceFirst(text, ".", ",");
}
std::string AllCommasToPoints(std::string_view text) {
  return ReplaceAll(text, ",", ".");
}

}  // namespace velmora
