#pragma once
// Folds: a ";FOLD title;%{PE}...metadata" line, a body, ";ENDFOLD". The view shows a top-level
// fold as its title; the metadata names the technology package and command that wrote it.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace velmora {

class Program;
struct LineRecord;

// "TP_VW", "TP_USER" or "TP_BASIS" (every other text, plain statements too).
std::string_view TechnologyPackage(std::string_view text);

// The display title of a fold line; empty when the line is not one. Comment folds show as
// "-- text --"; the title keeps blanks before its closing ";".
std::string FoldTitleOf(std::string_view line);

// FoldTitle of the record from the first line of `text`.
void ParseFoldHeader(std::string_view text, LineRecord& record);

// True when the fold title names a motion (PTP, LIN, CIRC forms or a user motion command).
bool IsMotionFold(const Program& program, const LineRecord& record);

// The record's text for the view: "n: title" for a motion fold (counting `motion_counter` on),
// the title for another fold, the whole text for a record without title. Sets MotionNo and
// FoldKind.
std::string DisplayText(const Program& program, LineRecord& record, int& motion_counter);

// The technology command code 0..7 of a record text.
int16_t TechCommandOf(const Program& program, std::string_view text);

// True when `text` holds the parts one after another (the wildcard "*a*b*...*").
bool ContainsInOrder(std::string_view text, std::initializer_list<std::string_view> parts);

}  // namespace velmora
