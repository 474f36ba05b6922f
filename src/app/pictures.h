#pragma once
// The key pictures. The window has three image lists; a picture is named by its list and its
// 1-based index there. The pictures are drawn by our own code, so they scale with the window.
#include <QIcon>
#include <optional>

namespace velmora {

enum class ImageList {
  kSK,  // `ImageListSK`: soft keys of the dialogs and the message-list icon
  k1,   // `ImageList1`: soft keys of a loaded program
  kST,  // `ImageListST`: status keys
};

struct Picture {
  ImageList list;
  int index;
  bool operator==(const Picture&) const = default;
};

// A picture of up to seven soft keys; an absent one disables its key.
using MaybePicture = std::optional<Picture>;

// The icon of a picture, drawn at `size` pixels.
QIcon PictureIcon(Picture picture, int size);

}  // namespace velmora
