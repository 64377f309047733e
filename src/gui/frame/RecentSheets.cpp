#include "frame/RecentSheets.h"

#include <utility>
#include <vector>

#include "support/GuiText.h"

namespace zavgui {

RecentSheets::RecentSheets(zav::Settings settings, wxMenu* menu)
    : settings_(std::move(settings)), history_(zav::kRecentFilesMax, wxID_FILE1) {
    history_.UseMenu(menu);
    // The least recent first, so that the most recent ends on top.
    // The desktop knows them already: telling it again at each start would
    // make them all recent now, and costs the start.
    const std::vector<std::string> files = settings_.RecentFiles();
    for (auto file = files.rbegin(); file != files.rend(); ++file)
        history_.wxFileHistoryBase::AddFileToHistory(FromCore(*file));
}

RecentSheets::~RecentSheets() {
    AddWaiting();
}

void RecentSheets::Add(const wxString& path) {
    AddWaiting();
    if (path.empty()) return;
    history_.AddFileToHistory(path);
    Save();
}

void RecentSheets::AddWaiting() {
    if (waiting_.empty()) return;
    const wxString path = waiting_;
    waiting_.clear();
    Add(path);
}

wxString RecentSheets::FileOf(int id) const {
    const int index = id - wxID_FILE1;
    if (index < 0 || static_cast<size_t>(index) >= history_.GetCount()) return wxString();
    return history_.GetHistoryFile(static_cast<size_t>(index));
}

void RecentSheets::Remove(int id) {
    if (FileOf(id).empty()) return;
    history_.RemoveFileFromHistory(static_cast<size_t>(id - wxID_FILE1));
    Save();
}

// A settings file that cannot be written is not reported: the list holds for
// this run.
void RecentSheets::Save() const {
    std::vector<std::string> files;
    for (size_t i = 0; i < history_.GetCount(); ++i)
        files.push_back(ToCore(history_.GetHistoryFile(i)));
    static_cast<void>(settings_.SetRecentFiles(files));
}

}  // namespace zavgui
