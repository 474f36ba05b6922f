#pragma once
// Adding axis angles to an axis value, as the axis shift does between the controller's inverse
// and forward kinematics.
#include <string>
#include <string_view>

namespace velmora {

// The axis value ("{E6AXIS: A1 .., A2 .., ..., E6 ..}") plus the offset ("{A1 .., ..., A6 ..}"):
// "{A1 s1, A2  s2, ..., A6  s6, E1 e1, E2  e2, ..., E6  e6}" with each sum formed in single
// precision (so 10.1 reads 10.1000003814697) and the external axes unchanged. Empty when a text
// lacks a component or a component is no number. Under a locale whose decimal separator is
// neither "," nor "." the sums stay 0.
std::string AddAxisOffset(std::string_view axis_value, std::string_view offset);

}  // namespace velmora
