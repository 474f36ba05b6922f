#pragma once
// A data list (.dat file) of the controller: its declarations and values, read from the file
// and written back to it, atomically, on every assignment. Changes made to the file by others
// are picked up at the next access.
//
// Understood lines: "DECL [GLOBAL] [CONST] TYPE NAME[=value]", "DECL TYPE NAME[n]" (an array),
// "NAME[i]=value" (an element), "NAME[]=\"text\"" (a character array); the DECL may be left out
// for the built-in types. Everything else is kept as it is.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sim/value.h"

namespace velmora::sim {

class DataList {
 public:
  explicit DataList(std::filesystem::path file) : file_(std::move(file)) {}

  // Reads the file again when it changed. False when it cannot be read.
  bool Refresh();
  bool Declares(const std::string& name) const { return declarations_.contains(name); }
  const std::string* TypeOf(const std::string& name) const;

  bool Get(const VarRef& ref, Value* value, SimError* error) const;
  // Assigns the value (a literal) and writes the file.
  bool Put(const VarRef& ref, const Value& value, SimError* error);

  const std::filesystem::path& file() const { return file_; }
  // Every declared name (upper case), in the order of the file.
  std::vector<std::string> Names() const;

 private:
  struct Declaration {
    std::string type;
    int size = 0;  // array elements; 0 for a single value
    size_t line = 0;
    size_t name_end = 0;  // column after the name and its dimensions
  };
  struct Assignment {
    size_t line = 0;
    size_t value_begin = 0;
    size_t value_end = 0;
  };
  struct Stamp {
    std::filesystem::file_time_type time;
    uintmax_t size = 0;
    bool operator==(const Stamp&) const = default;
  };

  void Parse(const std::string& bytes);
  void ParseLine(size_t index);
  bool Check(const VarRef& ref, const Declaration** declaration, SimError* error) const;
  bool Save(SimError* error);

  std::filesystem::path file_;
  std::optional<Stamp> stamp_;
  std::vector<std::string> lines_;
  std::string line_end_ = "\r\n";
  bool final_line_end_ = true;
  std::map<std::string, Declaration> declarations_;
  std::map<std::string, Assignment> assignments_;  // by VarRef::Key()
};

}  // namespace velmora::sim
