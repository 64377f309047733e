// File menu "Recent sheets": the sheets and sets last opened or saved, the
// most recent first, kept in the settings file from one run to the next.
#pragma once

#include <wx/filehistory.h>

#include "settings/Settings.h"

class wxMenu;

namespace zavgui {

class RecentSheets {
public:
    // Lists the files of the settings file in `menu`.
    RecentSheets(zav::Settings settings, wxMenu* menu);
    // A file added later is added now.
    ~RecentSheets();

    // `path` first (moved there when listed already); the desktop's list of
    // recent files is told too.
    void Add(const wxString& path);
    // Add, at the latest at the next Add or AddWaiting: the file opened at
    // start waits until the window is shown.
    void AddLater(const wxString& path) { waiting_ = path; }
    void AddWaiting();
    // The file of a menu item (wxID_FILE1 ...); empty for another id.
    wxString FileOf(int id) const;
    void Remove(int id);
    size_t Count() const { return history_.GetCount(); }

private:
    void Save() const;

    zav::Settings settings_;
    wxFileHistory history_;
    wxString waiting_;
};

}  // namespace zavgui
