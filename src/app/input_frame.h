#pragma once
// `InputFrame`: the six-box entry panel that the manual shift and hot edit share. The boxes
// `InputX` .. `InputC` stand in two columns (X, Y, Z left; A, B, C right), each with its caption
// label (`InputLbl`) and unit label (`UnitLbl`). Up and Down move between the boxes in a ring,
// Enter and Esc go to the command that owns the frame, and a box that loses the focus while the
// frame is open is handed to `on_box_left` for its check.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <array>
#include <functional>
#include <string>

#include "app/twips.h"
#include "commands/manualshift/input_frame.h"

namespace velmora {

class InputFrame;

class InputBox : public QLineEdit {
 public:
  InputBox(InputFrame* frame, int index);
  int index() const { return index_; }

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  InputFrame* frame_;
  int index_;
};

class InputFrame : public QGroupBox {
 public:
  InputFrame(QWidget* window, const Twips& twips);

  InputBox* Box(int i) const { return boxes_[i]; }
  QLabel* Label(int i) const { return labels_[i]; }
  QLabel* Unit(int i) const { return units_[i]; }

  InputBoxes Texts() const;
  void SetTexts(const InputBoxes& texts);
  void SetText(int i, const std::string& text);
  // Caption, caption labels and unit labels (language texts).
  void SetCaptions(const std::string& caption, const std::array<std::string, 6>& labels,
                   const std::array<std::string, 6>& units);
  // Shows and enables the frame with every box and label visible and enabled.
  void Open();
  // Disables, then hides the frame: the box that had the focus leaves it without a check.
  void Close();
  // The frame is open for entries: shown and enabled.
  bool Accepting() const { return isVisible() && isEnabled(); }

  std::function<void()> on_enter;
  std::function<void()> on_escape;
  std::function<void(int index)> on_box_left;

 private:
  friend class InputBox;
  void MoveFocus(int from, int step);

  std::array<InputBox*, 6> boxes_{};
  std::array<QLabel*, 6> labels_{};
  std::array<QLabel*, 6> units_{};
};

}  // namespace velmora
