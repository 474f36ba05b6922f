#pragma once
// velmora-cli run in-process on one program pair written to a fresh folder: `src_` is the
// source's path, `out_` an empty folder for --out, and Run keeps standard output and error.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/subcommands.h"
#include "support/test_support.h"

namespace velmora::test {

class InProcessCli : public ::testing::Test {
 protected:
  InProcessCli(const std::string& name, const std::string& src, const std::string& dat)
      : name_(name) {
    setenv("VELMORA_HOME", (dir_.path() / "home").c_str(), 1);
    setenv("XDG_TEMPLATES_DIR", (dir_.path() / "templates").c_str(), 1);
    src_ = dir_.Write("in/" + name + ".src", src).string();
    dir_.Write("in/" + name + ".dat", dat);
    out_ = (dir_.path() / "out").string();
    std::filesystem::create_directories(out_);
  }

  int Run(std::vector<std::string> args) {
    args.insert(args.begin(), "velmora-cli");
    std::vector<const char*> argv;
    for (const std::string& a : args) argv.push_back(a.c_str());
    std::ostringstream out, err;
    const int code = cli::RunCli(static_cast<int>(argv.size()), argv.data(), out, err);
    out_text_ = out.str();
    err_ = err.str();
    return code;
  }

  // The data file written to --out.
  std::string Dat() const { return ReadBytes(std::filesystem::path(out_) / (name_ + ".dat")); }

  TempDir dir_;
  std::string name_, src_, out_, out_text_, err_;
};

}  // namespace velmora::test
