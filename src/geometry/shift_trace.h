#pragma once
// The trace of the point transformations, "Orbi_Debug.Log" in the user's templates folder: one
// line per entry, appended. Entries are collected and appended in large pieces and when a pass
// ends (Flush), so a pass over thousands of points opens the file only a few times.
#include <filesystem>
#include <string>
#include <string_view>

namespace velmora {

class ShiftTrace {
 public:
  // Deletes the file: every point-transformation object starts a new trace.
  ShiftTrace();
  ~ShiftTrace() { Flush(); }
  ShiftTrace(const ShiftTrace&) = delete;
  ShiftTrace& operator=(const ShiftTrace&) = delete;

  void Write(std::string_view entry);
  // The entry `head` + `text`, without building it first.
  void Write(std::string_view head, std::string_view text);
  // Appends what was written since the last flush (errors are ignored: the trace never stops a
  // shift).
  void Flush();
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::string pending_;
};

}  // namespace velmora
