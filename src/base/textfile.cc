#include "base/textfile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <random>
#include <sstream>

#include "base/paths.h"
#include "base/strings.h"

namespace velmora {

std::string ReadTextFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::string();
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

bool WriteBytesAtomically(const std::filesystem::path& file, std::string_view bytes) {
  std::error_code ec;
  std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
  if (!std::filesystem::is_directory(folder, ec)) return false;
  std::random_device rd;
  std::filesystem::path temp =
      folder / ("." + file.filename().string() + ".new-" + std::to_string(rd()));
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  const char* p = bytes.data();
  size_t left = bytes.size();
  bool ok = true;
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = false;
      break;
    }
    p += n;
    left -= static_cast<size_t>(n);
  }
  ok = ::fsync(fd) == 0 && ok;
  ok = ::close(fd) == 0 && ok;
  if (ok) ok = ::rename(temp.c_str(), file.c_str()) == 0;
  if (!ok) std::filesystem::remove(temp, ec);
  return ok;
}

bool WriteTextFile(const std::filesystem::path& file, std::string_view text) {
  std::string bytes(text);
  bytes += kCrLf;
  return WriteBytesAtomically(file, bytes);
}

bool WriteTextFileByLines(const std::filesystem::path& file, std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size() + 2);
  size_t pos = 0;
  for (size_t cr; (cr = text.find('\r', pos)) != std::string_view::npos;) {
    bytes.append(text.substr(pos, cr - pos));
    bytes += kCrLf;
    pos = cr;
    while (pos < text.size() && (text[pos] == '\r' || text[pos] == '\n')) ++pos;
  }
  // The rest after the last line break is the last line; nothing is written for an empty rest,
  // which would be an empty line.
  if (pos < text.size()) {
    bytes.append(text.substr(pos));
    bytes += kCrLf;
  }
  return WriteBytesAtomically(file, bytes);
}

void AppendToTempFile(std::string_view file_name, std::string_view text) {
  // Same result as reading the log, adding the line and rewriting it without empty lines, but
  // without rewriting a growing log for every line.
  std::error_code ec;
  std::filesystem::create_directories(TempFolder(), ec);
  std::string lines;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    if (end > pos) {
      lines.append(text.substr(pos, end - pos));
      lines += kCrLf;
    }
    pos = end + 1;
  }
  std::ofstream out(TempFolder() / std::string(file_name), std::ios::binary | std::ios::app);
  out << lines;
}

std::optional<std::filesystem::path> FindFileNoCase(const std::filesystem::path& folder,
                                                    std::string_view name) {
  std::error_code ec;
  std::filesystem::path exact = folder / std::string(name);
  if (std::filesystem::exists(exact, ec)) return exact;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    if (EqualsNoCase(it->path().filename().string(), name)) return it->path();
  }
  return std::nullopt;
}

}  // namespace velmora
