#pragma once
// Motions of the TP_BASIS inline forms (also read for TP_VW): the fold line's parameters
// "%P 1:PTP, 2:P1, ..., 7:PDAT1" name the point P (parameter 2; 3 for CIRC) and the motion
// data M (parameter 7, else 6; 8 for CIRC). The data file declares them as XP1, FP1 (frame
// data) and PPDAT1 or LCPDAT1 (motion data).
#include <string>
#include <string_view>

namespace velmora {

class DeclSearch;

// "X" & P of the first line of `text`, and M into `motion_data_name`; empty when the line
// lacks the parameters.
std::string BasisPointName(std::string_view text, int motion_type, std::string* motion_data_name);

// The auxiliary point "X" & parameter 2 of a CIRC; empty for other motions.
std::string BasisAuxPointName(std::string_view text, int motion_type);

// The frame-data text of the point and the PDAT/LDAT text of M, separated by CR LF, without
// a line end at the end. `motion` searches DatMotion.
std::string BasisMotionData(const DeclSearch& motion, std::string_view point_name,
                            std::string_view motion_data_name);
std::string BasisMotionData(std::string_view motion, std::string_view point_name,
                            std::string_view motion_data_name);

}  // namespace velmora
