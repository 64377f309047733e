#include "support/ChooserFolders.h"

#include <wx/filename.h>

#include <utility>

#include "support/GuiText.h"

namespace zavgui {
namespace {

zav::SettingKey FolderKey(FileKind kind) {
    switch (kind) {
        case FileKind::Sheet: return zav::SettingKey::SheetFolder;
        case FileKind::Set: return zav::SettingKey::SetFolder;
        case FileKind::Sif: return zav::SettingKey::SifFolder;
        case FileKind::Export: return zav::SettingKey::ExportFolder;
        case FileKind::Logo: return zav::SettingKey::LogoFolder;
    }
    return zav::SettingKey::SheetFolder;
}

}  // namespace

ChooserFolders::ChooserFolders(zav::Settings settings, std::string documents,
                               std::function<std::string()> sheetFolder)
    : settings_(std::move(settings)),
      documents_(std::move(documents)),
      sheetFolder_(std::move(sheetFolder)) {}

// A settings file of an older version names one starting folder for the
// files the program opens (ScorePath): it counts as their last choice.
wxString ChooserFolders::Start(FileKind kind) const {
    std::string remembered = settings_.GetString(FolderKey(kind));
    if (remembered.empty() && kind != FileKind::Export && kind != FileKind::Logo)
        remembered = settings_.GetString(zav::SettingKey::ScorePath);
    for (const std::string& folder : {remembered, sheetFolder_(), documents_})
        if (!folder.empty() && wxDirExists(FromCore(folder))) return FromCore(folder);
    return wxString();
}

// A settings file that cannot be written is not reported: the next chooser
// starts where it would have.
void ChooserFolders::Remember(FileKind kind, const wxString& chosenFile) const {
    static_cast<void>(settings_.Set(FolderKey(kind), ToCore(wxFileName(chosenFile).GetPath())));
}

}  // namespace zavgui
