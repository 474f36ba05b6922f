#include "sim/cell.h"

#include <algorithm>
#include <deque>

#include "base/strings.h"
#include "base/textfile.h"
#include "base/wildcard.h"
#include "controller/protocol.h"

namespace velmora::sim {
namespace fs = std::filesystem;
namespace {

std::vector<std::string> Components(std::string_view path) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : path) {
    if (c == '\\' || c == '/') {
      if (!part.empty()) parts.push_back(std::move(part));
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(std::move(part));
  return parts;
}

bool AcceptableComponent(const std::string& part) {
  if (part == "." || part == "..") return false;
  return std::none_of(part.begin(), part.end(),
                      [](char c) { return c == ':' || static_cast<unsigned char>(c) < 32; });
}

bool HasWildcard(std::string_view text) {
  return text.find_first_of("*?") != std::string_view::npos;
}

SimError Refused(std::string_view path, std::string why) {
  return MakeError(ErrorNo::kPathRefused, "PATH_REFUSED", std::move(why), {std::string(path)});
}

SimError NotFound(std::string_view path) {
  return MakeError(ErrorNo::kFileNotFound, "FILE_NOT_FOUND", "file or folder not found",
                   {std::string(path)});
}

bool LessNoCase(const std::string& a, const std::string& b) {
  return ToUpper(a) < ToUpper(b);
}

}  // namespace

Cell::Cell(fs::path root) : root_(std::move(root)) {
  std::error_code ec;
  canonical_root_ = fs::weakly_canonical(fs::absolute(root_, ec), ec);
}

bool Cell::Check(std::string* reason) const {
  std::error_code ec;
  auto noxa = FindFileNoCase(root_, "NOXA");
  if (!noxa || !FindFileNoCase(*noxa, "R1") ||
      !fs::is_directory(*FindFileNoCase(*noxa, "R1"), ec)) {
    *reason = "the cell " + root_.string() + " has no NOXA/R1 folder";
    return false;
  }
  return true;
}

bool Cell::Inside(const fs::path& path) const {
  std::error_code ec;
  fs::path real = fs::weakly_canonical(path, ec);
  if (ec) return false;
  auto [root_end, unused] =
      std::mismatch(canonical_root_.begin(), canonical_root_.end(), real.begin(), real.end());
  return root_end == canonical_root_.end();
}

bool Cell::Map(std::string_view controller_path, bool for_write, fs::path* local,
               SimError* error) const {
  std::string path = Trim(controller_path);
  std::string upper = ToUpper(path);
  auto noxa = FindFileNoCase(root_, "NOXA");
  if (!noxa) {
    *error = NotFound(path);
    return false;
  }
  fs::path current;
  std::vector<std::string> parts;
  if (upper.starts_with("NOXA:")) {
    std::string_view rest = std::string_view(path).substr(5);
    if (!rest.empty() && rest[0] != '\\' && rest[0] != '/') {
      *error = Refused(path, "controller paths begin with NOXA:\\");
      return false;
    }
    current = *noxa;
    parts = Components(rest);
  } else if (upper.starts_with("/R1/") || upper.starts_with("\\R1\\")) {
    std::string rest = path.substr(4);
    auto r1 = FindFileNoCase(*noxa, "R1");
    if (!r1) {
      *error = NotFound(path);
      return false;
    }
    if (rest.find_first_of("\\/") == std::string::npos) {
      if (!AcceptableComponent(rest) || rest.empty()) {
        *error = Refused(path, "not a module name");
        return false;
      }
      if (auto module = FindModule(rest)) {
        current = *module;
      } else if (for_write) {
        auto program = FindFileNoCase(*r1, "PROGRAM");
        current = (program ? *program : *r1) / rest;
      } else {
        *error =
            MakeError(ErrorNo::kModuleNotFound, "MODULE_NOT_FOUND", "module not found", {path});
        return false;
      }
      if (!Inside(current)) {
        *error = Refused(path, "the path leads out of the controller's file system");
        return false;
      }
      *local = current;
      return true;
    }
    current = *r1;
    parts = Components(rest);
  } else {
    *error = Refused(path, "not a controller path");
    return false;
  }
  for (size_t i = 0; i < parts.size(); ++i) {
    if (!AcceptableComponent(parts[i])) {
      *error = Refused(path, "\"..\", \".\" and drive names are not allowed");
      return false;
    }
    auto found = FindFileNoCase(current, parts[i]);
    if (found) {
      current = *found;
    } else if (for_write && i + 1 == parts.size()) {
      current /= parts[i];
    } else {
      *error = NotFound(path);
      return false;
    }
  }
  if (!Inside(current)) {
    *error = Refused(path, "the path leads out of the controller's file system");
    return false;
  }
  *local = current;
  return true;
}

bool Cell::List(std::string_view controller_path, std::vector<std::string>* names,
                SimError* error) const {
  std::string path(controller_path);
  std::string pattern;
  auto parts = Components(path);
  if (!parts.empty() && HasWildcard(parts.back())) {
    pattern = ToUpper(parts.back());
    path.erase(path.find_last_of("\\/") + 1);
  }
  fs::path folder;
  if (!Map(path, false, &folder, error)) return false;
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) {
    *error = NotFound(controller_path);
    return false;
  }
  names->clear();
  for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const auto& entry = *it;
    std::string name = entry.path().filename().string();
    if (name.starts_with(".") || entry.is_symlink(ec)) {
      if (entry.is_directory(ec)) it.disable_recursion_pending();
      continue;
    }
    if (!entry.is_regular_file(ec)) continue;
    if (!pattern.empty() && !MatchesPattern(ToUpper(name), ReplaceAll(pattern, "#", "?"))) continue;
    std::string relative = fs::relative(entry.path(), folder, ec).string();
    std::replace(relative.begin(), relative.end(), '/', '\\');
    names->push_back(relative);
  }
  std::sort(names->begin(), names->end(), LessNoCase);
  return true;
}

