#include "app/detail_view.h"

namespace velmora {
namespace {
// The frames take the width of the program view they replace.
constexpr int kFrameWidth = 8940;
}  // namespace

DetailBox::DetailBox(QWidget* parent, const char* name, const QFont& font)
    : QPlainTextEdit(parent) {
  setObjectName(QString::fromLatin1(name));
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setFont(font);
}

void DetailBox::keyPressEvent(QKeyEvent* e) {
  if (on_key_press) on_key_press(e);
}

void DetailBox::keyReleaseEvent(QKeyEvent* e) {
  if (on_key_release) on_key_release(e);
}

// The boxes turn cyan while they hold the focus.
void DetailBox::focusInEvent(QFocusEvent* e) {
  QPlainTextEdit::focusInEvent(e);
  QPalette p = palette();
  p.setColor(QPalette::Base, QColor(0, 255, 255));
  setPalette(p);
}

void DetailBox::focusOutEvent(QFocusEvent* e) {
  QPlainTextEdit::focusOutEvent(e);
  setPalette(QPalette());
}

DetailView::DetailView(QWidget* window, const Twips& twips, const QFont& font) {
  QFont bold = window->font();
  bold.setBold(true);
  fold_frame = new QGroupBox(window);
  fold_frame->setObjectName(QStringLiteral("foldFrame"));
  fold_frame->setGeometry(twips.rect(600, 400, kFrameWidth, 3000));
  fold_frame->setFont(bold);
  data_frame = new QGroupBox(window);
  data_frame->setObjectName(QStringLiteral("DatFrame"));
  data_frame->setGeometry(twips.rect(600, 3400, kFrameWidth, 1500));
  data_frame->setFont(bold);
  fold_text = new DetailBox(fold_frame, "foldTxt", font);
  fold_text->setGeometry(twips.rect(100, 200, kFrameWidth - 225, 2700));
  point_text = new DetailBox(data_frame, "E6PosTxt", font);
  point_text->setGeometry(twips.rect(100, 200, kFrameWidth - 225, 440));
  motion_text = new DetailBox(data_frame, "mparaTxt", font);
  motion_text->setGeometry(twips.rect(100, 680, kFrameWidth - 225, 700));
  SetVisible(false);
}

void DetailView::SetVisible(bool visible) {
  fold_frame->setVisible(visible);
  data_frame->setVisible(visible);
}

}  // namespace velmora
