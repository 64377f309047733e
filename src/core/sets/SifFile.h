// The SIF entries file exported by the organiser's registration system: one
// record a line, fields separated by ";". Only the competition number, the
// category (field 4) and name (field 7) of team lines, and the rider (field
// 6) and pony (field 7) of rider lines, with their team (field 8), are taken.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "texts/Reporter.h"

namespace zav {

constexpr std::size_t kMaxCategories = 50;
constexpr std::size_t kMaxCompetNrChars = 10;

struct SifRider {
    std::string name;  // field 6
    std::string pony;  // field 7
};

struct SifTeam {
    std::string category;       // the whole field 4
    std::size_t categoryIndex;  // its position in SifEntries::sCategory
    std::string name;           // field 7
    // The rider lines ("NOM_CAV") naming this team and category, in file
    // order, wherever they stand in the file.
    std::vector<SifRider> riders;
};

// What an entries file holds, all text in UTF-8.
struct SifEntries {
    std::string sCompetNr;
    std::vector<std::string> sCategory;  // distinct category fields, by first occurrence
    std::vector<SifTeam> teams;          // team lines in file order
};

// Calls `visit` for every line of the text. A line ends at LF, a CR just
// before the LF is not part of it, and text after the last LF is a line too.
void ForEachSifLine(std::string_view text, const std::function<void(std::string_view)>& visit);

// A team line holds "NOM_EQU", first met after the line's first character.
bool IsTeamLine(std::string_view line);

// Field n (from 1) of a line. A ";" that is the line's first character is no
// separator; the last field runs to the end of the line; a field the line
// does not have (too few separators) is empty.
std::string TrouveChampSIF(std::string_view line, int n);

// Reads the file's bytes: UTF-8 when they are valid UTF-8 (a leading byte
// order mark is dropped), otherwise Windows-1252. Refuses, with its message,
// a file whose competition number (first field of the first line) is empty or
// longer than 10 characters, and a file with more than 50 distinct
// categories. `path` only names the file in messages. True when read.
[[nodiscard]] bool ParseSif(std::string_view bytes, const std::string& path, SifEntries& entries,
                            const Reporter& reporter);

// Reads the whole file (no size limit) and parses it. True when read; false
// after its message ("Error while opening file", or ParseSif's).
[[nodiscard]] bool ReadSifFile(const std::string& path, SifEntries& entries,
                               const Reporter& reporter);

}  // namespace zav
