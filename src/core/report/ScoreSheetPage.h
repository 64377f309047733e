// The score sheet page: one table of the heat with its teams, games, points,
// heat score and position, tie-break, total, add-on column and blame marks,
// followed by the 'Challenge' block when the sheet has one.
#pragma once

#include <string>

#include "report/PageFrame.h"
#include "report/PageStyle.h"
#include "sheet/ScoreSheet.h"

namespace zav {

// The display choices of the View menu. At least one is shown.
struct SheetView {
    bool bViewChamp = true;  // competition team rows shown
    bool bViewChall = true;  // 'Challenge' block shown (when the sheet has one)
};

// The choices as opening a sheet sets them: both parts when the sheet has a
// 'Challenge', the competition alone otherwise.
SheetView ViewOnOpening(const ScoreSheet& sheet);

// Which optional columns the table has. The previous-score flag shows both the
// previous-score and the total columns.
struct SheetColumns {
    bool previous = false;
    bool tieBreak = false;
    bool addOn = false;
};

SheetColumns ComputeSheetColumns(const ScoreSheet& sheet);

// Number of columns of the score sheet table for these flags.
int ColumnCount(const ScoreSheet& sheet, const SheetColumns& columns);

// Builds the whole score sheet page. Runs the heat scoring first (and the
// 'Challenge' scoring when its block is shown), so the derived fields of
// `sheet` are rewritten, and bFlagAvertissement says whether the team rows
// hold a blame mark (a view without them keeps what they last held). `withColours` adds the team colours under the names (the window).
std::string PrepareHtml(ScoreSheet& sheet, const SheetView& view, OutputTarget target,
                        bool withColours, Language language, const PageStyle& style);

// What opening a sheet just read does to it before any page is asked for: it
// is shown at once with both parts in view (a blame laid out then gives its
// footnote to a later page without team rows); returns the view choices it then keeps
// (ViewOnOpening). Pages built after it are those the window makes of a sheet
// just opened.
SheetView ShowOnOpening(ScoreSheet& sheet, Language language, const PageStyle& style);

}  // namespace zav
