#pragma once
// The window is designed in twips (1/1440 inch; 15 twips make one pixel of the 640 x 460 pixel
// design) and scaled as a whole, so that it reads well on today's screens.
#include <QRect>
#include <QSize>

namespace velmora {

class Twips {
 public:
  explicit Twips(double scale = 1.0) : scale_(scale) {}
  double scale() const { return scale_; }
  int px(int twips) const;
  QRect rect(int left, int top, int width, int height) const;

 private:
  double scale_;
};

// The scale for a screen of the given size: the designed window fills most of it, in steps of
// a quarter, never below 1. $VELMORA_UI_SCALE (for example "2.25") overrides it.
double ScaleForScreen(QSize available);

}  // namespace velmora
