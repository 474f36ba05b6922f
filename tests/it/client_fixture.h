#pragma once
// A connected controller client against a fresh simulator with the test cell.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controller/zintra_comm.h"
#include "it/sim_fixture.h"

namespace velmora::it {

class ClientTest : public ::testing::Test {
 protected:
  ClientTest() : cell_(BuildCell(dir_)), sim_(cell_), client_(sim_.address()) {
    client_.set_temp_folder(dir_.path() / "temp");
    owner_.SetInfoResult = [this](const std::string& text) { infos_.push_back(text); };
    owner_.Zintra1_CmdMessage = [this](const std::string& text, int32_t) {
      cmd_messages_.push_back(text);
    };
    owner_.RobMessage = [this](int32_t type, const std::string& text) {
      messages_.emplace_back(type, text);
    };
    owner_.HuxKey = [this](int32_t key) { keys_.push_back(key); };
  }

  void SetUp() override {
    ASSERT_FALSE(sim_.address().empty()) << "the simulator did not start";
    ASSERT_TRUE(client_.Init(&owner_));
    ASSERT_TRUE(client_.ConnectToZintra("Velmora"));
  }

  // The value of a variable (the answer after its "="); fails the test when it cannot be read.
  std::string Value(const std::string& name) {
    std::string text;
    EXPECT_TRUE(client_.ShowVar(name, text)) << name << ": " << client_.LastErrorText();
    return text.substr(text.find('=') + 1);
  }

  // Processes events until `done` holds (bounded).
  template <typename Done>
  bool EventsUntil(Done done) {
    return WaitFor([&] {
      client_.ProcessEvents();
      return done();
    });
  }

  fs::path Cell(const std::string& relative) const { return cell_ / relative; }

  test::TempDir dir_;
  fs::path cell_;
  SimProcess sim_;
  ZintraOwner owner_;
  cZintraComm client_;
  std::vector<std::string> infos_;
  std::vector<std::string> cmd_messages_;
  std::vector<std::pair<int32_t, std::string>> messages_;
  std::vector<int32_t> keys_;
};

}  // namespace velmora::it
