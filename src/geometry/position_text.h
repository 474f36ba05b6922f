#pragma once
// How computed positions become declaration text again. Values follow frame.h.
#include <string>
#include <string_view>

namespace velmora {

// The shortest decimal text with at most 15 significant digits, "." as decimal point, exponent
// form for magnitudes below 0.0001 or from 1E+15 on ("1E-05"); -0 is written "0".
std::string FormatNumber(double value);

// "{X x,Y y,Z z,A a,B b,C c}" with FormatNumber numbers and no blank after the commas: the form
// in which every shifted Cartesian value is written back.
std::string FormatPosition(double x, double y, double z, double a, double b, double c);

// The value text of `key` (a plain case-sensitive substring such as "S " or "E1 ") in an
// aggregate; a type prefix such as "E6POS:" is skipped. Empty when there is no "{", no key, or
// no "," or "}" after it.
std::string ComponentText(std::string_view text, std::string_view key);

// Completes `new_value` ("{X ..,C ..}") with the components of `old_text` (a declaration
// name={...} or a bare value) that it lacks, in the order X, Y, Z, A, B, C, S, T, E1..E6: in
// practice status, turn and external axes carried over unchanged.
void MergeMissingComponents(std::string_view old_text, std::string& new_value);

}  // namespace velmora
