#include "sets/SetManagement.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <set>
#include <system_error>
#include <vector>

#include "sets/SetFile.h"
#include "sets/SetTexts.h"
#include "sheetfile/SafeFile.h"
#include "sheetfile/SheetFile.h"
#include "texts/Texts.h"

namespace zav {

namespace {
namespace fs = std::filesystem;

// The folder as an absolute path without "." or ".." parts or a trailing
// separator, following links as far as they exist.
fs::path NormalFolder(const fs::path& folder) {
    std::error_code error;
    fs::path normal = fs::weakly_canonical(folder, error);
    if (error) normal = fs::absolute(folder, error).lexically_normal();
    if (!normal.has_filename() && normal.has_relative_path()) normal = normal.parent_path();
    return normal;
}

// Removes a file, never a folder (even an empty one named like a sheet); a
// file already gone counts as removed.
bool RemoveFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

// Deletes the source (delete), or copies it (copy), or copies it and then
// deletes the source (move). Returns false when a copy failed; a failed
// deletion goes to `notDeleted`.
bool Handle(SetOperation code, const std::string& source, const std::string& target,
            std::vector<std::string>& notDeleted, int wxLanguage, MessageSink& messages) {
    if (code != kSetDelete && CopyFileA(source, target, wxLanguage, messages) != 0) return false;
    if (code != kSetCopy && !RemoveFile(source)) notDeleted.push_back(source);
    return true;
}
}  // namespace

int CopyFileA(const std::string& source, const std::string& target, int wxLanguage,
              MessageSink& messages) {
    // A sheet file the program wrote may be longer than 32000 bytes and still
    // opens; a set holding one must copy and move like any other.
    std::string bytes;
    if (ReadSheetBytes(source, bytes, wxLanguage, messages) != 0) return 1;
    return WriteWholeFile(target, bytes, wxLanguage, messages);
}

int TestCibleExist(const std::string& path, int wxLanguage, MessageSink& messages) {
    std::error_code error;
    if (!fs::exists(path, error)) return 1;
    return messages.AskYesNo(Text(wxLanguage, settxt::kSetExists), MessageIcon::Error) ? 1 : 0;
}

bool IsSameFolder(const std::string& a, const std::string& b) {
    const fs::path first = a.empty() ? "." : a;
    const fs::path second = b.empty() ? "." : b;
    std::error_code error;
    if (fs::equivalent(first, second, error)) return true;
    return NormalFolder(first) == NormalFolder(second);
}

int TraiteSetSheet(SetOperation code, const std::string& setPath, const std::string& targetFolder,
                   int wxLanguage, MessageSink& messages) {
    std::vector<std::string> names;
    if (ReadSetFile(setPath, EncodingMark::NotRequired, names, wxLanguage, messages) != 0) return 1;
    const std::string setFileName = setPath.substr(setPath.rfind('/') + 1);
    if (code != kSetDelete &&
        TestCibleExist(PathInFolder(targetFolder, setFileName), wxLanguage, messages) == 0)
        return 1;

    // Each file once: sets made by earlier versions list a sheet twice when two
    // categories share a display name, and a move must not look for a sheet it
    // has already taken away. The set file itself is handled last.
    std::set<std::string> handled = {setFileName};
    std::vector<std::string> notDeleted;
    for (const std::string& name : names) {
        if (!handled.insert(name).second) continue;
        if (!Handle(code, SiblingPath(setPath, name), PathInFolder(targetFolder, name), notDeleted,
                    wxLanguage, messages))
            return 1;
    }
    if (!Handle(code, setPath, PathInFolder(targetFolder, setFileName), notDeleted, wxLanguage,
                messages))
        return 1;
    if (!notDeleted.empty()) {
        std::string list;
        for (const std::string& path : notDeleted) list += (list.empty() ? "" : "\n") + path;
        messages.ShowMessage(FormatText(Text(wxLanguage, settxt::kFilesNotDeleted), list),
                             MessageIcon::Error);
        return 1;
    }
    return 0;
}

int CopyOrMoveSet(SetOperation code, const std::string& setPath, const std::string& targetFolder,
                  int wxLanguage, MessageSink& messages) {
    const std::string setFolder = setPath.substr(0, setPath.rfind('/') + 1);
    if (IsSameFolder(setFolder, targetFolder)) {
        messages.ShowMessage(Text(wxLanguage, settxt::kSameFolder), MessageIcon::Error);
        return 1;
    }
    return TraiteSetSheet(code, setPath, targetFolder, wxLanguage, messages);
}

std::string SetOperationDone(SetOperation code, int wxLanguage) {
    switch (code) {
        case kSetCopy: return Text(wxLanguage, settxt::kSetCopied);
        case kSetMove: return Text(wxLanguage, settxt::kSetMoved);
        case kSetDelete: break;
    }
    return Text(wxLanguage, settxt::kSetDeleted);
}

}  // namespace zav
