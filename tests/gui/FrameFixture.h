// The main window as the program builds it, with its own settings file, the
// build's program folder, a restart recorded instead of run, and a desktop
// whose home is the test's folder.
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

using namespace zavgui;  // commands named as the frame names them

class FrameFixture : public ::testing::Test {
protected:
    void TearDown() override { CloseFrame(); }

    std::string SettingsFile() const { return temp.File("ZAVscore.ini"); }

    // The window after start-up with `startupFile` (absolute) on the command line.
    wxZAVFrame& OpenFrame(const wxString& startupFile = wxString()) {
        CloseFrame();
        FrameContext context;
        context.programDir = wxS(ZAV_PROGRAM_DIR);
        context.settingsFile = wxString::FromUTF8(SettingsFile());
        context.startupFile = startupFile;
        context.restartProgram = [this](const wxString& file) {
            ++restarts;
            restartedOn = file.utf8_str().data();
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

    // The window started with the file `path` holding `s`; the sheet in
    // memory is then exactly `s`, fields the file does not keep included.
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

    // Lets GTK handle what is queued.
    static void Yield(int times = 5) {
        for (int i = 0; i < times; ++i) wxTheApp->Yield(true);
    }

    // True when the window closed itself (Quit, close box, language change).
    bool FrameClosed() {
        if (!frame || !wxTheApp->IsScheduledForDestruction(frame)) return false;
        frame = nullptr;
        wxTheApp->ProcessIdle();
        return true;
    }

    std::string CopyExample(const std::string& name) {
        const std::string path = temp.File(name);
        zavtest::WriteFile(path, zavtest::ReadFile(std::string(ZAV_EXAMPLES_DIR) + "/" + name));
        return path;
    }

    std::string ShownText() const { return frame->View().Window()->ToText().utf8_str().data(); }

    zavtest::TempDir temp;
    // The desktop's variables besides HOME.
    std::map<std::string, std::string> desktop;
    wxZAVFrame* frame = nullptr;
    int restarts = 0;
    std::string restartedOn;  // the file the last restart opens
};

// The window in English, as most tests show it.
class EnglishFrameFixture : public FrameFixture {
protected:
    void SetUp() override {
        FrameFixture::SetUp();
        EXPECT_TRUE(zav::Settings(SettingsFile()).Set(zav::SettingKey::Language, "EN"));
    }
};