std::string Cell::ControllerPath(const fs::path& local) const {
  auto noxa = FindFileNoCase(root_, "NOXA");
  std::error_code ec;
  std::string relative = fs::relative(local, noxa ? *noxa : root_, ec).string();
  std::replace(relative.begin(), relative.end(), '/', '\\');
  return "NOXA:\\" + relative;
}

bool Cell::Resolve(std::string_view name, std::string* full_path, SimError* error) const {
  fs::path local;
  if (!Map(name, false, &local, error)) return false;
  std::error_code ec;
  if (!fs::is_regular_file(local, ec)) {
    *error = MakeError(ErrorNo::kModuleNotFound, "MODULE_NOT_FOUND", "module not found",
                       {std::string(name)});
    return false;
  }
  *full_path = ControllerPath(local);
  return true;
}

bool Cell::Read(std::string_view controller_path, std::string* bytes, SimError* error) const {
  fs::path local;
  if (!Map(controller_path, false, &local, error)) return false;
  std::error_code ec;
  if (!fs::is_regular_file(local, ec)) {
    *error = NotFound(controller_path);
    return false;
  }
  if (fs::file_size(local, ec) > wire::kMaxFileBytes) {
    *error = MakeError(ErrorNo::kTooLarge, "FILE_TOO_LARGE", "file larger than the limit",
                       {std::string(controller_path)});
    return false;
  }
  *bytes = ReadTextFile(local);
  return true;
}

bool Cell::Write(std::string_view controller_path, std::string_view bytes, SimError* error) const {
  if (bytes.size() > wire::kMaxFileBytes) {
    *error = MakeError(ErrorNo::kTooLarge, "FILE_TOO_LARGE", "file larger than the limit",
                       {std::string(controller_path)});
    return false;
  }
  fs::path local;
  if (!Map(controller_path, true, &local, error)) return false;
  std::error_code ec;
  if (fs::is_directory(local, ec) || !fs::is_directory(local.parent_path(), ec)) {
    *error = NotFound(controller_path);
    return false;
  }
  if (!WriteBytesAtomically(local, bytes)) {
    *error = MakeError(ErrorNo::kWriteFailed, "WRITE_FAILED", "the file cannot be written",
                       {std::string(controller_path)});
    return false;
  }
  return true;
}

bool Cell::Delete(std::string_view controller_path, SimError* error) const {
  fs::path local;
  if (!Map(controller_path, false, &local, error)) return false;
  std::error_code ec;
  if (!fs::is_regular_file(local, ec) || !fs::remove(local, ec)) {
    *error = NotFound(controller_path);
    return false;
  }
  return true;
}

std::optional<fs::path> Cell::FindModule(std::string_view file_name) const {
  auto noxa = FindFileNoCase(root_, "NOXA");
  if (!noxa) return std::nullopt;
  auto r1 = FindFileNoCase(*noxa, "R1");
  if (!r1) return std::nullopt;
  // Breadth first, PROGRAM before the other folders, each level sorted.
  std::deque<fs::path> folders;
  if (auto program = FindFileNoCase(*r1, "PROGRAM")) folders.push_back(*program);
  folders.push_back(*r1);
  std::error_code ec;
  while (!folders.empty()) {
    fs::path folder = folders.front();
    folders.pop_front();
    std::vector<fs::path> subfolders;
    std::optional<fs::path> hit;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      if (it->is_symlink(ec)) continue;
      std::string name = it->path().filename().string();
      if (it->is_directory(ec)) {
        if (folder != *r1 || !EqualsNoCase(name, "PROGRAM")) subfolders.push_back(it->path());
      } else if (EqualsNoCase(name, file_name) && (!hit || name == file_name)) {
        hit = it->path();
      }
    }
    if (hit) return hit;
    std::sort(subfolders.begin(), subfolders.end());
    folders.insert(folders.end(), subfolders.begin(), subfolders.end());
  }
  return std::nullopt;
}

std::optional<fs::path> Cell::FindFile(std::string_view folder, std::string_view file_name) const {
  auto noxa = FindFileNoCase(root_, "NOXA");
  if (!noxa) return std::nullopt;
  auto r1 = FindFileNoCase(*noxa, "R1");
  if (!r1) return std::nullopt;
  auto sub = FindFileNoCase(*r1, folder);
  if (!sub) return std::nullopt;
  return FindFileNoCase(*sub, file_name);
}

}  // namespace velmora::sim
