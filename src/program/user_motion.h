#pragma once
// Motions of the TP_USER inline forms. A fold body names its data by assignment
// ("PDAT_ACT=name" or "LDAT_ACT=name", "FDAT_ACT=name") and its points after "PTP ", "LIN " or
// "CIRC "; a plain call of a user motion command (para.ini) passes them as arguments.
#include <string>
#include <string_view>

namespace velmora {

class DeclSearch;
class Program;

// The point after "PTP "/"LIN " (which 1), or of "CIRC aux, target" the auxiliary (1) or target
// (2) point, in the body (the text without its first line); cut before the first blank.
std::string UserPointName(std::string_view text, int which);

// The upper-case name assigned to PDAT_ACT (else LDAT_ACT); empty if neither.
std::string UserMotionDataName(std::string_view text);

// The "name={...}" text of "DECL PDAT name={" (else "DECL LDAT name={") in DatMotion.
std::string UserPdatText(std::string_view name, const DeclSearch& motion);

// The "name={...}" text of the FDAT declaration that FDAT_ACT names.
std::string UserFdatText(std::string_view text, const DeclSearch& motion);

// "Para1={TOOL_NO a,BASE_NO b,IPO_FRAME c,POINT d}" and "Para2={VEL v,ACC a,APO_DIST d,
// MOVE_TYPE m}", each with CR LF, from the arguments of the first user motion command called in
// the body; empty when it calls none.
std::string UserCallParams(const Program& program, std::string_view text);

// The k-th argument (from 1) of a call text, untrimmed; empty when it does not exist.
std::string CallArgument(int k, std::string_view text);

}  // namespace velmora
