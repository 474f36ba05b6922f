#pragma once
// The detail view of the current record: the fold frame `foldFrame` with its full text
// (`foldTxt`) and the data frame `DatFrame` with the point declaration (`E6PosTxt`) and the
// motion data (`mparaTxt`). All boxes are read-only; their keys go to the navigation.
#include <QGroupBox>
#include <QPlainTextEdit>
#include <functional>

#include "app/twips.h"

namespace velmora {

class DetailBox : public QPlainTextEdit {
 public:
  DetailBox(QWidget* parent, const char* name, const QFont& font);
  std::function<void(QKeyEvent*)> on_key_press;
  std::function<void(QKeyEvent*)> on_key_release;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
};

class DetailView {
 public:
  DetailView(QWidget* window, const Twips& twips, const QFont& font);
  void SetVisible(bool visible);
  bool visible() const { return fold_frame->isVisible(); }

  QGroupBox* fold_frame;
  QGroupBox* data_frame;
  DetailBox* fold_text;
  DetailBox* point_text;
  DetailBox* motion_text;
};

}  // namespace velmora
