// Helpers of the print and export tests: the window with the full sample
// sheet open, the exports run without their choosers, and the tools that read
// a PDF file back.
#pragma once

#include <cstdio>
#include <string>

#include "core/sheetfile/SampleSheet.h"
#include "gui/FrameFixture.h"
#include "settings/Settings.h"

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

class PrintFixture : public FrameFixture {
protected:
    // The window in `language` with the full sample sheet open from
    // heat1.score.
    wxZAVFrame& OpenSample(const char* language = "EN") {
        EXPECT_TRUE(zav::Settings(SettingsFile()).Set(zav::SettingKey::Language, language));
        return OpenFrameWith(zavtest::FullSampleSheet(), temp.File("heat1.score"));
    }

    bool ExportPdf(PageKind kind, const std::string& path) {
        return frame->Printing().ExportPdf(kind, frame->Pages().Page(kind, PageUse::Printer),
                                           wxString::FromUTF8(path));
    }

    // The pages printing puts on paper, as the PDF file of the same pages
    // counts them.
    int PrintedPages(PageKind kind) {
        const std::string pdf = temp.File("pages.pdf");
        EXPECT_TRUE(ExportPdf(kind, pdf));
        const std::string info = ToolOutput("pdfinfo '" + pdf + "'");
        const size_t at = info.find("Pages:");
        return at == std::string::npos ? 0 : std::stoi(info.substr(at + 6));
    }
};
