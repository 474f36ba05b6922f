#pragma once
// The status bar of the main window: the progress bar and four panels (date, time, the mode
// text of panel 3 and the program name of panel 4).
#include <QFrame>
#include <QLabel>
#include <QProgressBar>

#include "app/twips.h"

namespace velmora {

class StatusBar : public QFrame {
 public:
  StatusBar(QWidget* window, const Twips& twips);
  // Panel 1 to 4.
  QLabel* Panel(int n) const { return panels_[n - 1]; }
  QProgressBar* progress() const { return progress_; }

 private:
  void ShowClock();
  QLabel* panels_[4];
  QProgressBar* progress_;
};

}  // namespace velmora
