#pragma once
// Giving a copied motion new names: its point in the record text, and its motion data (the
// FDAT line and the PDAT/LDAT line of a TP_BASIS motion) with the references to them.
#include <string_view>

#include "commands/edit/new_names.h"

namespace velmora {

struct LineRecord;

// Renames point `old_name` to `new_name` in the record's Text. A TP_BASIS fold line renames the
// title's point (the name without its "X") and the inline-form parameter 2: or 3: that holds it;
// the other lines rename the whole name where it stands as a word, and the frame-data reference
// F<name without X>. A TP_USER record renames the whole name as a word in every line.
void RenamePointInSection(std::string_view old_name, std::string_view new_name, LineRecord& record);

// Which motion data of a record RenameMotionData rewrites.
enum class MotionDataSlot { kFirst, kSecond };  // MotionData, MotionData2

// Gives the motion data of a TP_BASIS record new names: the frame data F<new point without X>,
// the PDAT/LDAT data PPDAT<n> or LCPDAT<n> from `counters` (counted on). The record's text
// refers to the new data name afterwards; the slot receives "FDAT line CR LF PDAT line CR LF".
void RenameMotionData(std::string_view old_point, std::string_view new_point,
                      MotionDataCounters& counters, LineRecord& record, MotionDataSlot slot);

}  // namespace velmora
