// MirrorE6Pos and MoveMirror: points reflected in the plane Y = 0 (robotmath/mirror.h).
#include <filesystem>

#include "base/app_context.h"
#include "base/paths.h"
#include "base/strings.h"
#include "geometry/cls_prg_move.h"
#include "geometry/first_occurrence.h"
#include "geometry/robotmath/mirror.h"
#include "program/motion.h"
#include "program/program.h"

namespace velmora {

std::string ClsPrgMove::MirrorE6Pos(std::string_view PunktString, int32_t Kind) {
  std::string input = ToUpper(PunktString) + "\r\n";
  std::string buffer = input + input;
  std::string definition = CreateAxisSys(Kind);
  mirror_SIRL_file(buffer, input, definition, 0, 0);
  std::string result = CStringToText(buffer);
  trace_.Write("\r\nParameter for mirror.dll:\r\n");
  std::string block;
  block.reserve(input.size() + definition.size() + result.size() + 96);
  block.append("old point:\r\n").append(input).append("\r\nreferenz Axis:\r\n").append(definition);
  block.append("\r\nori.: 0 \r\nsymm_plane: 0\r\nnew point:\r\n").append(result).append("\r\n");
  trace_.Write(block);
  return result;
}

bool ClsPrgMove::MoveMirror(int32_t nStart, int32_t nEnde, std::string& sError,
                            std::string& E6PosString) {
  // One declaration of a record: where it comes from, its new text, and why it failed.
  struct Item {
    const LineRecord* record = nullptr;
    const std::string* old_text = nullptr;
    const std::string* name = nullptr;  // for the trace of a failure
    bool master = false;
    std::string new_text;
    bool ok = true;
    std::string reason;
  };
  // "MasterList has an entry that contains the point's name without its first character". A
  // master declaration of the record came from that list at load and still bears the name, so
  // it answers first; the whole list is searched only when it does not.
  auto master_listed = [&](const std::string& point, const std::string& master_decl) {
    if (master_decl.empty()) return false;  // nothing to mirror
    std::string s = Trim(point.size() > 1 ? point.substr(1) : std::string());
    return Contains(master_decl, s) || Contains(program_->MasterList, s);
  };

  trace_.Write("MoveMirror: Start=" + std::to_string(nStart) + " Ende=" + std::to_string(nEnde) +
               " (Spiegelung)\r\n");
  // Per record: point 1, point 2, master 1, master 2 (the order of writing and of reporting).
  std::vector<std::array<Item, 4>> records;
  bool all_ok = true;
  for (int32_t i = nStart; i <= nEnde; ++i) {
    LineRecord* record = RecordAt(i);
    if (!record) continue;
    if (!record->Parsed) ParseMotionRecord(*program_, i);
    if (record->Point1Name.empty()) continue;
    std::array<Item, 4>& items = records.emplace_back();
    auto mirror = [&](Item& item, const std::string& text, const std::string& name, bool master) {
      item.record = record;
      item.old_text = &text;
      item.name = &name;
      item.master = master;
      trace_.Write("Vorher: ", text);
      item.new_text = MirrorE6Pos(text, 0);
      trace_.Write("Nachher: ", item.new_text);
      if (!item.new_text.empty()) return;
      item.ok = all_ok = false;
      item.reason = text.substr(0, text.find('=')) + T("ErrMirror");
    };
    mirror(items[0], record->Point1Decl, record->Point1Name, false);
    if (master_listed(record->Point1Name, record->MasterDecl1))
      mirror(items[2], record->MasterDecl1, record->MasterName1, true);
    if (!record->Point2Name.empty()) {
      mirror(items[1], record->Point2Decl, record->Point2Name, false);
      if (master_listed(record->Point2Name, record->MasterDecl2))
        mirror(items[3], record->MasterDecl2, record->MasterName2, true);
    }
  }

  if (all_ok) {
    std::vector<Replacement> replacements;
    for (auto& items : records) {
      if (items[0].new_text.ends_with("\r\n"))
        items[0].new_text.resize(items[0].new_text.size() - 2);
      for (const Item& item : items) {
        if (item.old_text && !item.new_text.empty())
          replacements.push_back({*item.old_text, item.new_text});
      }
    }
    ReplaceFirstOccurrences(E6PosString, replacements);
  } else {
    sError = T("Error") + ":\r\n";
    trace_.Write("Fehler:");
    for (const auto& items : records) {
      for (const Item& item : items) {
        if (item.ok) continue;
        sError += item.reason + "\r\n";
        std::string who = item.master ? *item.name : std::to_string(item.record->MotionNo);
        trace_.Write("P" + who + ": " + item.reason);
      }
    }
  }
  trace_.Flush();
  std::error_code ec;
  std::filesystem::copy_file(trace_.path(), trace_.path().parent_path() / "mirror.Log",
                             std::filesystem::copy_options::overwrite_existing, ec);
  return all_ok;
}

}  // namespace velmora
