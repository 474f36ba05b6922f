#include "app/input_frame.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "app/qt_text.h"

namespace velmora {
namespace {

// The frame's place in the window and its parts, in twips.
constexpr int kLeft = 3800, kTop = 2290, kWidth = 4700, kHeight = 2475;
constexpr int kRowTop = 420, kRowPitch = 620, kRowHeight = 360;
constexpr int kLabelWidth = 450, kBoxWidth = 1050, kUnitWidth = 560;
constexpr int kColumnLeft[2] = {120, 2380};

const char* const kBoxNames[6] = {"InputX", "InputY", "InputZ", "InputA", "InputB", "InputC"};

}  // namespace

InputBox::InputBox(InputFrame* frame, int index) : QLineEdit(frame), frame_(frame), index_(index) {
  setObjectName(QString::fromLatin1(kBoxNames[index]));
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void InputBox::keyPressEvent(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Up:
      frame_->MoveFocus(index_, -1);
      return;
    case Qt::Key_Down:
      frame_->MoveFocus(index_, +1);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (frame_->on_enter) frame_->on_enter();
      return;
    case Qt::Key_Escape:
      if (frame_->on_escape) frame_->on_escape();
      return;
    default:
      QLineEdit::keyPressEvent(e);
  }
}

// A box is checked when the operator leaves it: for another box, the view or the message list.
// A popup menu or another window taking the focus for a moment is no leaving.
void InputBox::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  if (e->reason() == Qt::PopupFocusReason || e->reason() == Qt::ActiveWindowFocusReason) return;
  if (frame_->Accepting() && frame_->on_box_left) frame_->on_box_left(index_);
}

InputFrame::InputFrame(QWidget* window, const Twips& twips) : QGroupBox(window) {
  setObjectName(QStringLiteral("InputFrame"));
  setGeometry(twips.rect(kLeft, kTop, kWidth, kHeight));
  setAutoFillBackground(true);
  for (int i = 0; i < 6; ++i) {
    const int left = kColumnLeft[i / 3];
    const int top = kRowTop + (i % 3) * kRowPitch;
    labels_[i] = new QLabel(this);
    labels_[i]->setObjectName(QStringLiteral("InputLbl%1").arg(i));
    labels_[i]->setGeometry(twips.rect(left, top, kLabelWidth, kRowHeight));
    labels_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    boxes_[i] = new InputBox(this, i);
    boxes_[i]->setGeometry(twips.rect(left + kLabelWidth + 60, top, kBoxWidth, kRowHeight));
    units_[i] = new QLabel(this);
    units_[i]->setObjectName(QStringLiteral("UnitLbl%1").arg(i));
    units_[i]->setGeometry(
        twips.rect(left + kLabelWidth + kBoxWidth + 140, top, kUnitWidth, kRowHeight));
  }
  setEnabled(false);
  hide();
}

InputBoxes InputFrame::Texts() const {
  InputBoxes texts;
  for (int i = 0; i < 6; ++i) texts[i] = ProgramBytes(boxes_[i]->text());
  return texts;
}

void InputFrame::SetTexts(const InputBoxes& texts) {
  for (int i = 0; i < 6; ++i) SetText(i, texts[i]);
}

void InputFrame::SetText(int i, const std::string& text) {
  boxes_[i]->setText(ProgramText(text));
}

void InputFrame::SetCaptions(const std::string& caption, const std::array<std::string, 6>& labels,
                             const std::array<std::string, 6>& units) {
  setTitle(UiText(caption));
  for (int i = 0; i < 6; ++i) {
    labels_[i]->setText(UiText(labels[i]));
    units_[i]->setText(UiText(units[i]));
  }
}

void InputFrame::Open() {
  for (int i = 0; i < 6; ++i) {
    boxes_[i]->setEnabled(true);
    boxes_[i]->show();
    labels_[i]->show();
    units_[i]->show();
  }
  setEnabled(true);
  show();
  raise();
}

void InputFrame::Close() {
  setEnabled(false);
  hide();
}

void InputFrame::MoveFocus(int from, int step) {
  boxes_[(from + step + 6) % 6]->setFocus(Qt::OtherFocusReason);
}

}  // namespace velmora
