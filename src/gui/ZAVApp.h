// The application object: remembers the file named at start, makes the
// program's folder the current one and opens the main window.
#pragma once

#include <wx/app.h>

class wxZAVApp : public wxApp {
public:
    bool OnInit() override;
};

