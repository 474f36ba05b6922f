#pragma once
// Reads aggregate values such as "{E6AXIS: A1 10.5, A2 -90, ...}" or "{X 1,Y 2,...}" into named
// component texts, remembering where each value stands so that it can be rewritten in place.
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct AggregateItem {
  std::string name;        // as written
  std::string value;       // trimmed; may be empty
  size_t value_begin = 0;  // the value's span in the parsed text
  size_t value_end = 0;
};

class AggregateParser {
 public:
  // The first "{" of the text up to its matching "}": an optional type prefix ("E6POS:"), then
  // components "NAME value" separated by ",". False (and nothing kept) when there is no brace
  // pair, or a component has no name.
  bool Parse(std::string_view text);

  const std::vector<AggregateItem>& ItemList() const { return items_; }
  const std::string& TypeName() const { return type_; }
  // The span of the aggregate from "{" to "}" inclusive in the parsed text.
  size_t begin() const { return begin_; }
  size_t end() const { return end_; }

  // The value text of a component (names compare without regard to case).
  bool GetValue(std::string_view name, std::string* value) const;
  const AggregateItem* Find(std::string_view name) const;

 private:
  std::vector<AggregateItem> items_;
  std::string type_;
  size_t begin_ = 0, end_ = 0;
};

// A component value read as a number: optional blanks and sign, digits with one ".", exponent.
// False for anything else (an empty text included).
bool ParseNumber(std::string_view text, double* value);

}  // namespace velmora
