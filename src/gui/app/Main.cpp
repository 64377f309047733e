#include <cstdlib>
#include <iostream>

#include "app/CommandLine.h"
#include "app/ToolkitLanguage.h"
#include "app/ZAVApp.h"

wxIMPLEMENT_APP_NO_MAIN(zavgui::wxZAVApp);

int main(int argc, char** argv) {
    if (const auto status = zavgui::AnswerWithoutWindow(argc, argv, std::cout)) return *status;
    // A score sheet is often wider than the window: GTK's overlay scroll bars
    // stay hidden until the pointer finds them, so ask for ordinary ones,
    // unless the user chose otherwise.
    setenv("GTK_OVERLAY_SCROLLING", "0", 0);
    // GTK's own texts are in the language set when it starts.
    zavgui::UseLanguageForToolkit(zavgui::StartLanguage());
    return wxEntry(argc, argv);
}
