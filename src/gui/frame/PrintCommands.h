// Printing, its preview, page setup and the exports of the pages to HTML
// and PDF files, from the File menu and the toolbar.
#pragma once

#include <wx/string.h>

#include "texts/Texts.h"
#include "view/PageKind.h"

class wxCommandEvent;

namespace zavgui {

class wxZAVFrame;
struct PageCommands;

class PrintCommands {
public:
    explicit PrintCommands(wxZAVFrame& frame);

private:
    void OnPrintSetup(wxCommandEvent& event);
    void Print(const PageCommands& page);
    // What Print prints of the page the window shows.
    void OnPrintPreview(wxCommandEvent& event);
    // SaveHtmlSheet, SaveHtmlStaff or SaveHtmlEquip to a chosen file.
    void ExportHtml(const PageCommands& page);
    void ExportPdf(const PageCommands& page);
    // The file chooser of an export, proposing the name of the file chosen
    // last; empty when cancelled.
    wxString ChooseExportFile(zav::TextId caption, const wxString& proposedName, zav::TextId filter,
                              const wxString& extension);
    // The last chosen file's name without its extension, and `suffix`.
    wxString ProposedStem(const char* suffix) const;
    // The open sheet's own file name without its extension, `suffix` and
    // ".pdf"; empty for a sheet never saved.
    wxString PdfName(const char* suffix) const;
    // Where the print dialog proposes to print to a file: the documents
    // folder, with the name PdfName gives.
    wxString PrintFileTarget(const char* suffix) const;

    wxZAVFrame& frame_;
};

}  // namespace zavgui
