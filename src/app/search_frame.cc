#include "app/search_frame.h"

#include <QKeyEvent>

namespace velmora {

SearchBox::SearchBox(QWidget* parent) : QLineEdit(parent) {
  setObjectName(QStringLiteral("SearchText"));
}

void SearchBox::keyPressEvent(QKeyEvent* e) {
  if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && on_enter) {
    on_enter();
    return;
  }
  if (e->key() == Qt::Key_Escape && on_escape) {
    on_escape();
    return;
  }
  QLineEdit::keyPressEvent(e);
}

SearchFrame::SearchFrame(QWidget* window, const Twips& twips) : QGroupBox(window) {
  setObjectName(QStringLiteral("SearchFrm"));
  setGeometry(twips.rect(5355, 420, 3560, 640));
  setAutoFillBackground(true);
  text_ = new SearchBox(this);
  text_->setGeometry(twips.rect(120, 230, 3320, 330));
  hide();
}

}  // namespace velmora
