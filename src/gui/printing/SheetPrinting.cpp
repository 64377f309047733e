#include "printing/SheetPrinting.h"

#include <wx/dcgraph.h>
#include <wx/dcmemory.h>
#include <wx/dcprint.h>
#include <wx/print.h>

#include "platform/ToolkitPlatform.h"

namespace zavgui {

template <class Step>
void GcdcHtmlPrintout::WithGraphicsDC(Step step) {
    wxDC* original = GetDC();
    std::unique_ptr<wxGCDC> graphics;
    wxPoint originError;
    if (auto* printer = wxDynamicCast(original, wxPrinterDC)) {
        graphics = std::make_unique<wxGCDC>(*printer);
        originError = PrintedOriginError(*printer);
    } else if (auto* memory = wxDynamicCast(original, wxMemoryDC)) {
        graphics = std::make_unique<wxGCDC>(*memory);
    }
    if (graphics) {
        graphics->SetDeviceOrigin(-originError.x, -originError.y);
        graphics->SetUserScale(shrink_, shrink_);
        SetDC(graphics.get());
    }
    step();
    SetDC(original);
}

// The layout is done once at the paper's size; when it comes out wider, it is
// done again on a page as much larger, which the DC then draws smaller, so
// that margins and proportions stay those of the paper.
void GcdcHtmlPrintout::OnPreparePrinting() {
    shrink_ = 1.0;
    WithGraphicsDC([this] { wxHtmlPrintout::OnPreparePrinting(); });
    if (docArea_.x <= pageArea_.x || pageArea_.x <= 0) return;

    shrink_ = static_cast<double>(pageArea_.x) / docArea_.x;
    int width = 0, height = 0;
    GetPageSizePixels(&width, &height);
    SetPageSizePixels(static_cast<int>(width / shrink_), static_cast<int>(height / shrink_));
    WithGraphicsDC([this] { wxHtmlPrintout::OnPreparePrinting(); });
}

// Called by the layout: what does not fit is shrunk, never cut off, so there
// is nothing to ask the user.
bool GcdcHtmlPrintout::CheckFit(const wxSize& pageArea, const wxSize& docArea) const {
    pageArea_ = pageArea;
    docArea_ = docArea;
    return true;
}

bool GcdcHtmlPrintout::OnPrintPage(int page) {
    bool printed = false;
    auto* memory = wxDynamicCast(GetDC(), wxMemoryDC);
    if (!greyPictures_ || !memory) {
        WithGraphicsDC([&] { printed = wxHtmlPrintout::OnPrintPage(page); });
        return printed;
    }
    // Drawn in colour on a picture of its own, then in grey onto the page's
    // picture: once a graphics context has drawn on a memory DC, the DC's
    // own drawing no longer reaches the picture.
    wxBitmap colour(memory->GetSize());
    {
        wxMemoryDC colourDC(colour);
        colourDC.SetBackground(*wxWHITE_BRUSH);
        colourDC.Clear();
        SetDC(&colourDC);
        WithGraphicsDC([&] { printed = wxHtmlPrintout::OnPrintPage(page); });
        SetDC(memory);
    }
    memory->DrawBitmap(wxBitmap(colour.ConvertToImage().ConvertToGreyscale()), 0, 0);
    return printed;
}

// wxHtmlPrintout reports page 1 alone until it has laid out its pages, and
// wxGTK fixes the print dialog's range to that.
void GcdcHtmlPrintout::GetPageInfo(int* minPage, int* maxPage, int* selPageFrom, int* selPageTo) {
    if (HasPage(1)) {
        wxHtmlPrintout::GetPageInfo(minPage, maxPage, selPageFrom, selPageTo);
        return;
    }
    *minPage = 1;
    *maxPage = 0;
    *selPageFrom = 0;
    *selPageTo = 0;
}

ZavHtmlEasyPrinting::ZavHtmlEasyPrinting(const wxString& name, wxWindow* parentWindow)
    : wxHtmlEasyPrinting(name, parentWindow) {}

void ZavHtmlEasyPrinting::SetPrintFonts(const wxString& normalFace, int size) {
    Fonts fonts{normalFace, {}};
    for (int& s : fonts.sizes) s = size;
    fonts_ = fonts;
    SetFonts(fonts_->normalFace, wxEmptyString, fonts_->sizes);
}

void ZavHtmlEasyPrinting::SetGradedPrintFonts(const wxString& normalFace, int normalSize) {
    // wx's own steps from size 1 to 7, for a text of 10.
    constexpr int kSteps[7] = {7, 8, 10, 12, 16, 22, 30};
    Fonts fonts{normalFace, {}};
    for (int s = 0; s < 7; ++s) fonts.sizes[s] = kSteps[s] * normalSize / 10;
    fonts_ = fonts;
    SetFonts(fonts_->normalFace, wxEmptyString, fonts_->sizes);
}

wxHtmlPrintout* ZavHtmlEasyPrinting::CreatePrintout() {
    auto* printout = new GcdcHtmlPrintout(GetName());
    if (fonts_) printout->SetFonts(fonts_->normalFace, wxEmptyString, fonts_->sizes);
    printout->SetMargins(*GetPageSetupData());
    printout->SetGreyPictures(!GetPrintData()->GetColour());
    return printout;
}

namespace {

// The HTML engine starts a new page only at a break written without the
// trailing semicolon; the placement document writes its breaks with it.
wxString WithBreaksTheEngineKnows(wxString html) {
    html.Replace(wxS("\"page-break-before:always;\""), wxS("\"page-break-before:always\""));
    return html;
}

}  // namespace

std::unique_ptr<wxHtmlPrintout> ZavHtmlEasyPrinting::MakePrintout(const wxString& html,
                                                                  const wxString& basePath) {
    std::unique_ptr<wxHtmlPrintout> printout(CreatePrintout());
    printout->SetHtmlText(WithBreaksTheEngineKnows(html), basePath, true);
    return printout;
}

PrintOutcome ZavHtmlEasyPrinting::Print(const wxString& html, const wxString& basePath) {
    return PrintThroughDialog(GetParentWindow(), *MakePrintout(html, basePath), *GetPrintData(),
                              fileTarget_);
}

namespace {

// Its Print button prints as the print commands do, failures told.
class DialogPrintPreview : public wxPrintPreview {
public:
    DialogPrintPreview(wxPrintout* preview, wxPrintout* print, wxPrintDialogData* data,
                       wxString fileTarget, std::function<void(const wxString&)> onFailure)
        : wxPrintPreview(preview, print, data),
          fileTarget_(std::move(fileTarget)),
          onFailure_(std::move(onFailure)) {}

