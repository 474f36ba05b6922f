// The shipped language files lang/en.ini and lang/de.ini: both load, hold the same keys with a
// text for each, and hold every key the sources ask for.
//
// Keys asked for are found in src/**/*.h and src/**/*.cc as string literals passed to
//   AssistantText("Key"), AssistantTextWithParam("Key", ...), MessageText("Key"),
//   Text("Assistent" or "Meldung", "Key"),
// and to a local alias declared in the same file as
//   auto text = [&](std::string_view key) { return language.AssistantText(key); };
// A key that the code builds at run time (menu items captioned by their own name, a key taken
// from a table) is declared with a marker comment, one key per comment:
//   // lang-key: mnuOpen
//   // lang-key(Meldung): ColumnTime
//   // lang-key: "X = "              (quotes keep blanks at the ends of the key)
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "base/language.h"
#include "base/strings.h"
#include "base/textfile.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

const fs::path kSourceRoot = VELMORA_SHARE_DIR;
const char* const kLanguages[] = {"en", "de"};

// ---- The language files, read strictly -------------------------------------------------------

struct Entry {
  std::string section;
  std::string key;
  std::string value;
  int line = 0;
  bool quoted_key = false;
};

struct IniFile {
  std::vector<Entry> entries;
  std::vector<std::string> errors;
};

std::string Unquote(const std::string& text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
    return text.substr(1, text.size() - 2);
  return text;
}

// The format the loader reads, plus a quoted key ("X = "=...) for keys with '=' or edge blanks.
IniFile ReadIni(const std::string& text) {
  IniFile ini;
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) ini.errors.push_back("starts with a byte-order mark");
  std::string section;
  int number = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = std::min(text.find('\n', start), text.size());
    std::string line = Trim(text.substr(start, end - start));
    start = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line = Trim(line.substr(0, line.size() - 1));
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    const std::string where = "line " + std::to_string(number) + ": ";
    if (line.front() == '[' && line.back() == ']') {
      section = Trim(line.substr(1, line.size() - 2));
      continue;
    }
    Entry entry{section, "", "", number, line.front() == '"'};
    size_t eq;
    if (entry.quoted_key) {
      size_t close = line.find('"', 1);
      eq = close == std::string::npos ? close : line.find_first_not_of(" \t", close + 1);
      if (eq == std::string::npos || line[eq] != '=') {
        ini.errors.push_back(where + "a quoted key must be followed by '='");
        continue;
      }
      entry.key = line.substr(1, close - 1);
    } else {
      eq = line.find('=');
      if (eq == std::string::npos) {
        ini.errors.push_back(where + "neither a section nor key=text");
        continue;
      }
      entry.key = Trim(line.substr(0, eq));
    }
    entry.value = Unquote(Trim(line.substr(eq + 1)));
    if (section.empty()) ini.errors.push_back(where + "key before the first section");
    if (entry.key.empty()) ini.errors.push_back(where + "empty key");
    ini.entries.push_back(entry);
  }
  return ini;
}

fs::path LanguageFile(const std::string& code) {
  return kSourceRoot / "lang" / (code + ".ini");
}

IniFile ShippedFile(const std::string& code) {
  return ReadIni(ReadTextFile(LanguageFile(code)));
}

// ---- Keys the sources ask for ----------------------------------------------------------------

struct UsedKey {
  std::string section;
  std::string key;
  std::string place;  // "file:line"
  bool parameterised = false;
};

std::string CppUnescape(const std::string& literal) {
  std::string out;
  for (size_t i = 0; i < literal.size(); ++i) {
    if (literal[i] != '\\' || i + 1 == literal.size()) {
      out += literal[i];
      continue;
    }
    char c = literal[++i];
    out += c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c;
  }
  return out;
}

