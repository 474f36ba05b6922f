#include "sim/data_list.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "base/strings.h"
#include "base/textfile.h"

namespace velmora::sim {
namespace fs = std::filesystem;
namespace {

bool IsWordChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$';
}

std::string NextWord(std::string_view text, size_t* pos) {
  while (*pos < text.size() && (text[*pos] == ' ' || text[*pos] == '\t')) ++*pos;
  size_t start = *pos;
  while (*pos < text.size() && IsWordChar(text[*pos])) ++*pos;
  return ToUpper(text.substr(start, *pos - start));
}

void SkipBlanks(std::string_view text, size_t* pos) {
  while (*pos < text.size() && (text[*pos] == ' ' || text[*pos] == '\t')) ++*pos;
}

// Where a ";" comment starts (outside quotes), or the end of the line.
size_t CommentStart(std::string_view line) {
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '"') quoted = !quoted;
    if (line[i] == ';' && !quoted) return i;
  }
  return line.size();
}

size_t TrimmedEnd(std::string_view text, size_t begin, size_t end) {
  while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
  return end;
}

bool IsBuiltinType(const std::string& word) {
  static const char* kTypes[] = {"INT",   "REAL", "BOOL",   "CHAR",   "FRAME", "POS",  "E3POS",
                                 "E6POS", "AXIS", "E3AXIS", "E6AXIS", "FDAT",  "PDAT", "LDAT"};
  for (const char* t : kTypes) {
    if (word == t) return true;
  }
  return false;
}

// "[n]" at pos: true with the number (nullopt for "[]").
bool ReadBrackets(std::string_view text, size_t* pos, std::optional<int>* number) {
  if (*pos >= text.size() || text[*pos] != '[') return false;
  size_t close = text.find(']', *pos);
  if (close == std::string_view::npos) return false;
  std::string inside = Trim(text.substr(*pos + 1, close - *pos - 1));
  *pos = close + 1;
  if (inside.empty()) {
    number->reset();
    return true;
  }
  int value = 0;
  auto [end, ec] = std::from_chars(inside.data(), inside.data() + inside.size(), value);
  if (ec != std::errc() || end != inside.data() + inside.size()) return false;
  *number = value;
  return true;
}

}  // namespace

bool DataList::Refresh() {
  std::error_code ec;
  Stamp stamp{fs::last_write_time(file_, ec), 0};
  if (!ec) stamp.size = fs::file_size(file_, ec);
  if (ec) {
    stamp_.reset();
    lines_.clear();
    declarations_.clear();
    assignments_.clear();
    return false;
  }
  if (stamp_ && *stamp_ == stamp) return true;
  Parse(ReadTextFile(file_));
  stamp_ = stamp;
  return true;
}

void DataList::Parse(const std::string& bytes) {
  lines_.clear();
  declarations_.clear();
  assignments_.clear();
  line_end_ = bytes.find("\r\n") != std::string::npos || bytes.find('\n') == std::string::npos
                  ? "\r\n"
                  : "\n";
  final_line_end_ = bytes.empty() || bytes.back() == '\n';
  size_t start = 0;
  while (start < bytes.size()) {
    size_t lf = bytes.find('\n', start);
    size_t end = lf == std::string::npos ? bytes.size() : lf;
    std::string line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines_.push_back(std::move(line));
    start = lf == std::string::npos ? bytes.size() : lf + 1;
  }
  for (size_t i = 0; i < lines_.size(); ++i) ParseLine(i);
}

void DataList::ParseLine(size_t index) {
  const std::string& line = lines_[index];
  const size_t end = CommentStart(line);
  std::string_view body = std::string_view(line).substr(0, end);
  size_t pos = 0;
  std::string word = NextWord(body, &pos);
  if (word.empty()) return;
  bool declaration = false;
  while (word == "DECL" || word == "GLOBAL" || word == "CONST") {
    declaration = declaration || word == "DECL";
    word = NextWord(body, &pos);
  }
  if (declaration || IsBuiltinType(word)) {
    Declaration d;
    d.type = word;
    d.line = index;
    std::string name = NextWord(body, &pos);
    if (name.empty()) return;
    SkipBlanks(body, &pos);
    std::optional<int> size;
    if (pos < body.size() && body[pos] == '[') {
      if (!ReadBrackets(body, &pos, &size) || !size || *size < 1) return;
      d.size = *size;
    }
    d.name_end = pos;
    declarations_[name] = d;
    SkipBlanks(body, &pos);
    if (pos < body.size() && body[pos] == '=' && (d.size == 0 || d.type == "CHAR")) {
      ++pos;
      SkipBlanks(body, &pos);
      assignments_[name] = {index, pos, TrimmedEnd(body, pos, body.size())};
    }
    return;
  }
  // NAME=value, NAME[i]=value, NAME[]=value
  std::string key = word;
  SkipBlanks(body, &pos);
  if (pos < body.size() && body[pos] == '[') {
    std::optional<int> element;
    if (!ReadBrackets(body, &pos, &element)) return;
    if (element) key += "[" + std::to_string(*element) + "]";
    SkipBlanks(body, &pos);
  }
  if (pos >= body.size() || body[pos] != '=') return;
  ++pos;
  SkipBlanks(body, &pos);
  assignments_[key] = {index, pos, TrimmedEnd(body, pos, body.size())};
}

