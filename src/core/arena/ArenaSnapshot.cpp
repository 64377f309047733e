#include "arena/ArenaSnapshot.h"

#include "io/FileRead.h"
#include "report/PageBytes.h"
#include "report/PageExport.h"
#include "report/PageFrame.h"
#include "report/PhonePage.h"
#include "screens/Riders.h"

namespace zav {

ArenaSheet BuildArenaSheet(const ScoreSheet& sheet, const SheetView& view, Language language,
                           const PageStyle& style) {
    ArenaSheet pages;
    pages.title = PhoneSheetName(sheet.sTitle, sheet.sSubTitle);
    pages.phonePage = PreparePhonePage(sheet, language, style, PhoneUpdates::Live);
    ScoreSheet scored = sheet;
    pages.sheetPage =
        EncodePageBytes(PrepareHtml(scored, view, OutputTarget::File, false, language, style));
    return pages;
}

void PlaceOpenSheet(ArenaSnapshot& snapshot, ArenaSheet open) {
    std::vector<ArenaSheet>& sheets = snapshot.sheets;
    snapshot.current = sheets.size();
    for (std::size_t s = 0; s < sheets.size(); ++s)
        if (sheets[s].file == open.file) snapshot.current = s;
    if (snapshot.current < sheets.size())
        sheets[snapshot.current] = std::move(open);
    else
        sheets.push_back(std::move(open));
}

ScreenPages BuildArenaScreens(const ScoreSheet& open, const std::string& file,
                              const std::vector<Heat>& heats, const BoardChoice& board,
                              const SifEntries& entries, Language language) {
    ScreenSource source;
    source.sheet = &open;
    source.language = language;
    source.board = board;
    source.championship = ChampionshipOfSheet(open, file, heats, language);
    source.riders = RidersOfSheet(entries, open);
    return BuildScreenPages(source);
}

void AddLogo(ArenaSnapshot& snapshot, const PageStyle& style) {
    snapshot.logoName.clear();
    snapshot.logoBytes.clear();
    if (style.logoPath.empty() || style.logoName.empty()) return;
    std::string bytes;
    const FileRead read =
        ReadFileBytes(LogoReference(style, OutputTarget::WindowOrPrinter), bytes, kMaxLogoBytes);
    if (read.status != ReadStatus::Done) return;
    snapshot.logoName = style.logoName;
    snapshot.logoBytes = std::move(bytes);
}

}  // namespace zav
