#include "app/program_view.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <algorithm>

#include "app/qt_text.h"

namespace velmora {
namespace {

const QColor kCyan(0, 255, 255);
const QColor kSilver(192, 192, 192);
const QColor kRed(255, 0, 0);
// Lines of a screenful of the view, as a load shows them early.
constexpr int kScreenLines = 38;

// The program text as the view shows it: every CR LF, and a lone CR, is one line break.
QString ViewLines(std::string_view bytes, std::vector<int>* crlf) {
  QString text = ProgramText(bytes);
  QString lines;
  lines.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    QChar c = text[i];
    if (c == QLatin1Char('\r')) {
      if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
        if (crlf) crlf->push_back(static_cast<int>(i));
        ++i;
      }
      lines.append(QLatin1Char('\n'));
      continue;
    }
    lines.append(c);
  }
  return lines;
}

}  // namespace

ProgramView::ProgramView(QWidget* parent, const Twips& twips) : QPlainTextEdit(parent) {
  setObjectName(QStringLiteral("noxaRTxt"));
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setUndoRedoEnabled(false);
  QFont font(QStringLiteral("DejaVu Sans Mono"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPixelSize(twips.px(190));
  setFont(font);
  SetBackground(Colour::kSilver);
}

void ProgramView::SetViewText(std::string_view view_text) {
  setUpdatesEnabled(true);
  crlf_.clear();
  early_length_ = 0;
  highlight_length_ = block_length_ = 0;
  setExtraSelections({});
  setPlainText(ViewLines(view_text, &crlf_));
}

void ProgramView::AppendEarly(std::string_view display_text) {
  // The first screenful is drawn once, when it is complete, not once per record.
  if (early_length_ == 0) setUpdatesEnabled(false);
  QTextCursor end(document());
  end.movePosition(QTextCursor::End);
  end.insertText(ViewLines(display_text, nullptr));
  early_length_ += static_cast<int>(display_text.size());
  if (document()->blockCount() > kScreenLines) setUpdatesEnabled(true);
}

void ProgramView::Clear() {
  setUpdatesEnabled(true);
  crlf_.clear();
  early_length_ = 0;
  highlight_start_ = highlight_length_ = block_start_ = block_length_ = 0;
  block_emphasis_ = false;
  setExtraSelections({});
  clear();
}

int ProgramView::DocPosition(int view_offset) const {
  auto before = std::lower_bound(crlf_.begin(), crlf_.end(), view_offset) - crlf_.begin();
  int position = view_offset - static_cast<int>(before);
  return std::clamp(position, 0, std::max(0, document()->characterCount() - 1));
}

void ProgramView::ShowHighlight(int start, int length, int block_start, int block_length) {
  highlight_start_ = start;
  highlight_length_ = length;
  block_start_ = block_start;
  block_length_ = block_length;
  ApplySelections();
  if (length > 0) {
    QTextCursor caret(document());
    caret.setPosition(DocPosition(start));
    setTextCursor(caret);
    ensureCursorVisible();
  }
}

void ProgramView::SetBlockEmphasis(bool on) {
  if (block_emphasis_ == on) return;
  block_emphasis_ = on;
  ApplySelections();
}

void ProgramView::ApplySelections() {
  QList<QTextEdit::ExtraSelection> selections;
  auto add = [&](int start, int length, const QTextCharFormat& format) {
    if (length <= 0) return;
    QTextEdit::ExtraSelection s;
    s.cursor = QTextCursor(document());
    s.cursor.setPosition(DocPosition(start));
    s.cursor.setPosition(DocPosition(start + length), QTextCursor::KeepAnchor);
    s.format = format;
    selections.append(s);
  };
  QTextCharFormat block;
  block.setBackground(palette().color(QPalette::Highlight));
  block.setForeground(block_emphasis_ ? kRed : palette().color(QPalette::HighlightedText));
  if (block_emphasis_) block.setFontWeight(QFont::Bold);
  add(block_start_, block_length_, block);
  QTextCharFormat current;
  current.setForeground(kRed);
  current.setFontWeight(QFont::Bold);
  add(highlight_start_, highlight_length_, current);
  setExtraSelections(selections);
}

void ProgramView::SetBackground(Colour colour) {
  colour_ = colour;
  QPalette p = palette();
  p.setColor(QPalette::Base, colour == Colour::kCyan ? kCyan : kSilver);
  p.setColor(QPalette::Text, Qt::black);
  setPalette(p);
}

void ProgramView::keyPressEvent(QKeyEvent* e) {
  if (on_key_press) on_key_press(e);
}

void ProgramView::keyReleaseEvent(QKeyEvent* e) {
  if (on_key_release) on_key_release(e);
}

void ProgramView::mousePressEvent(QMouseEvent* e) {
  QPlainTextEdit::mousePressEvent(e);
  if (on_click) on_click();
}

void ProgramView::focusInEvent(QFocusEvent* e) {
  QPlainTextEdit::focusInEvent(e);
  if (on_focus_in) on_focus_in();
}

}  // namespace velmora
