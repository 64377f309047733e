// The reference documents beside the program, by command and language, and
// their opening in the desktop's viewer.
#pragma once

#include <wx/string.h>

#include <vector>

#include "texts/Reporter.h"

namespace zavgui {

// The reference documents the Help and Rules menus open.
enum class ReferenceDocument {
    PlayingArea,
    AllTheGames,
    GamePositions,
    FinishSheet,
    RefereeMemento,
    LineJudgeMemento,
    ArenaDirectorMemento,
    RefereeWorkbook,
    RefereeWorkbookPrint,
    Report,
    ChangeLog,
    UserGuide,
};

// The file names of the document in the interface language, the first found
// of them (the English user guide stands in for a language that has none).
std::vector<wxString> DocumentsFor(ReferenceDocument document, zav::Language language);

// Opens the first reference document of `fileNames` found (the user's copy,
// else the one of the program's data folder `dataFolder`) with the desktop's
// viewer for its type. The launcher answers before the viewer starts, so a
// missing document is named in a message here (the first name), with the
// folder where the user can put a copy; false then.
bool OpenDocument(const wxString& dataFolder, const std::vector<wxString>& fileNames,
                  const zav::Reporter& reporter);

// The user guide's sections that commands and F1 in a dialog open
// directly; Contents is the guide's beginning.
enum class GuideSection {
    Contents,
    FirstHeat,
    ResultKeys,
    SetsFromEntries,
    Printing,
    Publishing,
    Upload,
    ArenaNetwork,
    FinishLine,
    Championships,
    UndoAndRecovery,
    Settings,
    CommandLine,
    Windows,
};

// Opens the user guide of the interface language (the English one for a
// language that has none) in the desktop's browser at `section`; a missing
// guide is named as a missing document is.
bool OpenGuideAt(const wxString& dataFolder, zav::Language language, GuideSection section,
                 const zav::Reporter& reporter);

}  // namespace zavgui
