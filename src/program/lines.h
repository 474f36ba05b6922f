#pragma once
// Cutting the source text into its header and logical lines. Each function takes its lines off
// the front of `text`, which the caller keeps as the rest still to read.
#include <string>
#include <string_view>

namespace velmora {

// A text with every line end written as CR LF (a lone LF or CR reads as one). Texts that need
// no change are used in place; the copy is only made for the others.
class CrLfText {
 public:
  explicit CrLfText(std::string_view text);
  CrLfText(const CrLfText&) = delete;
  CrLfText& operator=(const CrLfText&) = delete;
  std::string_view view() const { return text_; }

 private:
  std::string_view text_;
  std::string normalised_;
};

// Fold levels one logical line holds; a deeper ";FOLD" line starts a logical line of its own.
inline constexpr int kMaxFoldDepth = 3;

// The first line, without its line end: up to the first CR, which goes with one LF after it.
// A text without CR is one line.
std::string_view PopLine(std::string_view& text);

// The lines up to and including the first whose trimmed text begins with "DEF ", each with
// CR LF; all of the text when no such line exists.
std::string ReadHeader(std::string_view& text);

// The next logical line, each of its lines with CR LF: a statement or comment line outside
// folds, or a whole top-level fold. Lines are stored trimmed; statements inside a fold get
// four blanks of indentation. Empty only when `text` is.
std::string NextLogicalLine(std::string_view& text);

}  // namespace velmora
