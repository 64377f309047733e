#include "frame/ChampionshipCommands.h"

#include <wx/button.h>
#include <wx/filedlg.h>

#include "dialogs/ChampionshipDialog.h"
#include "dialogs/PreviousFromSheetsDialog.h"
#include "frame/CommandIds.h"
#include "frame/ZAVFrame.h"
#include "io/Paths.h"
#include "paths/UserFolders.h"

namespace zavgui {

ChampionshipCommands::ChampionshipCommands(wxZAVFrame& frame) : frame_(frame) {
    frame.Bind(wxEVT_MENU, &ChampionshipCommands::OnPreviousFromSheets, this,
               ID_PREVIOUS_FROM_SHEETS);
    frame.Bind(wxEVT_MENU, &ChampionshipCommands::OnChampionshipTable, this, ID_CHAMPIONSHIP_TABLE);
}

std::vector<std::string> ChampionshipCommands::SetSheets(bool withShown) const {
    const SheetDocument& document = frame_.Document();
    std::vector<std::string> paths;
    if (!document.IsSheetOfSet()) return paths;
    for (const std::string& name : document.SetSheetNames())
        if (withShown || name != document.SetSheetShown())
            paths.push_back(zav::SiblingPath(document.Sheet().sMultiFileOpen, name));
    return paths;
}

std::vector<std::string> ChampionshipCommands::ChooseSheets() {
    const ChooserFolders& folders = frame_.User().Folders();
    wxFileDialog dialog(&frame_, Tx(frame_.Language(), zav::TextId::AddSheets),
                        folders.Start(FileKind::Sheet), wxString(),
                        Tx(frame_.Language(), zav::TextId::SheetFilesFilter),
                        wxFD_OPEN | wxFD_FILE_MUST_EXIST | wxFD_MULTIPLE);
    std::vector<std::string> paths;
    if (dialog.ShowModal() != wxID_OK) return paths;
    wxArrayString chosen;
    dialog.GetPaths(chosen);
    for (const wxString& path : chosen) paths.push_back(ToCore(path));
    if (!chosen.empty()) folders.Remember(FileKind::Sheet, chosen[0]);
    return paths;
}

void ChampionshipCommands::OnPreviousFromSheets(wxCommandEvent&) {
    if (!frame_.RequireSheet()) return;
    PreviousFromSheetsDialog dialog(&frame_, frame_.Document().EditSheet(), frame_.Language(),
                                    SetSheets(false), [this] { return ChooseSheets(); });
    if (dialog.ShowModal() == wxID_OK) frame_.SheetChanged(zav::TextId::StepPreviousFromSheets);
}

// Needs no open sheet: the table is made of sheet files.
void ChampionshipCommands::OnChampionshipTable(wxCommandEvent&) {
    PageProducer& pages = frame_.Pages();
    ChampionshipDialog dialog(
        &frame_, frame_.Language(), SetSheets(true), [this] { return ChooseSheets(); },
        [&pages](const zav::ChampionshipTable& table) {
            return pages.Championship(table, PageUse::Window);
        });
    const auto page = [&](PageUse use) { return pages.Championship(dialog.Table(), use); };
    // Printed to a file, the table is proposed in the documents folder, as
    // the sheet's pages are.
    const wxString fileTarget = FromCore(zav::PathInFolder(
        zav::UserDocumentsFolder(frame_.Context().environment), "championship.pdf"));
    dialog.print->Bind(wxEVT_BUTTON, [&](wxCommandEvent&) {
        frame_.Printing().Print(PageKind::Championship, page(PageUse::Printer), fileTarget);
    });
    dialog.preview->Bind(wxEVT_BUTTON, [&](wxCommandEvent&) {
        (void)frame_.Printing().Preview(PageKind::Championship, page(PageUse::Printer), &dialog,
                                        fileTarget);
    });
    dialog.exportHtml->Bind(wxEVT_BUTTON, [&](wxCommandEvent&) { Export(dialog.Table(), false); });
    dialog.exportPdf->Bind(wxEVT_BUTTON, [&](wxCommandEvent&) { Export(dialog.Table(), true); });
    dialog.ShowModal();
}

void ChampionshipCommands::Export(const zav::ChampionshipTable& table, bool pdf) {
    const auto choosePath = [&] {
        return frame_.User().ChooseNewFile(
            FileKind::Export, zav::TextId::ChampionshipTitle, wxString(), wxS("championship"),
            pdf ? zav::TextId::PdfFilter : zav::TextId::HtmlFilter, pdf ? wxS("pdf") : wxS("html"));
    };
    PageProducer& pages = frame_.Pages();
    if (pdf) {
        (void)frame_.Printing().ExportPdf(PageKind::Championship,
                                          pages.Championship(table, PageUse::Printer), choosePath);
        return;
    }
    const wxString path = choosePath();
    if (!path.empty())
        (void)frame_.Printing().SaveHtmlPage(pages.Championship(table, PageUse::File), path);
}

}  // namespace zavgui