const std::string* DataList::TypeOf(const std::string& name) const {
  auto found = declarations_.find(name);
  return found == declarations_.end() ? nullptr : &found->second.type;
}

std::vector<std::string> DataList::Names() const {
  std::vector<std::pair<size_t, std::string>> ordered;
  for (const auto& [name, d] : declarations_) ordered.emplace_back(d.line, name);
  std::sort(ordered.begin(), ordered.end());
  std::vector<std::string> names;
  for (auto& [line, name] : ordered) names.push_back(std::move(name));
  return names;
}

bool DataList::Check(const VarRef& ref, const Declaration** declaration, SimError* error) const {
  auto found = declarations_.find(ref.name);
  if (found == declarations_.end()) {
    *error =
        MakeError(ErrorNo::kUnknownVariable, "VAR_UNKNOWN", "variable not declared", {ref.name});
    return false;
  }
  const Declaration& d = found->second;
  const bool char_array = d.type == "CHAR" && d.size > 0;
  if (char_array ? ref.index.has_value() : (d.size > 0) != ref.index.has_value()) {
    *error = MakeError(ErrorNo::kSyntax, "INDEX_EXPECTED",
                       d.size > 0 && !char_array ? "an array element needs an index"
                                                 : "the variable is not an array",
                       {ref.Key()});
    return false;
  }
  if (ref.index && (*ref.index < 1 || *ref.index > d.size)) {
    *error = MakeError(ErrorNo::kIndexOutOfRange, "INDEX_RANGE", "index out of range",
                       {ref.Key(), std::to_string(d.size)});
    return false;
  }
  *declaration = &d;
  return true;
}

bool DataList::Get(const VarRef& ref, Value* value, SimError* error) const {
  const Declaration* d = nullptr;
  if (!Check(ref, &d, error)) return false;
  auto found = assignments_.find(ref.Key());
  if (found == assignments_.end()) {
    *error =
        MakeError(ErrorNo::kNotAssigned, "VALUE_NOT_ASSIGNED", "value not assigned", {ref.Key()});
    return false;
  }
  const Assignment& a = found->second;
  value->type = d->type;
  value->text = lines_[a.line].substr(a.value_begin, a.value_end - a.value_begin);
  return true;
}

bool DataList::Put(const VarRef& ref, const Value& value, SimError* error) {
  const Declaration* d = nullptr;
  if (!Check(ref, &d, error)) return false;
  const std::string key = ref.Key();
  auto found = assignments_.find(key);
  std::string current;
  if (found != assignments_.end()) {
    const Assignment& a = found->second;
    current = lines_[a.line].substr(a.value_begin, a.value_end - a.value_begin);
  }
  Value assigned;
  if (!Assign(d->type, current, value, &assigned, error)) return false;
  if (found != assignments_.end()) {
    const Assignment& a = found->second;
    lines_[a.line].replace(a.value_begin, a.value_end - a.value_begin, assigned.text);
  } else if (!ref.index) {
    lines_[d->line].insert(d->name_end, "=" + assigned.text);
  } else {
    // A new element goes after the last line of its array.
    size_t after = d->line;
    for (const auto& [k, a] : assignments_) {
      if (k.starts_with(ref.name + "[")) after = std::max(after, a.line);
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after) + 1,
                  key + "=" + assigned.text);
  }
  return Save(error);
}

bool DataList::Save(SimError* error) {
  std::string bytes;
  for (size_t i = 0; i < lines_.size(); ++i) {
    bytes += lines_[i];
    if (i + 1 < lines_.size() || final_line_end_) bytes += line_end_;
  }
  const bool written = WriteBytesAtomically(file_, bytes);
  stamp_.reset();
  Parse(written ? bytes : ReadTextFile(file_));
  if (!written) {
    *error = MakeError(ErrorNo::kWriteFailed, "WRITE_FAILED", "the data list cannot be written",
                       {file_.filename().string()});
    return false;
  }
  std::error_code ec;
  Stamp stamp{fs::last_write_time(file_, ec), 0};
  if (!ec) stamp.size = fs::file_size(file_, ec);
  if (!ec) stamp_ = stamp;
  return true;
}

}  // namespace velmora::sim
