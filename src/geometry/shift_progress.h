#pragma once
// The progress of one shift pass: a bar from 0 to `maximum` that wraps to 0 when it would pass
// its end, shown in percent, with pending events processed at every step.
#include <algorithm>

#include "base/progress.h"

namespace velmora {

class ShiftProgress {
 public:
  ShiftProgress(const Progress& progress, int maximum)
      : progress_(progress), maximum_(std::max(maximum, 1)) {
    progress_.Show(0);
  }
  void Advance() {
    value_ = value_ < maximum_ ? value_ + 1 : 0;
    progress_.Show(value_ * 100 / maximum_);
    progress_.ProcessEvents();
  }

 private:
  const Progress& progress_;
  int maximum_;
  int value_ = 0;
};

}  // namespace velmora
