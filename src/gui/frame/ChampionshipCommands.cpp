#include "frame/ChampionshipCommands.h"

#include <wx/button.h>
#include <wx/filedlg.h>

#include <algorithm>

#include "championship/HeatCategories.h"
#include "dialogs/ChampionshipDialog.h"
#include "dialogs/PreviousFromSheetsDialog.h"
#include "frame/CommandIds.h"
#include "frame/ZAVFrame.h"
#include "paths/PathNames.h"
#include "platform/UserFolders.h"

namespace zavgui {

ChampionshipCommands::ChampionshipCommands(wxZAVFrame& frame) : frame_(frame) {
    frame.Bind(wxEVT_MENU, &ChampionshipCommands::OnPreviousFromSheets, this,
               ID_PREVIOUS_FROM_SHEETS);
    frame.Bind(wxEVT_MENU, &ChampionshipCommands::OnChampionshipTable, this, ID_CHAMPIONSHIP_TABLE);
}

std::string ChampionshipCommands::OpenEvent() const {
    const SheetDocument& document = frame_.Document();
    if (!document.HasSheet()) return std::string();
    return document.IsSheetOfSet() ? document.Sheet().sMScoreOpen : document.OwnFile();
}

std::vector<std::string> ChampionshipCommands::Offered(bool withShown) {
    if (OpenEvent() != addedFor_) {
        added_.clear();
        addedFor_ = OpenEvent();
    }
    const SheetDocument& document = frame_.Document();
    std::vector<std::string> paths;
    if (document.IsSheetOfSet())
        for (const std::string& name : document.SetSheetNames())
            paths.push_back(zav::SiblingPath(document.Sheet().sMultiFileOpen, name));
    for (const std::string& path : added_)
        if (std::find(paths.begin(), paths.end(), path) == paths.end()) paths.push_back(path);
    if (!withShown && document.HasSheet())
        paths.erase(std::remove(paths.begin(), paths.end(), document.OwnFile()), paths.end());
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
    for (const std::string& path : paths)
        if (std::find(added_.begin(), added_.end(), path) == added_.end()) added_.push_back(path);
    return paths;
}

void ChampionshipCommands::OnPreviousFromSheets(wxCommandEvent&) {
    if (!frame_.RequireSheet()) return;
    PreviousFromSheetsDialog dialog(&frame_, frame_.Document().EditSheet(), frame_.Language(),
                                    Offered(false), [this] { return ChooseSheets(); });
    if (dialog.ShowModal() == wxID_OK) frame_.SheetChanged(zav::TextId::StepPreviousFromSheets);
}

// Needs no open sheet: the tables are made of sheet files. A table ranks one
// category, so the sheets proposed are those of the open sheet's categories
// (and any that cannot be read, to name them).
void ChampionshipCommands::OnChampionshipTable(wxCommandEvent&) {
    PageProducer& pages = frame_.Pages();
    const SheetDocument& document = frame_.Document();
    ChampionshipDialog dialog(
        &frame_, frame_.Language(), Offered(true),
        [&document](const zav::Heat& heat) {
            return !document.HasSheet() || !heat.IsRead() ||
                   zav::ShareACategory(document.Sheet(), heat.sheet);
        },
        [this] { return ChooseSheets(); },
        [&pages](const zav::Championship& championship) {
            return pages.Championship(championship, PageUse::Window);
        });
    const auto page = [&](PageUse use) { return pages.Championship(dialog.Tables(), use); };
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
    dialog.exportHtml->Bind(wxEVT_BUTTON, [&](wxCommandEvent&) { Export(dialog.Tables(), false); });
    dialog.exportPdf->Bind(wxEVT_BUTTON, [&](wxCommandEvent&) { Export(dialog.Tables(), true); });
    dialog.ShowModal();
}

void ChampionshipCommands::Export(const zav::Championship& championship, bool pdf) {
    const auto choosePath = [&] {
        return frame_.User().ChooseNewFile(
            FileKind::Export, zav::TextId::ChampionshipTitle, wxString(), wxS("championship"),
            pdf ? zav::TextId::PdfFilter : zav::TextId::HtmlFilter, pdf ? wxS("pdf") : wxS("html"));
    };
    PageProducer& pages = frame_.Pages();
    if (pdf) {
        (void)frame_.Printing().ExportPdf(
            PageKind::Championship, pages.Championship(championship, PageUse::Printer), choosePath);
        return;
    }
    const wxString path = choosePath();
    if (!path.empty())
        (void)frame_.Printing().SaveHtmlPage(pages.Championship(championship, PageUse::File), path);
}

}  // namespace zavgui
