// Helpers of the print and export tests: the export file chooser answered
// with a path, and the tools that read a PDF file back.
#pragma once

#include <wx/app.h>
#include <wx/filedlg.h>

#include <cstdio>
#include <string>

#include "gui/GuiTesting.h"

// The export file chooser answered with `path`; the name it proposed is kept.
class ChooseFile : public wxExpectModalBase<wxFileDialog, ChooseFile> {
public:
    ChooseFile(const wxString& path, wxString* proposed) : path_(path), proposed_(proposed) {}

protected:
    int OnInvoked(wxFileDialog* dialog) const override {
        if (proposed_) *proposed_ = dialog->GetFilename();
        dialog->SetPath(path_);
        // GTK hands the path back only after its loop has run.
        for (int i = 0; i < 50 && dialog->GetPath() != path_; ++i) wxTheApp->Yield(true);
        return wxID_OK;
    }

private:
    wxString path_;
    wxString* proposed_;
};

// What a command line tool (pdftotext, pdfinfo) writes on its standard output.
inline std::string ToolOutput(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t got;
        while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, got);
        pclose(pipe);
    }
    return text;
}
