// Printing of the program's pages: wxWidgets' easy HTML printing, drawing
// through a graphics context (the GTK printer DC loses the text of coloured
// table cells, which would leave a score sheet unreadable), the same pages
// in a print preview and written to a PDF file without any dialog.
#pragma once

#include <wx/html/htmprint.h>

#include <functional>
#include <memory>
#include <optional>

#include "platform/ToolkitPlatform.h"

class wxPrintPreview;

namespace zavgui {

// Draws the pages through a wxGCDC built on whatever DC printing gives. A
// page wider than the paper (long team or game names) is shrunk to the
// paper's width rather than cut off at its right edge.
class GcdcHtmlPrintout : public wxHtmlPrintout {
public:
    using wxHtmlPrintout::wxHtmlPrintout;
    void OnPreparePrinting() override;
    bool OnPrintPage(int page) override;
    // Before the layout the number of pages is not known yet: the print
    // dialog, which asks first, then offers all pages instead of page 1.
    void GetPageInfo(int* minPage, int* maxPage, int* selPageFrom, int* selPageTo) override;

    // Pages drawn into a picture (the preview) in shades of grey, as a
    // printer prints them when the colour flag is off.
    void SetGreyPictures(bool grey) { greyPictures_ = grey; }

    // 1 when the page fits the paper, less when it is drawn smaller to fit.
    double Shrink() const { return shrink_; }

private:
    bool CheckFit(const wxSize& pageArea, const wxSize& docArea) const override;
    template <class Step>
    void WithGraphicsDC(Step step);

    double shrink_ = 1.0;
    bool greyPictures_ = false;
    // What the last layout needed against what the paper gives, in pixels.
    mutable wxSize pageArea_, docArea_;
};

class ZavHtmlEasyPrinting : public wxHtmlEasyPrinting {
public:
    ZavHtmlEasyPrinting(const wxString& name, wxWindow* parentWindow);

    // The fonts of the next printouts: one face and seven equal sizes.
    void SetPrintFonts(const wxString& normalFace, int size);
    // Fonts that grow with the page's font sizes as a browser's do, size 3
    // (the text's) at `normalSize`.
    void SetGradedPrintFonts(const wxString& normalFace, int normalSize);

    // A printout of `html` exactly as printing would lay it out.
    std::unique_ptr<wxHtmlPrintout> MakePrintout(const wxString& html, const wxString& basePath);

    // The file the print dialog proposes when printing to a file (GTK's own
    // proposal is "output.pdf" in the current folder).
    void SetFileTarget(const wxString& path) { fileTarget_ = path; }

    // Through the print dialog.
    PrintOutcome Print(const wxString& html, const wxString& basePath);

    // The preview of the printed pages in a preview frame of `parent`, which
    // prints them too, `onFailure` told why a print from there failed; the
    // preview belongs to the frame. Nothing when it cannot be shown.
    wxPrintPreview* Preview(const wxString& html, const wxString& basePath, wxWindow* parent,
                            const wxString& title,
                            std::function<void(const wxString& reason)> onFailure);

    // Writes `html` as printed pages (paper, orientation, margins, fonts of
    // this object) to a PDF file. False when nothing could be written.
    bool ExportPdf(const wxString& html, const wxString& basePath, const wxString& pdfPath);

protected:
    wxHtmlPrintout* CreatePrintout() override;

private:
    struct Fonts {
        wxString normalFace;
        int sizes[7];
    };
    std::optional<Fonts> fonts_;
    wxString fileTarget_;
};

}  // namespace zavgui
