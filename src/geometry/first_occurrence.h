#pragma once
// Replacing, one after another, the first occurrence of an old text by a new text: what a
// loop of find-and-replace over the whole text does, without scanning the whole text for each
// replacement. The shifts write thousands of declarations back into a positions section this way.
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct Replacement {
  std::string_view old_text;
  std::string_view new_text;
};

// Applies the replacements in order, each to the text as the ones before it left it, and
// returns for each whether its old text occurred. An empty old text is never replaced.
//
// For declaration texts "NAME=..." without line breaks (the usual case) the text is cut at its
// line breaks and every "NAME=" is indexed by the names asked for, so each replacement looks
// only at the lines that can hold it; the result is the same as the straight loop, which runs
// for any other input.
std::vector<bool> ReplaceFirstOccurrences(std::string& text,
                                          const std::vector<Replacement>& replacements);

// The straight loop, the reference the indexed pass must equal.
std::vector<bool> ReplaceFirstOccurrencesStraight(std::string& text,
                                                  const std::vector<Replacement>& replacements);

}  // namespace velmora
