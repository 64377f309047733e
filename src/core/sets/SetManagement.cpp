#include "sets/SetManagement.h"

#include <filesystem>
#include <set>
#include <system_error>
#include <vector>

#include "io/FileWrite.h"
#include "paths/PathNames.h"
#include "platform/NativeFile.h"
#include "platform/NativePath.h"
#include "sets/SetFile.h"
#include "sheetfile/SheetFile.h"

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

// Deletes the source (delete), or copies it (copy), or copies it and then
// deletes the source (move). Returns false when a copy failed; a failed
// deletion goes to `notDeleted`.
bool Handle(SetOperation code, const std::string& source, const std::string& target,
            std::vector<std::string>& notDeleted, const Reporter& reporter) {
    if (code != SetOperation::Delete && !CopyFileA(source, target, reporter)) return false;
    if (code != SetOperation::Copy && !RemoveFile(source)) notDeleted.push_back(source);
    return true;
}
}  // namespace

bool CopyFileA(const std::string& source, const std::string& target, const Reporter& reporter) {
    // A sheet file the program wrote may be longer than 32000 bytes and still
    // opens; a set holding one must copy and move like any other.
    std::string bytes;
    return ReadSheetBytes(source, bytes, reporter) && WriteWholeFile(target, bytes, reporter);
}

bool TestCibleExist(const std::string& path, const Reporter& reporter) {
    std::error_code error;
    if (!fs::exists(NativePath(path), error)) return true;
    return reporter.Ask(MessageIcon::Error, TextId::SetExists, QuestionKind::Destructive);
}

bool IsSameFolder(const std::string& a, const std::string& b) {
    const fs::path first = NativePath(a.empty() ? "." : a);
    const fs::path second = NativePath(b.empty() ? "." : b);
    std::error_code error;
    if (fs::equivalent(first, second, error)) return true;
    return NormalFolder(first) == NormalFolder(second);
}

bool TraiteSetSheet(SetOperation code, const std::string& setPath, const std::string& targetFolder,
                    const Reporter& reporter) {
    std::vector<std::string> names;
    if (!ReadSetFile(setPath, EncodingMark::NotRequired, names, reporter)) return false;
    const std::string setFileName = FileNameOf(setPath);
    if (code != SetOperation::Delete &&
        !TestCibleExist(PathInFolder(targetFolder, setFileName), reporter))
        return false;

    // Each file once: sets made by earlier versions list a sheet twice when two
    // categories share a display name, and a move must not look for a sheet it
    // has already taken away. The set file itself is handled last.
    std::set<std::string> handled = {setFileName};
    std::vector<std::string> notDeleted;
    for (const std::string& name : names) {
        if (!handled.insert(name).second) continue;
        if (!Handle(code, SiblingPath(setPath, name), PathInFolder(targetFolder, name), notDeleted,
                    reporter))
            return false;
    }
    if (!Handle(code, setPath, PathInFolder(targetFolder, setFileName), notDeleted, reporter))
        return false;
    if (!notDeleted.empty()) {
        std::string list;
        for (const std::string& path : notDeleted) list += (list.empty() ? "" : "\n") + path;
        reporter.Show(MessageIcon::Error, TextId::FilesNotDeleted, list);
        return false;
    }
    return true;
}

bool CopyOrMoveSet(SetOperation code, const std::string& setPath, const std::string& targetFolder,
                   const Reporter& reporter) {
    const std::string setFolder = setPath.substr(0, LastSeparator(setPath) + 1);
    if (IsSameFolder(setFolder, targetFolder)) {
        reporter.Show(MessageIcon::Error, TextId::SameFolder);
        return false;
    }
    return TraiteSetSheet(code, setPath, targetFolder, reporter);
}

std::string OpenSetAfter(SetOperation code, bool done, const std::string& openSet,
                         const std::string& operatedSet, const std::string& targetFolder) {
    if (!done || code == SetOperation::Copy || openSet.empty()) return openSet;
    const std::string fileName = FileNameOf(openSet);
    const bool same =
        FileNameOf(operatedSet) == fileName &&
        IsSameFolder(DecodePathFile(openSet).sFilePath, DecodePathFile(operatedSet).sFilePath);
    if (!same) return openSet;
    return code == SetOperation::Move ? PathInFolder(targetFolder, fileName) : std::string();
}

const std::string& SetOperationDone(SetOperation code, Language language) {
    switch (code) {
        case SetOperation::Copy: return Text(language, TextId::SetCopied);
        case SetOperation::Move: return Text(language, TextId::SetMoved);
        case SetOperation::Delete: break;
    }
    return Text(language, TextId::SetDeleted);
}

}  // namespace zav
