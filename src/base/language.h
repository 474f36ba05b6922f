#pragma once
// The language database: texts by section and key from lang/<code>.ini. A key the file lacks
// answers "<key>", so a gap shows on the screen instead of an empty caption. The files are UTF-8;
// texts are handed out as Windows-1252 bytes, like the program texts they are shown with.
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace velmora {

class Language {
 public:
  // Loads lang/<code>.ini from `folder`; code from $VELMORA_LANG, default "en". A missing file
  // leaves the database empty (every text answers its key).
  static Language FromEnvironment();
  bool Load(const std::filesystem::path& ini_file);

  std::string Text(std::string_view section, std::string_view key) const;
  std::string AssistantText(std::string_view key) const { return Text("Assistent", key); }
  std::string MessageText(std::string_view key) const { return Text("Meldung", key); }
  // "%1" in the text is replaced by the parameter.
  std::string AssistantTextWithParam(std::string_view key, std::string_view parameter) const;

  bool Has(std::string_view section, std::string_view key) const;
  // Every (section, key) asked for since the start; the language-coverage test reads it.
  const std::set<std::pair<std::string, std::string>>& AskedKeys() const { return asked_; }

 private:
  std::map<std::string, std::map<std::string, std::string>> sections_;  // lower-case keys
  mutable std::set<std::pair<std::string, std::string>> asked_;
};

}  // namespace velmora
