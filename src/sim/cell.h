#pragma once
// The controller's file system: a folder ("the cell") whose NOXA/ subfolder is the controller
// root "NOXA:\". Names match without regard to case. Every path stays inside the cell: "..",
// absolute and drive paths, and links that lead out of it are refused.
//
// Path forms: "NOXA:\R1\PROGRAM\X.SRC" (also with "/" and repeated separators), and the short
// form "/R1/X.SRC", which finds the module X.SRC anywhere below R1 (the PROGRAM folder first);
// a short name that does not exist yet is written into R1\PROGRAM.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/sim_error.h"

namespace velmora::sim {

class Cell {
 public:
  explicit Cell(std::filesystem::path root);

  // False (with the reason) when the cell has no NOXA/R1 folder.
  bool Check(std::string* reason) const;

  // The cell file of a controller path. With `for_write` the last component may be new.
  bool Map(std::string_view controller_path, bool for_write, std::filesystem::path* local,
           SimError* error) const;

  // The files below a folder (recursively), relative to it with "\" separators, sorted; a
  // last component with "*" or "?" filters the file names.
  bool List(std::string_view controller_path, std::vector<std::string>* names,
            SimError* error) const;
  // The full "NOXA:\..." path of an existing file.
  bool Resolve(std::string_view name, std::string* full_path, SimError* error) const;
  bool Read(std::string_view controller_path, std::string* bytes, SimError* error) const;
  // Atomic: the old file stays whole when the write fails.
  bool Write(std::string_view controller_path, std::string_view bytes, SimError* error) const;
  bool Delete(std::string_view controller_path, SimError* error) const;

  // A module (file name with extension) below R1, PROGRAM first.
  std::optional<std::filesystem::path> FindModule(std::string_view file_name) const;
  // A file below a folder of R1 ("System", "MADA"), found without regard to case.
  std::optional<std::filesystem::path> FindFile(std::string_view folder,
                                                std::string_view file_name) const;
  std::string ControllerPath(const std::filesystem::path& local) const;
  const std::filesystem::path& root() const { return root_; }

 private:
  bool Inside(const std::filesystem::path& path) const;

  std::filesystem::path root_;
  std::filesystem::path canonical_root_;
};

}  // namespace velmora::sim
