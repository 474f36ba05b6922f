#pragma once
// One key of the key rows: a caption under an optional picture. The caption turns bold while
// the key is held (from the pendant, the keyboard or the mouse).
#include <QToolButton>

#include "app/pictures.h"

namespace velmora {

class KeyButton : public QToolButton {
 public:
  KeyButton(QWidget* parent, int icon_size);
  void SetPicture(MaybePicture picture);
  MaybePicture picture() const { return picture_; }
  void SetBold(bool bold);
  bool bold() const { return bold_; }

 private:
  MaybePicture picture_;
  int icon_size_;
  bool bold_ = false;
};

}  // namespace velmora
