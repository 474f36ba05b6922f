#pragma once
// Names and comments that Velmora writes must be accepted by the controller.
#include <string_view>

namespace velmora {

struct AppContext;

// kind "ZName" or "Comment": true if acceptable; lists nothing.
bool CheckName(std::string_view text, std::string_view kind);
// kind "Name" or "Comment": true if acceptable; a rejected name lists why ("200").
// `destination_field` is the trimmed content of the destination field the name came from.
bool CheckNameWithMessages(AppContext& context, std::string_view text, std::string_view kind,
                           std::string_view destination_field);

}  // namespace velmora
