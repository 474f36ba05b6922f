// Searching the program: the search frame (Ctrl+F) and the F3 prompt.
#include "app/editor.h"
#include "app/operator_dialogs.h"
#include "app/program_view.h"
#include "app/qt_text.h"
#include "app/search_frame.h"
#include "base/app_context.h"
#include "base/strings.h"
#include "program/motion.h"
#include "program/program.h"

namespace velmora {

void Editor::ShowSearchFrame() {
  flags_.SearchActive = true;
  search_->setTitle(UiText(context_->AssistantText("Search")));
  search_->setFlat(false);
  search_->setEnabled(true);
  search_->show();
  search_->raise();
  search_->text()->setFocus();
}

void Editor::HideSearchFrame() {
  search_->hide();
  flags_.SearchActive = false;
  FocusView();
}

void Editor::SearchNext() {
  Program& p = *program_;
  const int current = p.CurrentLine;
  if (!p.loaded() || current < 1) return;
  const std::string wanted = ToUpper(ProgramBytes(search_->text()->text()));
  auto matches = [&](int k) {
    if (p.Record(k).ViewLength <= 0) return false;
    ParseMotionRecord(p, k);
    const LineRecord& r = p.Record(k);
    return Contains(r.Point1Name, wanted) || Contains(r.Point2Name, wanted) ||
           Contains(ToUpper(r.Text), wanted);
  };
  int first = current, last = p.LineCount();
  if (!navigation_.MarkedRange(&first, &last)) first = current;
  int start = std::max(first, current);
  if (start == current && matches(current)) ++start;
  int found = 0;
  for (int k = start; k <= last && !found; ++k)
    if (matches(k)) found = k;
  // Not found below: once more from the top.
  if (!found && current != p.FirstShownLine)
    for (int k = p.FirstShownLine; k <= p.LineCount() && !found; ++k)
      if (matches(k)) found = k;
  if (found) {
    p.CurrentLine = found;
    HighlightCurrentLine();
  }
  search_->text()->setFocus();
  QFont bold = search_->text()->font();
  bold.setBold(true);
  search_->text()->setFont(bold);
}

void Editor::SearchPrompt() {
  Program& p = *program_;
  auto answer =
      dialogs_->AskText(context_->AssistantText("SearchString"), context_->AssistantText("Search"),
                        Cp1252ToUtf8(last_search_text_));
  if (!answer) return;
  last_search_text_ = ToUpper(Utf8ToCp1252(*answer));
  if (!p.loaded() || p.CurrentLine < 1 || last_search_text_.empty()) return;
  const LineRecord& current = p.Record(p.CurrentLine);
  const size_t from = static_cast<size_t>(current.ViewStart + current.ViewLength);
  const size_t at = ToUpper(p.ViewText).find(last_search_text_, from);
  if (at == std::string::npos) return;
  for (int k = p.FirstShownLine; k <= p.LastShownLine; ++k) {
    const LineRecord& r = p.Record(k);
    if (r.ViewLength > 0 && at >= static_cast<size_t>(r.ViewStart) &&
        at < static_cast<size_t>(r.ViewStart + r.ViewLength)) {
      p.CurrentLine = k;
      HighlightCurrentLine();
      return;
    }
  }
}

}  // namespace velmora