    bool Print(bool) override {
        const PrintOutcome outcome =
            PrintThroughDialog(GetFrame(), *GetPrintoutForPrinting(),
                               GetPrintDialogData().GetPrintData(), fileTarget_);
        if (outcome.result == PrintOutcome::Result::Failed) onFailure_(outcome.reason);
        return outcome.result == PrintOutcome::Result::Printed;
    }

private:
    wxString fileTarget_;
    std::function<void(const wxString&)> onFailure_;
};

}  // namespace

wxPrintPreview* ZavHtmlEasyPrinting::Preview(const wxString& html, const wxString& basePath,
                                             wxWindow* parent, const wxString& title,
                                             std::function<void(const wxString&)> onFailure) {
    wxPrintDialogData printDialogData(*GetPrintData());
    auto* preview = new DialogPrintPreview(MakePrintout(html, basePath).release(),
                                           MakePrintout(html, basePath).release(), &printDialogData,
                                           fileTarget_, std::move(onFailure));
    if (!preview->IsOk()) {
        delete preview;
        return nullptr;
    }
    // Over the window it previews, as large: a page needs the room.
    const wxRect area = parent ? parent->GetScreenRect() : wxRect(0, 0, 1024, 768);
    auto* frame = new wxPreviewFrame(preview, parent, title, area.GetPosition(), area.GetSize());
    frame->Initialize();
    frame->Show(true);
    return preview;
}

bool ZavHtmlEasyPrinting::ExportPdf(const wxString& html, const wxString& basePath,
                                    const wxString& pdfPath) {
    std::unique_ptr<wxHtmlPrintout> printout = MakePrintout(html, basePath);
    return WritePdf(*printout, *GetPrintData(), pdfPath);
}

}  // namespace zavgui
