// Whole pages compared byte for byte with files reviewed by eye in a browser.
// After a deliberate change of a page, regenerate with ZAV_UPDATE_GOLDEN=1 and
// look at the new files before committing them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "core/report/SampleSheets.h"
#include "publish/IndexPage.h"
#include "report/EquipmentPage.h"
#include "report/PageBytes.h"
#include "report/PlacementPage.h"
#include "report/ScoreSheetPage.h"
#include "report/StaffPage.h"
#include "support/TempDir.h"

namespace zav {
namespace {

std::string GoldenPath(const std::string& name) {
    std::string here = __FILE__;
    return here.substr(0, here.find_last_of('/')) + "/golden/" + name;
}

void ExpectGolden(const std::string& name, const std::string& utf8Page) {
    const std::string bytes = EncodePageBytes(utf8Page);
    if (std::getenv("ZAV_UPDATE_GOLDEN")) zavtest::WriteFile(GoldenPath(name), bytes);
    const std::string golden = zavtest::ReadFile(GoldenPath(name));
    if (bytes == golden) return;
    std::size_t at = 0;
    while (at < bytes.size() && at < golden.size() && bytes[at] == golden[at]) ++at;
    ADD_FAILURE() << name << " differs from byte " << at << ":\n  page:   " << bytes.substr(at, 80)
                  << "\n  golden: " << golden.substr(at, 80);
}

PageStyle StyleWithLogo() {
    PageStyle style = zavtest::ColourStyle();
    style.logoPath = "/srv/zavscore/logos";
    style.logoName = "club-logo.png";
    return style;
}

TEST(GoldenPages, ScoreSheetExportedWithChallenge) {
    ScoreSheet sheet = zavtest::FullSheet();
    ExpectGolden("full-sheet-export.html", PrepareHtml(sheet, {1, 1}, OutputTarget::File, false,
                                                       Language::English, StyleWithLogo()));
}

TEST(GoldenPages, ScoreSheetInTheGermanWindow) {
    ScoreSheet sheet = zavtest::FullSheet(Language::German);
    ExpectGolden("full-sheet-window-german.html",
                 PrepareHtml(sheet, {1, 1}, OutputTarget::WindowOrPrinter, true, Language::German,
                             StyleWithLogo()));
}

TEST(GoldenPages, ChallengeOnlyPrintedInBlackAndWhite) {
    ScoreSheet sheet = zavtest::FullSheet();
    PageStyle style = zavtest::ColourStyle();
    style.bBWOnly = true;
    ExpectGolden(
        "challenge-only-printer-bw.html",
        PrepareHtml(sheet, {0, 1}, OutputTarget::WindowOrPrinter, false, Language::English, style));
}

TEST(GoldenPages, StaffAndEquipmentExported) {
    ExpectGolden("staff-export.html", PrepareHtmlStaff(zavtest::StaffSheet(4), OutputTarget::File,
                                                       Language::English, StyleWithLogo()));
    ExpectGolden("equipment-export.html", PrepareHtmlEquip(zavtest::FullSheet(), OutputTarget::File,
                                                           Language::English, StyleWithLogo()));
}

TEST(GoldenPages, PlacementPrintDocument) {
    ExpectGolden("placement-print.html",
                 PrintHtmlPlacementDocument(zavtest::FullSheet(), Language::English));
}

// Escaped texts, a link to a name with a blank, an accent and "#", a sheet
// that could not be read, alternating rows.
TEST(GoldenPages, PublishedIndexInGerman) {
    const std::vector<IndexEntry> entries = {
        {"Nations cup <semi-final>", "Seniors & juniors", "14/06/2026 - PM",
         "semi final \xC3\xA9#1.html", "", "2026-06-14 15:02:09"},
        {"missing.pscore", "", "", "", "Error <opening> missing.pscore", ""},
        {"Open", "", "15/06/2026", "open.html", "", "2026-06-15 09:00:00"},
    };
    ExpectGolden("index-german.html",
                 PrepareIndexPage("Nations cup 2026", entries, Language::German, StyleWithLogo()));
}

}  // namespace
}  // namespace zav
