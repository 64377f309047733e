#include "support/PlacementPictures.h"

#include <wx/dcmemory.h>
#include <wx/filename.h>
#include <wx/filesys.h>
#include <wx/mstream.h>
#include <wx/wfstream.h>

#include <map>
#include <vector>

#include "support/GuiText.h"

namespace zavgui {

namespace {

constexpr int kWidth = 540;
constexpr int kHeight = 405;
constexpr int kMargin = 24;

// The words of `text` in lines no wider than `width` on `dc`; a word wider
// than that has a line of its own.
std::vector<wxString> WrapText(wxDC& dc, const wxString& text, int width) {
    std::vector<wxString> lines;
    wxString line;
    for (const wxString& word : wxSplit(text, ' ', '\0')) {
        if (word.empty()) continue;
        const wxString longer = line.empty() ? word : line + wxS(" ") + word;
        if (!line.empty() && dc.GetTextExtent(longer).x > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

// Draws `lines` centred from `top`; returns the height they took.
int DrawCentredLines(wxDC& dc, const std::vector<wxString>& lines, int top) {
    int y = top;
    for (const wxString& line : lines) {
        const wxSize size = dc.GetTextExtent(line);
        dc.DrawText(line, (kWidth - size.x) / 2, y);
        y += size.y;
    }
    return y - top;
}

class PlacementPictureHandler : public wxFileSystemHandler {
public:
    bool CanOpen(const wxString& location) override {
        return GetProtocol(location) == wxS("file") && PictureOf(location).has_value();
    }

    wxFSFile* OpenFile(wxFileSystem&, const wxString& location) override {
        const auto picture = PictureOf(location);
        if (!picture) return nullptr;
        const wxFileName besidePage = FileNameOf(location);
        const wxString userCopy = FromCore(zav::UserPlacementFolder(zav::ProcessEnvironment())) +
                                  wxS("/") + besidePage.GetFullName();
        for (const wxString& path : {userCopy, besidePage.GetFullPath()})
            if (wxFSFile* file = FileAt(path)) return file;
        return StandInFile(*picture, location);
    }

private:
    static wxFileName FileNameOf(const wxString& location) {
        return wxFileName::URLToFileName(GetRightLocation(location));
    }

    static std::optional<zav::PlacementPicture> PictureOf(const wxString& location) {
        return zav::PlacementPictureOf(ToCore(FileNameOf(location).GetFullName()));
    }

    static wxFSFile* FileAt(const wxString& path) {
        if (!wxFileExists(path)) return nullptr;
        auto* stream = new wxFFileInputStream(path);
        if (!stream->IsOk()) {
            delete stream;
            return nullptr;
        }
        return new wxFSFile(stream, wxFileSystem::FileNameToURL(path), wxS("image/png"), wxString(),
                            wxFileName(path).GetModificationTime());
    }

    // Drawn once per picture and kept for the life of the process: the
    // streams read the bytes where they are.
    wxFSFile* StandInFile(const zav::PlacementPicture& picture, const wxString& location) {
        const std::string name = zav::PlacementPictureName(picture);
        auto found = standIns_.find(name);
        if (found == standIns_.end()) {
            wxMemoryOutputStream png;
            DrawStandIn(zav::StandInFor(picture)).SaveFile(png, wxBITMAP_TYPE_PNG);
            std::vector<char> bytes(png.GetLength());
            png.CopyTo(bytes.data(), bytes.size());
            found = standIns_.emplace(name, std::move(bytes)).first;
        }
        const std::vector<char>& bytes = found->second;
        return new wxFSFile(new wxMemoryInputStream(bytes.data(), bytes.size()), location,
                            wxS("image/png"), wxString(), wxDateTime::Now());
    }

    std::map<std::string, std::vector<char>> standIns_;
};

}  // namespace

void ServePlacementPictures() {
    // Handlers added last are asked first: before the one for plain files,
    // which would answer "no such file" for a missing picture.
    wxFileSystem::AddHandler(new PlacementPictureHandler);
}

// Black on white in a dashed frame, the game's name above and its equipment
// below: readable on any printer and never taken for a real placement
// drawing.
wxImage DrawStandIn(const zav::PlacementStandIn& standIn) {
    wxBitmap bitmap(kWidth, kHeight, 24);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.SetPen(wxPen(*wxBLACK, 2, wxPENSTYLE_SHORT_DASH));
    dc.DrawRectangle(kMargin / 2, kMargin / 2, kWidth - kMargin, kHeight - kMargin);
    dc.SetTextForeground(*wxBLACK);

    const int lineWidth = kWidth - 3 * kMargin;
    dc.SetFont(wxFontInfo(20).Family(wxFONTFAMILY_SWISS).Bold());
    const int nameHeight =
        DrawCentredLines(dc, WrapText(dc, FromCore(standIn.name), lineWidth), 2 * kMargin);
    const int ruleY = 2 * kMargin + nameHeight + kMargin / 2;
    dc.SetPen(wxPen(*wxBLACK, 1));
    dc.DrawLine(2 * kMargin, ruleY, kWidth - 2 * kMargin, ruleY);
    dc.SetFont(wxFontInfo(14).Family(wxFONTFAMILY_SWISS));
    DrawCentredLines(dc, WrapText(dc, FromCore(standIn.equipment), lineWidth), ruleY + kMargin);
    // Small, in a corner: which file the user adds to replace this one.
    dc.SetFont(wxFontInfo(9).Family(wxFONTFAMILY_SWISS));
    dc.SetTextForeground(wxColour(96, 96, 96));
    const wxString fileName = FromCore(standIn.fileName);
    dc.DrawText(fileName, kWidth - kMargin - dc.GetTextExtent(fileName).x,
                kHeight - kMargin - dc.GetTextExtent(fileName).y);

    dc.SelectObject(wxNullBitmap);
    return bitmap.ConvertToImage();
}

}  // namespace zavgui
