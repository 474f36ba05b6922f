#include "base/process_list.h"

#include <errno.h>

#include <string>

#include <gtest/gtest.h>

#include "base/strings.h"

namespace velmora {
namespace {

TEST(ProcessListTest, FindsRunningProcessesByAnyPartOfTheirNameInAnyCase) {
  const std::string self = program_invocation_short_name;
  ASSERT_GE(self.size(), 4u);
  EXPECT_TRUE(IsProcessRunning(self));
  EXPECT_TRUE(IsProcessRunning(ToLower(self.substr(1, 3))));
  EXPECT_TRUE(IsProcessRunning(ToUpper(self)));
  EXPECT_FALSE(IsProcessRunning("no-such-process-" + std::to_string(getpid()) + "-x"));
}

}  // namespace
}  // namespace velmora
