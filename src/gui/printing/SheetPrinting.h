// Printing of the program's pages: wxWidgets' easy HTML printing, drawing
// through a graphics context (the GTK printer DC loses the text of coloured
// table cells, which would leave a score sheet unreadable), and the same
// pages written to a PDF file without any dialog.
#pragma once

#include <wx/html/htmprint.h>

#include <memory>
#include <optional>

namespace zavgui {

// Draws the pages through a wxGCDC built on whatever DC printing gives. A
// page wider than the paper (long team or game names) is shrunk to the
// paper's width rather than cut off at its right edge.
class GcdcHtmlPrintout : public wxHtmlPrintout {
public:
    using wxHtmlPrintout::wxHtmlPrintout;
    void OnPreparePrinting() override;
    bool OnPrintPage(int page) override;

    // 1 when the page fits the paper, less when it is drawn smaller to fit.
    double Shrink() const { return shrink_; }

private:
    bool CheckFit(const wxSize& pageArea, const wxSize& docArea) const override;
    template <class Step>
    void WithGraphicsDC(Step step);

    double shrink_ = 1.0;
    // What the last layout needed against what the paper gives, in pixels.
    mutable wxSize pageArea_, docArea_;
};

class ZavHtmlEasyPrinting : public wxHtmlEasyPrinting {
public:
    ZavHtmlEasyPrinting(const wxString& name, wxWindow* parentWindow);

    // The fonts of the next printouts: one face and seven equal sizes.
    void SetPrintFonts(const wxString& normalFace, int size);

    // A printout of `html` exactly as printing would lay it out.
    std::unique_ptr<wxHtmlPrintout> MakePrintout(const wxString& html, const wxString& basePath);

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
};

}  // namespace zavgui
