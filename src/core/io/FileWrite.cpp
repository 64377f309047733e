#include "io/FileWrite.h"

#include <deque>
#include <filesystem>

#include "io/FileRead.h"
#include "platform/NativePath.h"

namespace zav {
namespace {

namespace fs = std::filesystem;

// The file that will be replaced: symbolic links are followed, relative ones
// from their own folder, so that the link itself survives the rename; one
// naming a file not yet there has that file created.
std::string TargetOf(const std::string& path) {
    constexpr int kMaxLinks = 40;  // the system's own limit on a chain of links
    fs::path target = NativePath(path);
    for (int link = 0; link < kMaxLinks; ++link) {
        std::error_code error;
        if (!fs::is_symlink(target, error)) break;
        const fs::path next = fs::read_symlink(target, error);
        if (error) break;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return Utf8Path(target);
}

// A new, uniquely named file beside `target`; not open when none can be created.
NativeFile CreateSibling(const std::string& target, std::string& siblingPath) {
    const fs::path path = NativePath(target);
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    const std::string stem =
        "." + Utf8Path(path.filename()) + ".saving-" + std::to_string(ProcessId()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        siblingPath = Utf8Path(folder / NativePath(stem + std::to_string(attempt)));
        NativeFile file(siblingPath, NativeFile::Mode::CreateNew);
        if (file.IsOpen() || !file.AlreadyExisted()) return file;
    }
    return {};
}

}  // namespace

FileReplacement::~FileReplacement() {
    Abandon();
}

ReplaceResult FileReplacement::Open(const std::string& path, Links links) {
    Abandon();
    target_ = links == Links::Follow ? TargetOf(path) : path;
    failed_ = false;
    FileInfo old = LinkInfoOf(target_);
    if (old.link && links == Links::Follow) old = InfoOf(target_);  // past the system's limit
    replaces_ = old.exists;
    // A link replaced is no file of the user's: the new file is made anew.
    const bool replacesFile = replaces_ && !old.link;
    if (replacesFile && !old.regular) return ReplaceResult::CreateFailed;
    if (replacesFile && old.writeProtected) return ReplaceResult::ReadOnly;
    file_ = CreateSibling(target_, sibling_);
    if (!file_.IsOpen())
        return replaces_ ? ReplaceResult::NoFileBeside : ReplaceResult::CreateFailed;
    stage_ = Stage::Writing;
    if (replacesFile && !file_.TakeOverAttributesOf(target_)) {
        Abandon();
        return ReplaceResult::CreateFailed;
    }
    return ReplaceResult::Done;
}

bool FileReplacement::Append(std::string_view bytes) {
    if (stage_ != Stage::Writing || failed_) return false;
    failed_ = !file_.WriteAll(bytes);
    return !failed_;
}

ReplaceResult FileReplacement::Finish() {
    if (stage_ == Stage::Finished) return ReplaceResult::Done;
    if (stage_ != Stage::Writing) return ReplaceResult::CreateFailed;
    // fsync before the rename: after a crash the name holds either the old
    // contents or the complete new ones.
    bool written = !failed_ && file_.FlushToDisk();
    written = file_.Close() && written;
    stage_ = Stage::Finished;
    if (written) return ReplaceResult::Done;
    Abandon();
    return ReplaceResult::WriteFailed;
}

ReplaceResult FileReplacement::FinishBy(const std::function<bool(const std::string&)>& write) {
    if (stage_ != Stage::Writing) return ReplaceResult::CreateFailed;
    // The writer opens the file by its name; it keeps the owner and
    // permissions given to it when it writes over it.
    file_.Close();
    if (!write(sibling_) ||
        !(file_ = NativeFile(sibling_, NativeFile::Mode::WriteExisting)).IsOpen()) {
        Abandon();
        return ReplaceResult::WriteFailed;
    }
    return Finish();
}

ReplaceResult FileReplacement::PutInPlace() {
    if (stage_ != Stage::Finished) return ReplaceResult::CreateFailed;
    const MoveResult moved = MoveOver(sibling_, target_);
    if (moved != MoveResult::Done) {
        Abandon();
        return moved == MoveResult::InUse ? ReplaceResult::InUse : ReplaceResult::CreateFailed;
    }
    stage_ = Stage::Closed;
    return ReplaceResult::Done;
}

ReplaceResult FileReplacement::Commit() {
    const ReplaceResult finished = Finish();
    return finished == ReplaceResult::Done ? PutInPlace() : finished;
}

void FileReplacement::Abandon() {
    if (stage_ == Stage::Closed) return;
    file_.Close();
    RemoveFile(sibling_);
    stage_ = Stage::Closed;
}

ReplaceResult ReplaceFileContents(const std::string& path, std::string_view bytes, Links links) {
    FileReplacement file;
    const ReplaceResult opened = file.Open(path, links);
    if (opened != ReplaceResult::Done) return opened;
    // A failed append is reported by Commit.
    static_cast<void>(file.Append(bytes));
    return file.Commit();
}

ReplaceResult ReplaceFileBy(const std::string& path,
                            const std::function<bool(const std::string&)>& write) {
    FileReplacement file;
    const ReplaceResult opened = file.Open(path);
    if (opened != ReplaceResult::Done) return opened;
    const ReplaceResult written = file.FinishBy(write);
    return written == ReplaceResult::Done ? file.PutInPlace() : written;
}

GroupResult ReplaceFilesTogether(const std::vector<FileContents>& files) {
    // Each new file is finished (and closed) before the next is opened, so a
    // large set never holds more than one file open.
    std::deque<FileReplacement> replacements;
    for (const FileContents& file : files) {
        FileReplacement& replacement = replacements.emplace_back();
        ReplaceResult result = replacement.Open(file.path);
        if (result == ReplaceResult::Done) {
            static_cast<void>(replacement.Append(file.bytes));  // reported by Finish
            result = replacement.Finish();
        }
        if (result != ReplaceResult::Done) return {result, file.path};
    }
    for (std::size_t i = 0; i < replacements.size(); ++i) {
        const ReplaceResult placedNow = replacements[i].PutInPlace();
        if (placedNow == ReplaceResult::Done) continue;
        for (std::size_t placed = 0; placed < i; ++placed)
            if (!replacements[placed].ReplacesAFile()) RemoveFile(replacements[placed].Target());
        return {placedNow, files[i].path};
    }
    return {};
}

bool ReportWrite(ReplaceResult result, const std::string& path, const Reporter& reporter) {
    switch (result) {
        case ReplaceResult::Done: return true;
        case ReplaceResult::CreateFailed:
            reporter.Show(MessageIcon::Information, TextId::ErrorCreating, path);
            return false;
        case ReplaceResult::NoFileBeside:
            reporter.Show(MessageIcon::Information, TextId::NoFileBeside, path);
            return false;
        case ReplaceResult::InUse:
            reporter.Show(MessageIcon::Information, TextId::FileInUse, path);
            return false;
        case ReplaceResult::ReadOnly:
            reporter.Show(MessageIcon::Information, TextId::FileReadOnly, path);
            return false;
        case ReplaceResult::WriteFailed: break;
    }
    reporter.Show(MessageIcon::Information, TextId::ErrorWriting, path);
    return false;
}

bool WriteWholeFile(const std::string& path, std::string_view bytes, const Reporter& reporter,
                    Links links) {
    return ReportWrite(ReplaceFileContents(path, bytes, links), path, reporter);
}

FileUpdate UpdateWholeFile(const std::string& path, std::string_view bytes, Rewrite rewrite,
                           Links links, const Reporter& reporter) {
    const bool linkToReplace = links == Links::Replace && LinkInfoOf(path).link;
    if (rewrite == Rewrite::OnlyChanges && !linkToReplace) {
        std::string current;
        // A longer file is too long for this limit, and so differs.
        if (ReadFileBytes(path, current, bytes.size()).status == ReadStatus::Done &&
            current == bytes)
            return FileUpdate::Unchanged;
    }
    return WriteWholeFile(path, bytes, reporter, links) ? FileUpdate::Written : FileUpdate::Failed;
}

}  // namespace zav
