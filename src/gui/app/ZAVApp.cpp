#include "app/ZAVApp.h"

#include <wx/cmdline.h>
#include <wx/filename.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

#include <cstdlib>

#include "app/StartupTiming.h"
#include "app/ToolkitLanguage.h"
#include "frame/ZAVFrame.h"
#include "paths/ProgramFiles.h"
#include "platform/UserFolders.h"

namespace zavgui {

wxString StartupFilePath(const wxString& argument, const wxString& userFolder) {
    if (argument.empty()) return wxString();
    wxFileName file(argument);
    file.MakeAbsolute(userFolder);
    return file.GetFullPath();
}

namespace {

std::string SettingsFile() {
    return zav::SettingsFilePath(zav::ProcessEnvironment(), zav::ExecutableFolder());
}

}  // namespace

zav::Language StartLanguage() {
    return zav::Settings(SettingsFile()).InterfaceLanguage(zav::ProcessEnvironment());
}

// "--" ends the options: a file whose name begins with "-" is still a file.
bool StartProgram(const wxString& executable, const wxString& file) {
    const wchar_t* const command[] = {executable.wc_str(), file.empty() ? nullptr : L"--",
                                      file.wc_str(), nullptr};
    return wxExecute(command, wxEXEC_ASYNC) != 0;
}

void wxZAVApp::OnInitCmdLine(wxCmdLineParser& parser) {
    wxApp::OnInitCmdLine(parser);
    parser.AddParam(wxS("file"), wxCMD_LINE_VAL_STRING, wxCMD_LINE_PARAM_OPTIONAL);
}

bool wxZAVApp::OnCmdLineParsed(wxCmdLineParser& parser) {
    if (parser.GetParamCount() == 1) startupArgument_ = parser.GetParam(0);
    return wxApp::OnCmdLineParsed(parser);
}

bool wxZAVApp::OnInit() {
    // The toolkit's own command-line processing; the program starts whatever
    // it reports (more than one file named: none is opened).
    wxApp::OnInit();

    FrameContext context;
    // Made absolute before the current folder changes, so that a path
    // relative to where the user started the program still names the file.
    context.startupFile = StartupFilePath(startupArgument_, wxGetCwd());

    const wxString executable = wxStandardPaths::Get().GetExecutablePath();
    const std::string executableFolder = zav::ExecutableFolder();
    context.programDir = zavgui::FromCore(zav::ProgramDataFolder(executableFolder));
    context.settingsFile = zavgui::FromCore(SettingsFile());
    // Everything the program opens by name has its full path: it works in
    // the user's documents folder, never in its data folder, which the user
    // cannot write once it is installed and where GTK's dialogs would then
    // propose to write.
    const wxString documents = FromCore(zav::UserDocumentsFolder(context.environment));
    if (wxDirExists(documents)) wxSetWorkingDirectory(documents);
    context.restartProgram = [executable](const wxString& file) {
        return StartProgram(executable, file);
    };
    context.recoveryFolder = zavgui::FromCore(zav::UserStateFolder(zav::ProcessEnvironment()));
    auto* frame = new wxZAVFrame(context);
    // Only the toolkit's own dialogs need its texts: they are read once the
    // window shows its page.
    frame->View().AfterFirstPaint([] { LoadToolkitTranslations(StartLanguage()); });
    frame->Show(true);
    SetTopWindow(frame);
    if (ExitWhenShown()) ExitAfterFirstPagePaint(frame->View().Window());
    return true;
}

}  // namespace zavgui
