// A window holding a heat of a chosen size, for the dialogs that change it.
#pragma once

#include <wx/stattext.h>

#include <cstdio>
#include <string>
#include <vector>

#include "dialogs/ListChoice.h"
#include "gui/FrameFixture.h"
#include "gui/GuiTesting.h"
#include "report/PageStyle.h"
#include "report/ScoreSheetPage.h"
#include "settings/Settings.h"
#include "sheetfile/SheetFile.h"
#include "texts/Messages.h"

// What a row of lists shows, one entry a list.
inline std::vector<std::string> ShownIn(const std::vector<ListChoice*>& lists) {
    std::vector<std::string> shown;
    for (ListChoice* list : lists) shown.push_back(list->GetStringSelection().utf8_str().data());
    return shown;
}

class DialogFixture : public FrameFixture {
protected:
    // A heat of `teams` teams "Team A".. with colours "colour A".., and
    // `games` games "Game 1".., no result.
    static zav::ScoreSheet Heat(int teams, int games) {
        zav::ScoreSheet s;
        s.sTitle = "Heat";
        s.iTeamsNr = teams;
        s.iGamesNr = games;
        s.iScoring = teams;
        for (int t = 0; t < teams; ++t) {
            s.sTeamName[t] = std::string("Team ") + char('A' + t);
            s.sTeamColors[t] = std::string("colour ") + char('A' + t);
        }
        for (int g = 0; g < games; ++g) s.sGame[g] = "Game " + std::to_string(g + 1);
        return s;
    }

    // The window in `language` ("FR", "EN", "IT", "GE") with `s` open from
    // heat.score, unchanged, automatic save on; the file is gone until a
    // save writes it again.
    wxZAVFrame& OpenWith(const zav::ScoreSheet& s, const char* language = "EN") {
        const zav::Settings settings(SettingsFile());
        EXPECT_TRUE(settings.Set(zav::SettingKey::Language, language));
        EXPECT_TRUE(settings.Set(zav::SettingKey::SaveAuto, "1"));
        wxZAVFrame& window = OpenFrameWith(s, SheetPath());
        std::remove(SheetPath().c_str());
        shownBefore_ = window.View().Page();
        return window;
    }

    std::string SheetPath() const { return temp.File("heat.score"); }

    // A change: changed state, the page of the sheet as it now is, written.
    void ExpectChangeApplied() {
        EXPECT_EQ(SheetState::Changed, frame->Document().State());
        zav::ScoreSheet copy = frame->Document().Sheet();
        EXPECT_EQ(zav::PrepareHtml(copy, frame->Choices().ViewOf(copy),
                                   zav::OutputTarget::WindowOrPrinter, true, frame->Language(),
                                   zav::ReadPageStyle(frame->AppSettings())),
                  frame->View().Page());
        EXPECT_TRUE(wxFileExists(wxString::FromUTF8(SheetPath())));
    }

    void ExpectNothingApplied() {
        EXPECT_EQ(SheetState::Unchanged, frame->Document().State());
        EXPECT_EQ(frame->View().Page(), shownBefore_);
        EXPECT_FALSE(wxFileExists(wxString::FromUTF8(SheetPath())));
    }

    // The dialog fits the smallest screen the program is used on (a laptop's
    // 1366 by 768, less a panel and the title bar), and no label or list is
    // narrower than its text.
    static void ExpectFitsSmallScreen(const wxTopLevelWindow& dialog) {
        const std::string title = dialog.GetTitle().utf8_str().data();
        const wxSize size = dialog.GetSize();
        EXPECT_LE(size.x, 1024) << title;
        EXPECT_LE(size.y, 700 - 30) << title;
        ExpectNothingCut(dialog, title);
    }

    static void ExpectNothingCut(const wxWindow& parent, const std::string& title) {
        for (const wxWindow* child : parent.GetChildren()) {
            if (wxDynamicCast(child, wxStaticText) || wxDynamicCast(child, ListChoice)) {
                EXPECT_GE(child->GetSize().x, child->GetBestSize().x)
                    << title << ": " << child->GetLabel().utf8_str().data();
            }
            ExpectNothingCut(*child, title);
        }
    }

private:
    std::string shownBefore_;
};
