#include "app/key_button.h"

namespace velmora {

KeyButton::KeyButton(QWidget* parent, int icon_size) : QToolButton(parent), icon_size_(icon_size) {
  setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  setIconSize(QSize(icon_size, icon_size));
  setFocusPolicy(Qt::NoFocus);
  setAutoRaise(false);
}

void KeyButton::SetPicture(MaybePicture picture) {
  picture_ = picture;
  setIcon(picture ? PictureIcon(*picture, icon_size_) : QIcon());
  setToolButtonStyle(picture ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonTextOnly);
}

void KeyButton::SetBold(bool bold) {
  bold_ = bold;
  QFont f = font();
  f.setBold(bold);
  setFont(f);
}

}  // namespace velmora