// A string literal on one line, escapes allowed; group 1 (or the last group) is its content.
const std::string kLiteral = R"re("((?:[^"\\\n]|\\.)*)")re";

std::vector<UsedKey> ScanSource(const std::string& text, const std::string& file) {
  static const std::regex kCall(
      R"re(\b(AssistantText|AssistantTextWithParam|MessageText)\s*\(\s*)re" + kLiteral);
  static const std::regex kSectionCall(R"re(\bText\s*\(\s*"(Assistent|Meldung)"\s*,\s*)re" +
                                       kLiteral);
  // auto name = [...](... key) { return ....AssistantText(key); }
  static const std::regex kAlias(
      R"re(\bauto\s+(\w+)\s*=\s*\[[^\]]*\]\s*\([^)]*\)[^{;]*\{\s*return\s+[^;{}]*)re"
      R"re(\b(AssistantText|MessageText)\s*\(\s*\w+\s*\)\s*;\s*\})re");
  static const std::regex kMarker(
      R"re(//[ \t]*lang-key(?:\((Assistent|Meldung)\))?:[ \t]*([^\n]*))re");

  std::vector<UsedKey> keys;
  auto add = [&](const std::string& section, const std::string& key, size_t pos, bool param) {
    int line = 1 + static_cast<int>(std::count(text.begin(), text.begin() + pos, '\n'));
    keys.push_back({section, key, file + ":" + std::to_string(line), param});
  };
  auto each = [&](const std::regex& re, auto on_match) {
    for (std::sregex_iterator it(text.begin(), text.end(), re), end; it != end; ++it) on_match(*it);
  };
  each(kCall, [&](const std::smatch& m) {
    add(m[1] == "MessageText" ? "Meldung" : "Assistent", CppUnescape(m[2]), m.position(0),
        m[1] == "AssistantTextWithParam");
  });
  each(kSectionCall,
       [&](const std::smatch& m) { add(m[1], CppUnescape(m[2]), m.position(0), false); });
  each(kAlias, [&](const std::smatch& m) {
    const std::string section = m[2] == "MessageText" ? "Meldung" : "Assistent";
    const std::regex call("\\b" + m[1].str() + "\\s*\\(\\s*" + kLiteral);
    each(call, [&](const std::smatch& c) {
      size_t pos = c.position(0);
      if (pos > 0 && (text[pos - 1] == '.' || text[pos - 1] == '>' || text[pos - 1] == ':'))
        return;  // a member of that name, not the alias
      add(section, CppUnescape(c[1]), pos, false);
    });
  });
  each(kMarker, [&](const std::smatch& m) {
    std::string key = Unquote(Trim(m[2].str()));
    if (!key.empty()) add(m[1].matched ? m[1].str() : "Assistent", key, m.position(0), false);
  });
  return keys;
}

std::vector<UsedKey> KeysUsedInSources() {
  std::vector<UsedKey> keys;
  for (const auto& item : fs::recursive_directory_iterator(kSourceRoot / "src")) {
    const fs::path& path = item.path();
    if (!item.is_regular_file() || (path.extension() != ".cc" && path.extension() != ".h"))
      continue;
    auto found = ScanSource(ReadTextFile(path), fs::relative(path, kSourceRoot).string());
    keys.insert(keys.end(), found.begin(), found.end());
  }
  return keys;
}

// ---- Tests -----------------------------------------------------------------------------------

TEST(LanguageSourceScan, FindsKeysInEveryForm) {
  const std::string source = R"src(
    a = context.AssistantText("Plain");
    b = language_->AssistantText(
        "NextLine");
    c = MessageText("ColumnTime");
    d = ctx.AssistantTextWithParam("WithParam", minutes);
    e = language.Text("Meldung", "Direct");
    f = SomeAssistantText("NotAKey");
    g = AssistantText(variable);
    h = AssistantText("Esc\"aped");
    auto text = [&](std::string_view key) { return language.AssistantText(key); };
    i = text("ByAlias");
    j = item.text("Member");
    // lang-key: mnuOpen
    // lang-key(Meldung): ColumnText
    // lang-key: "X = "
  )src";
  std::vector<std::string> found;
  for (const UsedKey& k : ScanSource(source, "x.cc"))
    found.push_back(k.section + "/" + k.key + (k.parameterised ? " %1" : "") + " @" + k.place);
  std::sort(found.begin(), found.end());
  const std::vector<std::string> expected = {
      "Assistent/ByAlias @x.cc:12", "Assistent/Esc\"aped @x.cc:10",   "Assistent/NextLine @x.cc:3",
      "Assistent/Plain @x.cc:2",    "Assistent/WithParam %1 @x.cc:6", "Assistent/X =  @x.cc:16",
      "Assistent/mnuOpen @x.cc:14", "Meldung/ColumnText @x.cc:15",    "Meldung/ColumnTime @x.cc:5",
      "Meldung/Direct @x.cc:7",
  };
  EXPECT_EQ(found, expected);
}

TEST(LanguageFiles, ReadCleanlyWithATextForEveryKey) {
  for (const char* code : kLanguages) {
    SCOPED_TRACE(code);
    const std::string bytes = ReadTextFile(LanguageFile(code));
    ASSERT_FALSE(bytes.empty()) << LanguageFile(code);
    EXPECT_EQ(Cp1252ToUtf8(Utf8ToCp1252(bytes)), bytes)
        << "not UTF-8, or holds characters the Windows-1252 screen texts cannot show";
    const IniFile ini = ReadIni(bytes);
    for (const std::string& error : ini.errors) ADD_FAILURE() << error;
    // The loader matches keys without regard to case: spellings of one key share one text.
    std::map<std::pair<std::string, std::string>, const Entry*> folded;
    for (const Entry& e : ini.entries) {
      EXPECT_TRUE(e.section == "Assistent" || e.section == "Meldung")
          << "line " << e.line << ": section [" << e.section << "]";
      EXPECT_FALSE(Trim(e.value).empty()) << "line " << e.line << ": no text for " << e.key;
      auto [it, fresh] = folded.emplace(std::make_pair(e.section, ToLower(e.key)), &e);
      if (fresh) continue;
      EXPECT_NE(it->second->key, e.key) << "line " << e.line << ": " << e.key << " twice";
      EXPECT_EQ(it->second->value, e.value)
          << "line " << e.line << ": " << e.key << " and " << it->second->key
          << " are one key to the loader but have different texts";
    }
  }
}

TEST(LanguageFiles, HoldTheSameKeys) {
  std::map<std::string, std::set<std::string>> keys[2];
  for (int i = 0; i < 2; ++i)
    for (const Entry& e : ShippedFile(kLanguages[i]).entries) keys[i][e.section].insert(e.key);
  for (int i = 0; i < 2; ++i)
    for (const auto& [section, names] : keys[i])
      for (const std::string& key : names) {
        EXPECT_TRUE(keys[1 - i][section].count(key))
            << "[" << section << "] \"" << key << "\" is in " << kLanguages[i] << ".ini only";
      }
}

TEST(LanguageFiles, LoaderGivesEveryPlainKeyItsText) {
  for (const char* code : kLanguages) {
    SCOPED_TRACE(code);
    Language language;
    ASSERT_TRUE(language.Load(LanguageFile(code)));
    for (const Entry& e : ShippedFile(code).entries) {
      if (e.quoted_key) continue;
      EXPECT_EQ(language.Text(e.section, e.key), Utf8ToCp1252(e.value)) << e.key;
    }
  }
}

// Keys with '=' or blanks at their ends ("X = ", "HotEdit-Online:  ") are written quoted; the
// loader has to keep them whole for the callers that pass them exactly so.
TEST(LanguageFiles, LoaderKeepsQuotedKeysWhole) {
  Language language;
  ASSERT_TRUE(language.Load(LanguageFile("en")));
  std::vector<std::string> lost;
  for (const Entry& e : ShippedFile("en").entries)
    if (e.quoted_key && !language.Has(e.section, e.key)) lost.push_back("\"" + e.key + "\"");
  std::string list;
  for (const std::string& key : lost) list += " " + key;
  EXPECT_TRUE(lost.empty()) << "unreachable:" << list;
}

TEST(LanguageFiles, HoldEveryKeyTheSourcesAskFor) {
  const std::vector<UsedKey> used = KeysUsedInSources();
  ASSERT_FALSE(used.empty()) << "no key found below " << kSourceRoot / "src";
  for (const char* code : kLanguages) {
    Language language;
    ASSERT_TRUE(language.Load(LanguageFile(code))) << code;
    std::string missing;
    for (const UsedKey& k : used)
      if (!language.Has(k.section, k.key))
        missing += "\n  [" + k.section + "] \"" + k.key + "\"  (" + k.place + ")";
    EXPECT_TRUE(missing.empty()) << "lang/" << code << ".ini lacks:" << missing;
  }
}

TEST(LanguageFiles, ParameterisedTextsAndOnlyTheyCarryThePlaceholder) {
  std::set<std::string> parameterised = {"dlgdocalculation"};
  for (const UsedKey& k : KeysUsedInSources())
    if (k.parameterised) parameterised.insert(ToLower(k.key));
  for (const char* code : kLanguages) {
    SCOPED_TRACE(code);
    for (const Entry& e : ShippedFile(code).entries) {
      const bool wants = e.section == "Assistent" && parameterised.count(ToLower(e.key));
      EXPECT_EQ(Contains(e.value, "%1"), wants) << e.key << "=" << e.value;
    }
  }
}

}  // namespace
}  // namespace velmora
