#pragma once
// Mirroring of position declarations, defined by three source points carried onto three
// destination points. Values follow geometry/frame.h.
//
// The definition text holds lines "src1 {X .., Y .., Z ..}" to "src3", "dest1" to "dest3" and
// "tool = {...}". The mirror M is the reflection that carries the plane of the source points onto
// the plane of the destination points (x towards point 2, y on the side of point 3, as
// FrameFromPoints measures them) and turns the normal over: for the fixed definition of the
// point-transformation class, the reflection in the plane Y = 0. The tool line is read and not
// used: the taught TCP pose itself is mirrored.
//
// Per declaration:
//  - Cartesian: the position is mirrored, p' = M p; the orientation keeps the mirrored tool x and
//    z axes and reverses y, so it stays right-handed: R' = M R S with S = diag(1, -1, 1) (for
//    Y = 0, R' = S R S). Status S stays. Turn T: the bits of A1, A4 and A6 (1, 8, 32) are
//    inverted, because a robot mirrored in a plane through its A1 axis turns these three axes the
//    other way (-A1, A2, A3, -A4, A5, -A6). An axis standing exactly at 0 keeps its sign in
//    reality; the bit cannot tell, so such a point gets the bit inverted all the same.
//  - Axis-specific: A1, A4 and A6 change sign; A2, A3, A5 stay.
//  - External axes E1..E6 stay as they are (a track or positioner is not mirrored).
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

// Writes into `buffer` (see result_buffer.h) the text with every position value mirrored
// (position_values.h says which lines hold one), without a trailing line break. A definition
// that spans no mirror, or a position value that cannot be read, gives an empty result.
// `ori_mode` and `symm_plane` are accepted for the interface; Velmora passes 0 and 0.
void mirror_SIRL_file(std::string& buffer, std::string_view points, std::string_view definition,
                      int32_t ori_mode, int32_t symm_plane);

}  // namespace velmora
