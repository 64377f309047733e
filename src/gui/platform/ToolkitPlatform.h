// What the window does differently on GTK (Linux) and on Windows, one file
// per toolkit below: the rest of the window is the same code on both.
#pragma once

#include <wx/gdicmn.h>
#include <wx/string.h>

#include <functional>

#include "texts/Texts.h"

class wxComboBox;
class wxMessageDialog;
class wxWindow;
class wxPrintData;
class wxPrinterDC;
class wxPrintout;

namespace zavgui {

// Before the toolkit starts: on GTK, ordinary scroll bars, no OpenGL, and
// GTK's own texts (file chooser, print dialog) in the interface language.
// Windows' own dialogs speak Windows' language.
void PrepareToolkit(zav::Language language);

// Where wx finds its own translations (wxstd-3.2.mo) besides its defaults:
// a "locale" folder beside the program on Windows.
void AddToolkitTranslationFolders();

// A drop-down list that opens as wide as its longest entry, however narrow
// the control (on Windows, of the entries it holds when this is called).
void LetListOpenWide(wxComboBox& combo);

// Runs `placed` once `control`, just added to a toolbar, has its place there:
// at once on Windows, where the toolbar places it as it is added; on GTK,
// when GTK next lays the window out.
void WhenPlaced(wxWindow& control, std::function<void()> placed);

// How far the toolkit's printed page origin is off, in printer pixels
// (GTK's landscape pages); none on Windows.
wxPoint PrintedOriginError(wxPrinterDC& printer);

// Whether PDF files can be written without a dialog: on Windows, the
// "Microsoft Print to PDF" printer (part of Windows 10 and 11) is installed.
bool CanWritePdf();

// Whether a printer is installed, which Windows' print preview lays its
// pages out for; GTK's needs none.
bool HasPrinter();

// Prints `printout` as PDF pages (paper and orientation of `printData`) into
// the file `pdfPath`, without a dialog. False when nothing could be written.
bool WritePdf(wxPrintout& printout, const wxPrintData& printData, const wxString& pdfPath);

// How a print through the print dialog ended; after a failure, the reason
// GTK gives.
struct PrintOutcome {
    enum class Result { Printed, Cancelled, Failed } result = Result::Cancelled;
    wxString reason;
};

// Prints `printout` through the print dialog over `parent`, proposing
// `fileTarget` to print to a file; `printData` takes the choices made in the
// dialog.
PrintOutcome PrintThroughDialog(wxWindow* parent, wxPrintout& printout, wxPrintData& printData,
                                const wxString& fileTarget);

// Shows the message box centred over `over`'s window (over the screen when
// there is none) and answers as ShowModal does. GTK has the window manager
// place it there; Windows centres its task dialogs itself, but Wine only the
// first of each run, so a hook centres each as it opens.
int ShowMessageBox(wxMessageDialog& box, wxWindow* over);

// A URL (a page of the guide at a section) in the default browser.
bool OpenUrl(const wxString& url);

}  // namespace zavgui
