// What the arena's screens share: the page's head, the heat's title (in an
// element of its own, beside which a mark such as "Provisional" fits), a
// team's colours painted beside its name with the words kept, the name of a
// result, and the script that keeps a live page up to date.
#pragma once

#include <string>

#include "sheet/ScoreSheet.h"
#include "texts/Texts.h"

namespace zav {

// "<!DOCTYPE html>" to "<body>", with `css`, titled after the open sheet
// (`sheet`; the program's name while none is open).
void AppendScreenHead(std::string& page, const ScoreSheet* sheet, const char* css,
                      Language language);

// <h1 class="heat"><span class="heat-title">title</span> and the heat's
// standing ("Provisional", "Official 2024-06-01 14:32") in a span of its own</h1>
void AppendHeatTitle(std::string& page, const ScoreSheet& sheet, Language language);

// The team's name with its colours: painted stripes for the words known,
// the words themselves after the name (class "colours"); a team without
// a name by its number.
void AppendTeam(std::string& page, const ScoreSheet& sheet, int t, Language language);

// A team's name as markup; a team without a name by its number.
std::string TeamName(const ScoreSheet& sheet, int t, Language language);
// Game `g`'s name (German names without the score sheet's break points),
// not escaped.
std::string GameName(const ScoreSheet& sheet, int g, Language language);

// A result as the screens say it: the place, or the outcome's name.
std::string ResultName(int code, Language language);

// The places a team gained ("&#9650;2") or lost ("&#9660;1") as markup;
// empty when it kept its place.
std::string MoveMark(int moved);

// The end of a live page: every element of class "live" is replaced by the
// server's new one (by id) at each change heard on the event stream, only
// when it differs, then `window.zavShown` is called when the page has one.
// An unattended screen finds the server again by itself.
void AppendLiveScriptAndEnd(std::string& page);

}  // namespace zav
