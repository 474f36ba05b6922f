#include "commands/edit/declare.h"

#include "base/strings.h"
#include "program/declarations.h"
#include "program/line_record.h"
#include "program/lines.h"
#include "program/program.h"
#include "program/text_view.h"

namespace velmora {
namespace {

std::string NameOf(std::string_view declaration) {
  return ToUpper(Trim(declaration.substr(0, declaration.find('='))));
}

void AppendDeclaration(std::string& section, std::string_view keyword, std::string_view text) {
  section.append(kCrLf).append(keyword).append(text);
}

}  // namespace

std::string DeclaredName(std::string_view line) {
  const std::string upper = ToUpper(Trim(line));
  if (!upper.starts_with("DECL ")) return std::string();
  const size_t equals = upper.find('=');
  if (equals == std::string::npos) return std::string();
  const std::string head = TrimRight(std::string_view(upper).substr(0, equals));
  const size_t blank = head.find_last_of(" \t");
  return blank == std::string::npos ? std::string() : head.substr(blank + 1);
}

bool Declares(std::string_view section, std::string_view name) {
  const std::string wanted = ToUpper(Trim(name));
  while (!section.empty()) {
    if (DeclaredName(PopLine(section)) == wanted) return true;
  }
  return false;
}

DeclaredNames::DeclaredNames(const Program& program) {
  auto read = [](std::string_view section, std::unordered_set<std::string>& names) {
    while (!section.empty()) {
      std::string name = DeclaredName(PopLine(section));
      if (!name.empty()) names.insert(std::move(name));
    }
  };
  read(program.DatPositions, points_);
  read(program.DatMotion, data_);
}

void DeclarePoint(Program& program, DeclaredNames& declared, std::string_view declaration) {
  std::string name = NameOf(declaration);
  if (name.empty() || declared.HasPoint(name)) return;
  // A value that is neither a position nor axis values is listed and not declared.
  if (AppendPositionDecl(program, declaration)) declared.AddPoint(std::move(name));
}

void DeclareMotionData(Program& program, DeclaredNames& declared, std::string_view lines) {
  while (!lines.empty()) {
    const std::string line = Trim(PopLine(lines));
    std::string name = NameOf(line);
    if (name.empty() || !Contains(line, "=") || declared.HasMotionData(name)) continue;
    if (name.starts_with("F")) {
      AppendDeclaration(program.DatMotion, "DECL FDAT ", line);
    } else if (name.starts_with("PP")) {
      AppendDeclaration(program.DatMotion, "DECL PDAT ", line);
    } else if (name.starts_with("LC")) {
      AppendDeclaration(program.DatMotion, "DECL LDAT ", line);
    } else {
      continue;
    }
    declared.AddMotionData(std::move(name));
  }
}

void RestoreUserMotionData(Program& program, DeclaredNames& declared, const LineRecord& record) {
  if (record.Syntax != 1 || !StartsWith(record.Text, ";FOLD")) return;
  std::string_view lines = record.MotionData;
  const std::string motion = Trim(PopLine(lines));
  const std::string frame = Trim(PopLine(lines));
  const bool pdat = Contains(ToUpper(record.Text), "PDAT_ACT");
  if (std::string name = NameOf(motion); !name.empty() && !declared.HasMotionData(name)) {
    AppendDeclaration(program.DatMotion, pdat ? "DECL PDAT " : "DECL LDAT ", motion);
    declared.AddMotionData(std::move(name));
  }
  if (std::string name = NameOf(frame); !name.empty() && !declared.HasMotionData(name)) {
    AppendDeclaration(program.DatMotion, "DECL FDAT ", frame);
    declared.AddMotionData(std::move(name));
  }
}

}  // namespace velmora
