// Whole pages, one of each layout, compared byte for byte with files reviewed
// by eye in a browser.
#include <gtest/gtest.h>

#include "core/report/PageTesting.h"
#include "platform/NativePath.h"
#include "publish/IndexPage.h"
#include "report/EquipmentPage.h"
#include "report/PageBytes.h"
#include "report/PlacementPage.h"
#include "report/ScoreSheetPage.h"
#include "report/StaffPage.h"
#include "sheet/GameCatalogue.h"
#include "support/Golden.h"

namespace zav {
namespace {

// Each page from a sheet of its own: building a page changes the sheet.
std::string SheetPage(ScoreSheet sheet, SheetView view, OutputTarget target, bool withColours,
                      Language language, const PageStyle& style) {
    return PrepareHtml(sheet, view, target, withColours, language, style);
}

TEST(GoldenPages, EveryLayoutAsReviewed) {
    PageStyle logo = zavtest::ColourStyle(), blackAndWhite = zavtest::ColourStyle();
    logo.logoPath = "/srv/zav score/logos";  // escaped in the tag
    logo.logoName = "club&logo.png";
    blackAndWhite.bBWOnly = true;
    const ScoreSheet full = zavtest::Sample("full-heat.score");
    // Texts the sample leaves plain, a team without colours, no referee, an
    // empty staff name; German game names show without their break points,
    // and a name joined by hand is no longer the catalogue's.
    ScoreSheet german = zavtest::Sample("full-heat.score", Language::German),
               staff = zavtest::StaffSheet(4);
    german.sTeamColors[1] = "black & <b>white</b>";
    german.sTeamColors[3].clear();
    german.sColSupContent[2] = "x > y";
    ScoreSheet french = zavtest::Sample("small-heat.score", Language::French), equipment = german;
    french.sGame[1] = "Unknown game";  // a title line without a picture
    equipment.sReferee.clear();
    equipment.sGame[10] = RetireCesure(german.sGame[1]);
    staff.sARefereeName[1] = "<script>x</script>";
    staff.sPlaceurName[1] = "Ann & Bob";
    staff.sARefereeName[2].clear();
    const auto file = OutputTarget::File, window = OutputTarget::WindowOrPrinter;
    const std::pair<const char*, std::string> pages[] = {
        {"full-sheet-export.html", SheetPage(full, {1, 1}, file, false, Language::English, logo)},
        {"full-sheet-window-german.html",
         SheetPage(german, {1, 1}, window, true, Language::German, logo)},
        {"challenge-only-printer-bw.html",
         SheetPage(full, {0, 1}, window, false, Language::English, blackAndWhite)},
        {"staff-export.html", PrepareHtmlStaff(staff, file, Language::English, logo)},
        {"equipment-export-german.html", PrepareHtmlEquip(equipment, file, Language::German, logo)},
        {"placement-print.html", PrintHtmlPlacementDocument(full, Language::English)},
        {"placement-window-french.html",
         PrepareHtmlPlacement(french, window, Language::French, logo)},
        // Escaped texts, a link to a name with a blank, an accent and "#", a
        // sheet that could not be read, alternating rows, a provisional heat
        // and an official one.
        {"index-german.html",
         PrepareIndexPage(
             "Nations cup 2026",
             {{"Nations cup <semi-final>", "Seniors & juniors", "14/06/2026 - PM",
               "semi final \xC3\xA9#1.html", "", "2026-06-14 15:02:09", "Vorl\xC3\xA4ufig", false},
              {"missing.pscore", "", "", "", "Error <opening> missing.pscore", "", "", false},
              {"Open", "", "15/06/2026", "open.html", "", "2026-06-15 09:00:00",
               "Offiziell 2026-06-15 08:55", true}},
             Language::German, logo)},
    };
    // The window names the logo with the system's separator; the goldens
    // have Linux's.
    const std::string logoFolder = logo.logoPath + kPathSeparator;
    for (const auto& [name, page] : pages) {
        std::string bytes = EncodePageBytes(page);
        if (const auto at = bytes.find(logoFolder); at != std::string::npos)
            bytes.replace(at, logoFolder.size(), logo.logoPath + "/");
        zavtest::ExpectGolden(std::string("core/report/golden/") + name, bytes);
    }

    // One staff row per team past six; no games, an empty list.
    EXPECT_EQ(
        zavtest::TableRows(PrepareHtmlStaff(zavtest::StaffSheet(10), file, Language::English, logo))
            .size(),
        1u + 10u);
    equipment.iGamesNr = 0;
    EXPECT_NE(PrepareHtmlEquip(equipment, file, Language::English, logo)
                  .find("<center><table border=1></table></center>"),
              std::string::npos);
}

}  // namespace
}  // namespace zav
