#include "base/identifier.h"

#include "base/app_context.h"
#include "base/strings.h"

namespace velmora {
namespace {

constexpr std::string_view kNameCharacters =
    "_0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr size_t kMaxNameLength = 24;

bool AllAllowed(std::string_view text, bool blank_allowed) {
  for (char c : text) {
    if (c == ' ' && blank_allowed) continue;
    if (kNameCharacters.find(c) == std::string_view::npos) return false;
  }
  return true;
}

bool StartsWithDigit(std::string_view text) {
  std::string t = Trim(text);
  return !t.empty() && t[0] >= '0' && t[0] <= '9';
}

}  // namespace

bool CheckName(std::string_view text, std::string_view kind) {
  if (kind == "ZName" && (text.size() > kMaxNameLength || StartsWithDigit(text))) return false;
  return AllAllowed(text, kind == "Comment");
}

bool CheckNameWithMessages(AppContext& context, std::string_view text, std::string_view kind,
                           std::string_view destination_field) {
  if (kind == "Name") {
    // An empty name is refused too: a program needs a name.
    if (text.size() > kMaxNameLength || StartsWithDigit(text) || Trim(text).empty()) {
      const std::string what = context.AssistantText("FileMirroring");
      if (Trim(destination_field).size() > kMaxNameLength) {
        context.AddMessage(what, "200",
                           context.AssistantText("mnuindatei") + "-name: Character > 24 " +
                               context.AssistantText("IsNotCorrect"));
      } else if (Trim(text).empty() || StartsWithDigit(text)) {
        context.AddMessage(what, "200", context.AssistantText("InvalidCharacterInName"));
      }
      context.AddMessage(
          what, "200",
          context.AssistantText("mnuindatei") + "-name " + context.AssistantText("IsNotCorrect"));
      return false;
    }
  }
  return AllAllowed(text, kind == "Comment");
}

}  // namespace velmora
