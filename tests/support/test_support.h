#pragma once
#include <filesystem>
#include <string>

namespace velmora::test {

// A fresh folder below the system temp folder, removed when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  // Writes bytes to a file below the folder (creating subfolders) and returns its path.
  std::filesystem::path Write(const std::string& relative, const std::string& bytes) const;

 private:
  std::filesystem::path path_;
};

// Reads a whole file as bytes; empty if missing.
std::string ReadBytes(const std::filesystem::path& file);

// "127.0.0.1:PORT" of a loopback port where nothing listens (bound once, then freed).
std::string DeadLoopbackAddress();

// Turns "\n" line ends into CR LF, so fixtures can be written as plain literals.
std::string Crlf(const std::string& lf_text);

}  // namespace velmora::test
