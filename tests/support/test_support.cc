#include "support/test_support.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <fstream>
#include <random>
#include <sstream>

namespace velmora::test {

TempDir::TempDir() {
  std::random_device rd;
  path_ = std::filesystem::temp_directory_path() /
          ("velmora-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::filesystem::path TempDir::Write(const std::string& relative, const std::string& bytes) const {
  auto file = path_ / relative;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out << bytes;
  return file;
}

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string DeadLoopbackAddress() {
  int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
  socklen_t length = sizeof addr;
  getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &length);
  close(fd);
  return "127.0.0.1:" + std::to_string(ntohs(addr.sin_port));
}

std::string Crlf(const std::string& lf_text) {
  std::string out;
  out.reserve(lf_text.size() + lf_text.size() / 16);
  for (char c : lf_text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace velmora::test
