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

    // `path` first (moved there when listed already).
    void Add(const wxString& path);
    // The file of a menu item (wxID_FILE1 ...); empty for another id.
    wxString FileOf(int id) const;
    void Remove(int id);
    size_t Count() const { return history_.GetCount(); }

private:
    void Save() const;

    zav::Settings settings_;
    wxFileHistory history_;
};

}  // namespace zavgui
