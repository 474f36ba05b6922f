#include "app/twips.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace velmora {
namespace {
// The designed window, in pixels (its twips divided by 15, the soft-key row included).
constexpr double kDesignWidth = 640;
constexpr double kDesignHeight = 486;
}  // namespace

int Twips::px(int twips) const {
  return static_cast<int>(std::lround(twips / 15.0 * scale_));
}

QRect Twips::rect(int left, int top, int width, int height) const {
  return QRect(px(left), px(top), px(left + width) - px(left), px(top + height) - px(top));
}

double ScaleForScreen(QSize available) {
  if (const char* forced = std::getenv("VELMORA_UI_SCALE")) {
    char* end = nullptr;
    double value = std::strtod(forced, &end);
    if (end != forced && value >= 0.5 && value <= 8) return value;
  }
  double fit = std::min(available.width() / kDesignWidth, available.height() / kDesignHeight);
  return std::max(1.0, std::floor(fit * 4) / 4);
}

}  // namespace velmora
