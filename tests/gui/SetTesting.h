// The score sheet set commands under test: their file and folder choosers
// answered, and a window fixture with a set on disk.
#pragma once

#include <gtk/gtk.h>
#include <wx/app.h>
#include <wx/combobox.h>
#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/menu.h>
#include <wx/utils.h>

#include <string>
#include <vector>

#include "core/sets/SifTestData.h"
#include "gui/DialogTesting.h"
#include "sets/SetFile.h"
#include "support/TempDir.h"

// A name GTK handed over, freed.
inline wxString TakenFromGtk(gchar* name) {
    const wxString text = name ? wxString::FromUTF8(name) : wxString();
    g_free(name);
    return text;
}

// The folder chooser answered with `folder`; the folder it started in is kept.
inline ExpectDialog<wxDirDialog> PickFolder(const std::string& folder,
                                            wxString* started = nullptr) {
    return {wxID_OK, [=](wxDirDialog& dialog) {
                GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog.GetHandle());
                // GTK checks the folder it starts in before showing it: none until then.
                if (started && !WaitUntil([&] {
                        *started = TakenFromGtk(gtk_file_chooser_get_current_folder(chooser));
                        return !started->empty();
                    }))
                    ADD_FAILURE() << "The folder chooser shows no folder";
                const wxString answer = wxString::FromUTF8(folder);
                dialog.SetPath(answer);
                // GTK selects the folder only after its loop has run; wx reads the
                // selection when the chooser is accepted, and fails on an empty one.
                if (WaitUntil([&] {
                        return TakenFromGtk(gtk_file_chooser_get_filename(chooser)) == answer;
                    }))
                    dialog.GTKOnAccept();
                else
                    ADD_FAILURE() << "The folder chooser did not take " << folder;
            }};
}

class SetFixture : public EnglishFrameFixture {
protected:
    using Teams = std::vector<std::pair<std::string, std::string>>;

    // `count` teams of `category`, named after it: "CPM1 1", "CPM1 2"...
    static void AddTeams(Teams& teams, const std::string& category, int count) {
        for (int i = 1; i <= count; ++i)
            teams.emplace_back(category, category + " " + std::to_string(i));
    }

    std::string WriteSif(const Teams& teams, const std::string& name = "entries.txt") const {
        const std::string path = temp.File(name);
        zavtest::WriteFile(path, zavtest::SifText(teams));
        return path;
    }

    static std::vector<std::string> SheetNames(const std::string& setPath) {
        std::vector<std::string> names;
        zav::RecordingMessageSink messages;
        EXPECT_TRUE(zav::ReadSetFile(setPath, zav::EncodingMark::Required, names,
                                     zav::Reporter(zav::Language::English, messages)));
        return names;
    }

    static zav::ScoreSheet ReadSheet(const std::string& path) {
        zav::ScoreSheet s;
        zav::RecordingMessageSink messages;
        EXPECT_TRUE(zav::LoadSheet(s, path, zav::Reporter(zav::Language::English, messages)))
            << path;
        return s;
    }

    // The chooser's entries in the order it lists them, and what it shows.
    std::vector<std::string> ChooserEntries() const {
        std::vector<std::string> entries;
        const wxComboBox* chooser = frame->Chooser().Control();
        for (unsigned i = 0; i < chooser->GetCount(); ++i)
            entries.push_back(chooser->GetString(i).utf8_str().data());
        return entries;
    }
    std::string ChooserShown() const {
        return frame->Chooser().Control()->GetValue().utf8_str().data();
    }

    // The user picks `name` in the sheet chooser.
    void Choose(const std::string& name) {
        const wxString entry = wxString::FromUTF8(name);
        wxComboBox* chooser = frame->Chooser().Control();
        chooser->SetStringSelection(entry);
        wxCommandEvent event(wxEVT_COMBOBOX, zavgui::ID_SHEET_COMBO);
        event.SetString(entry);
        event.SetEventObject(chooser);
        frame->GetEventHandler()->ProcessEvent(event);
    }

    // The window opened with the set at `setPath` through "Open a score
    // sheet set".
    void OpenSetByCommand(const std::string& setPath) {
        wxTEST_DIALOG(Run(zavgui::ID_OPEN_SCORE_SET), AnswerChooser(setPath));
    }

    bool SaveAsEnabled() const { return frame->GetMenuBar()->IsEnabled(zavgui::ID_SAVE_AS_SHEET); }
};
