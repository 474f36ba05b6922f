#pragma once
// `noxaRTxt`: the program view. It shows the view text of the loaded program (one line per
// shown record), the current record in red and bold, and the marked block. Record ranges are
// given as the model's offsets into its view text (`ViewStart`, `ViewLength`).
#include <QPlainTextEdit>
#include <functional>
#include <string_view>
#include <vector>

#include "app/twips.h"

namespace velmora {

class ProgramView : public QPlainTextEdit {
 public:
  ProgramView(QWidget* parent, const Twips& twips);

  // Replaces the whole text (the model's `ViewText`).
  void SetViewText(std::string_view view_text);
  // Appends one record's display text while a load is still reading the rest.
  void AppendEarly(std::string_view display_text);
  // `DeleteVorratxt`: empty, caret at the start, black and not bold.
  void Clear();
  bool HoldsText() const { return !document()->isEmpty(); }

  // The current record's range (red, bold) and the marked block (length 0: none). The view
  // scrolls so that the current record shows.
  void ShowHighlight(int start, int length, int block_start, int block_length);
  // While a menu key has the focus during block marking the block shows red and bold too.
  void SetBlockEmphasis(bool on);

  enum class Colour { kCyan, kSilver };
  void SetBackground(Colour colour);
  Colour background() const { return colour_; }

  // Keys and clicks, handed to the navigation; the view itself moves nothing.
  std::function<void(QKeyEvent*)> on_key_press;
  std::function<void(QKeyEvent*)> on_key_release;
  std::function<void()> on_click;
  std::function<void()> on_focus_in;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;

 private:
  int DocPosition(int view_offset) const;
  void ApplySelections();
  // Offsets of the CR of every CR LF of the view text: each one is a single line break here.
  std::vector<int> crlf_;
  int early_length_ = 0;
  int highlight_start_ = 0, highlight_length_ = 0, block_start_ = 0, block_length_ = 0;
  bool block_emphasis_ = false;
  Colour colour_ = Colour::kSilver;
};

}  // namespace velmora
