#include "app/key_rows.h"

namespace velmora {
namespace {

// Positions in twips.
constexpr int kMenuKeyPitch = 1200;
constexpr int kMenuKeyHeight = 360;
constexpr int kSoftKeyTop = 6780;
constexpr int kSoftKeyHeight = 420;
constexpr int kSoftKeyLeft = 600;
constexpr int kSoftKeyPitch = 1280;
constexpr int kStatusKeyTops[6] = {630, 1780, 2930, 4080, 5230, 6380};
constexpr int kStatusKeyWidth = 560;
constexpr int kStatusKeyHeight = 1000;

}  // namespace

KeyRows::KeyRows(QWidget* window, const Twips& twips) {
  const int icon = twips.px(240);
  for (int i = 0; i < 8; ++i) {
    auto* key = new KeyButton(window, icon);
    key->setObjectName(QStringLiteral("MenueKey%1").arg(i));
    key->setGeometry(twips.rect(i * kMenuKeyPitch, 0, kMenuKeyPitch - 30, kMenuKeyHeight));
    QObject::connect(key, &QToolButton::clicked, window, [this, i] {
      if (on_menu_key) on_menu_key(i);
    });
    menu_[static_cast<size_t>(i)] = key;
  }
  for (int i = 0; i < 7; ++i) {
    auto* key = new KeyButton(window, twips.px(200));
    key->setObjectName(QStringLiteral("SoftKey%1").arg(i));
    key->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    key->setGeometry(twips.rect(kSoftKeyLeft + i * kSoftKeyPitch, kSoftKeyTop, kSoftKeyPitch - 40,
                                kSoftKeyHeight));
    QObject::connect(key, &QToolButton::clicked, window, [this, i] {
      if (on_soft_key) on_soft_key(i);
    });
    soft_[static_cast<size_t>(i)] = key;
  }
  for (int i = 0; i < 6; ++i) {
    auto* key = new KeyButton(window, icon);
    key->setObjectName(QStringLiteral("StatKeyL%1").arg(i));
    key->setGeometry(twips.rect(0, kStatusKeyTops[i], kStatusKeyWidth, kStatusKeyHeight));
    key->setFocusPolicy(Qt::ClickFocus);
    QObject::connect(key, &QToolButton::clicked, window, [this, i] {
      if (on_status_key) on_status_key(i);
    });
    status_[static_cast<size_t>(i)] = key;
  }
  for (auto* key : soft_) {
    QObject::connect(key, &QToolButton::pressed, key, [key] { key->SetBold(true); });
    QObject::connect(key, &QToolButton::released, key, [key] { key->SetBold(false); });
  }
  for (auto* key : status_) {
    QObject::connect(key, &QToolButton::pressed, key, [key] { key->SetBold(true); });
    QObject::connect(key, &QToolButton::released, key, [key] { key->SetBold(false); });
  }
}

void KeyRows::SetSoftKeys(const SoftKeyPictures& pictures) {
  for (size_t i = 0; i < soft_.size(); ++i) {
    soft_[i]->SetPicture(pictures[i]);
    soft_[i]->setEnabled(pictures[i].has_value());
    soft_[i]->setToolButtonStyle(pictures[i] ? Qt::ToolButtonTextBesideIcon
                                             : Qt::ToolButtonTextOnly);
  }
}

void KeyRows::SetStatusKey(int i, bool enabled, MaybePicture picture) {
  KeyButton* key = StatKeyL(i);
  key->SetPicture(picture);
  key->setEnabled(enabled);
}

}  // namespace velmora
