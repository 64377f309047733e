#include <iostream>

#include "app/CommandLine.h"
#include "app/ToolkitLanguage.h"
#include "app/ZAVApp.h"
#include "platform/ToolkitPlatform.h"

wxIMPLEMENT_APP_NO_MAIN(zavgui::wxZAVApp);

int main(int argc, char** argv) {
    if (const auto status = zavgui::AnswerWithoutWindow(argc, argv, std::cout)) return *status;
    // The toolkit's own texts are in the language set when it starts.
    zavgui::PrepareToolkit(zavgui::StartLanguage());
    return wxEntry(argc, argv);
}
