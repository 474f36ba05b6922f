#include "geometry/circle.h"

#include "base/app_context.h"

namespace velmora {
namespace {

constexpr double kCoincident = 0.01;  // mm
constexpr double kStraightSine = 0.01;

std::string Fail(const char* code, AppContext& context) {
  context.AddMessage(context.AssistantText("HotEdit"), "351", context.AssistantText(code));
  return code;
}

}  // namespace

std::string CircleCentre(const Vec3& start, const Vec3& aux, const Vec3& target, Vec3& centre,
                         AppContext& context) {
  Vec3 u = start - aux, v = target - aux, w = start - target;
  Vec3 n = VectorProduct(u, v);
  double lu = vecnorm(u), lv = vecnorm(v), ln = vecnorm(n);
  if (vecnorm(w) < kCoincident) return Fail(kCircleStartIsTarget, context);
  if (lu < kCoincident) return Fail(kCircleStartIsAux, context);
  if (lv < kCoincident) return Fail(kCircleAuxIsTarget, context);
  if (kStraightSine * lu * lv >= ln) return Fail(kCircleIsLine, context);
  double uv = skalprod(u, v);
  double alpha = lv * lv * (lu * lu - uv) / (2 * ln * ln);
  double beta = lu * lu * (lv * lv - uv) / (2 * ln * ln);
  centre = aux + alpha * u + beta * v;
  return kCircleOk;
}

}  // namespace velmora
