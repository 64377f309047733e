// The big-screen board laid out by Debian's chromium at a television's sizes
// (a Linux program: not part of the Windows test program).
#include <gtest/gtest.h>

#include "core/report/ChromiumLayout.h"
#include "core/report/PageTesting.h"
#include "screens/ScreenPages.h"
#include "support/TempDir.h"

namespace zav {
namespace {

// Every view of ten teams with long names, at 1920x1080 and 1280x720 in
// Debian's chromium: the last row ends above the list of views and every row
// is at least 7.4% of the screen's height (80 pixels at 1080).
TEST(BoardPage, EveryViewFitsATelevisionWithoutScrolling) {
    ScoreSheet sheet = zavtest::Sample("full-heat.score");
    for (int t = 0; t < kMaxTeams; ++t)
        sheet.sTeamName[t] = "Écurie des Sables d'Olonne " + std::to_string(t + 1);
    ScreenSource source;
    source.sheet = &sheet;
    ChampionshipTable table;
    table.columns.resize(2);
    for (int t = 0; t < 13; ++t)
        table.rows.push_back({"Poney-Club des Très Longues Écuries " + std::to_string(t + 1),
                              {12.5f, 10.0f},
                              22.5f,
                              t + 1,
                              false});
    source.championship = table;
    zavtest::TempDir dir;
    zavtest::WriteFile(dir.File("board.html"), PrepareBoardPage(source));
    const std::string fit = zavtest::LaidOutAttribute(
        dir,
        "<!DOCTYPE html><html><body style=\"margin:0\">"
        "<iframe src=\"board.html\" style=\"width:1920px;height:1080px;border:0\"></iframe>"
        "<iframe src=\"board.html\" style=\"width:1280px;height:720px;border:0\"></iframe><script>"
        "onload=function(){var out=[];for(const f of document.querySelectorAll('iframe')){"
        "var d=f.contentDocument,w=f.contentWindow,views=d.querySelectorAll('.view');"
        "var nav=d.querySelector('nav').getBoundingClientRect().top;"
        "for(const v of views){views.forEach(function(s){s.hidden=s!==v;});"
        "var rows=v.querySelectorAll('tbody tr'),last=rows[rows.length-1].getBoundingClientRect();"
        "out.push(v.getAttribute('data-key')+':'+(last.bottom<=nav&&nav<=w.innerHeight?'fits':"
        "'overflows')+':'+(last.height>=0.074*w.innerHeight?'tall':'short'));}}"
        "document.body.setAttribute('data-fit',out.join(' '));};</script></body></html>",
        "3400,1200", "data-fit");
    const std::string views =
        "ranking:fits:tall challenge:fits:tall championship-1:fits:tall "
        "championship-2:fits:tall ";
    EXPECT_EQ(fit + " ", views + views);
}

}  // namespace
}  // namespace zav
