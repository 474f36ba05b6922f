#pragma once
// The centre of the circle through three path points (start, auxiliary point, target).
#include <string>

#include "geometry/vector_math.h"

namespace velmora {

struct AppContext;

// Result codes; callers compare against these texts.
inline constexpr const char* kCircleOk = "KREIS_OK";
inline constexpr const char* kCircleStartIsTarget = "KREIS_START_GLEICH_ZIEL";
inline constexpr const char* kCircleStartIsAux = "KREIS_START_GLEICH_HILF";
inline constexpr const char* kCircleAuxIsTarget = "KREIS_HILF_GLEICH_ZIEL";
inline constexpr const char* kCircleIsLine = "KREIS_IST_GERADE";

// Writes the centre and returns kCircleOk. Points closer than 0.01 mm, or three points on a
// line, return their failure code, leave `centre` as it was and list a "351" message whose
// result is the language text of the code.
std::string CircleCentre(const Vec3& start, const Vec3& aux, const Vec3& target, Vec3& centre,
                         AppContext& context);

}  // namespace velmora
