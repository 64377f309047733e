// A main window as the program builds it, with a settings file of its own in
// a temporary folder, the build's program folder, a restart that is recorded
// instead of run, and a desktop whose home is the temporary folder and whose
// language is not one of the program's.
#pragma once

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/html/htmlwin.h>

#include <map>
#include <optional>
#include <string>

#include "frame/CommandIds.h"
#include "frame/SheetChooser.h"
#include "frame/ZAVFrame.h"
#include "gui/GuiTesting.h"
#include "settings/Settings.h"
#include "sheetfile/SheetFile.h"
#include "support/TempDir.h"

// Tests name the commands as the frame does.
using namespace zavgui;

class FrameFixture : public ::testing::Test {
protected:
    void TearDown() override { CloseFrame(); }

    std::string SettingsFile() const { return temp.File("ZAVscore.ini"); }

    // The window as it is after start-up, with `startupFile` named on the
    // command line (absolute, as the application passes it).
    wxZAVFrame& OpenFrame(const wxString& startupFile = wxString()) {
        CloseFrame();
        FrameContext context;
        context.programDir = wxS(ZAV_PROGRAM_DIR);
        context.settingsFile = wxString::FromUTF8(SettingsFile());
        context.startupFile = startupFile;
        context.restartProgram = [this] {
            ++restarts;
            return true;
        };
        context.environment = [home = temp.Path(), this](const std::string& name) {
            if (name == "HOME") return std::optional<std::string>(home);
            const auto set = desktop.find(name);
            return set == desktop.end() ? std::nullopt : std::optional<std::string>(set->second);
        };
        frame = new wxZAVFrame(context);
        frame->Show();
        return *frame;
    }

    // The window started with the sheet file `path` holding `s`; the sheet
    // in memory is then exactly `s` (fields the file does not keep too),
    // belonging to that file, unchanged.
    wxZAVFrame& OpenFrameWith(const zav::ScoreSheet& s, const std::string& path) {
        zav::RecordingMessageSink messages;
        EXPECT_TRUE(zav::SaveSheet(s, path, zav::Reporter(zav::Language::English, messages)));
        OpenFrame(wxString::FromUTF8(path));
        zav::ScoreSheet& open = frame->Document().EditSheet();
        zav::ScoreSheet given = s;
        given.sFullFileName = open.sFullFileName;
        given.sFilePath = open.sFilePath;
        given.sFileName = open.sFileName;
        open = given;
        return *frame;
    }

    // Destroys the window without its closing questions.
    void CloseFrame() {
        if (!frame) return;
        frame->Destroy();
        frame = nullptr;
        wxTheApp->ProcessIdle();
    }

    // Runs a command as a menu choice or a toolbar click does.
    void Run(int commandId) {
        wxCommandEvent event(wxEVT_MENU, commandId);
        event.SetEventObject(frame);
        frame->GetEventHandler()->ProcessEvent(event);
    }

    // Lets GTK handle what is queued (file choosers fill in their path then).
    static void Yield(int times = 5) {
        for (int i = 0; i < times; ++i) wxTheApp->Yield(true);
    }

    // The window closed itself (Quit, close box, language change): let the
    // toolkit destroy it; true when it did.
    bool FrameClosed() {
        if (!frame || !wxTheApp->IsScheduledForDestruction(frame)) return false;
        frame = nullptr;
        wxTheApp->ProcessIdle();
        return true;
    }

    // A copy of an example sheet in the test's folder.
    std::string CopyExample(const std::string& name) {
        const std::string path = temp.File(name);
        zavtest::WriteFile(path, zavtest::ReadFile(std::string(ZAV_EXAMPLES_DIR) + "/" + name));
        return path;
    }

    // The page the window shows, as text.
    std::string ShownText() const { return frame->View().Window()->ToText().utf8_str().data(); }

    zavtest::TempDir temp;
    // The desktop's variables besides HOME (LANG ...).
    std::map<std::string, std::string> desktop;
    wxZAVFrame* frame = nullptr;
    int restarts = 0;
};

// The window in English, as most window tests show it.
class EnglishFrameFixture : public FrameFixture {
protected:
    void SetUp() override {
        FrameFixture::SetUp();
        EXPECT_TRUE(zav::Settings(SettingsFile()).Set(zav::SettingKey::Language, "EN"));
    }
};
