#include "publish/Publication.h"

#include <algorithm>
#include <ctime>
#include <filesystem>

#include "championship/ChampionshipPage.h"
#include "encoding/Encoding.h"
#include "official/Standing.h"
#include "paths/PathNames.h"
#include "platform/NativeFile.h"
#include "platform/NativePath.h"
#include "publish/IndexPage.h"
#include "report/PageExport.h"
#include "report/PageFrame.h"
#include "report/PhonePage.h"
#include "report/ScoreSheetPage.h"
#include "sets/SetFile.h"
#include "sheetfile/SheetFile.h"

namespace zav {
namespace {

std::string StemOf(const std::string& fileName) {
    const std::size_t dot = fileName.rfind('.');
    return dot == std::string::npos || dot == 0 ? fileName : fileName.substr(0, dot);
}

// The page of a sheet is named after its file, its phone page after its page;
// a name the index or an earlier sheet already holds (a copy of the folder on
// a system that ignores case included) gets a number.
class PageNames {
public:
    PageNames() { taken_.push_back(kIndexPageName); }
    std::string NameFor(const std::string& sheetFileName) {
        const std::string stem = StemOf(sheetFileName);
        std::string name = stem + ".html";
        for (int n = 2; IsTaken(name) || IsTaken(PhonePageName(name)); ++n)
            name = stem + "-" + std::to_string(n) + ".html";
        taken_.push_back(AsciiLowered(name));
        taken_.push_back(AsciiLowered(PhonePageName(name)));
        return name;
    }

private:
    bool IsTaken(const std::string& name) const {
        const std::string lowered = AsciiLowered(name);
        for (const auto& taken : taken_)
            if (taken == lowered) return true;
        return false;
    }
    std::vector<std::string> taken_;
};

// When the file was last written, in local time; empty when it cannot be told.
std::string WrittenAt(const std::string& path) {
    const FileInfo info = InfoOf(path);
    std::tm local{};
    if (!info.exists || !LocalTime(info.modified, local)) return "";
    char text[32];
    return std::string(text, std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local));
}

std::string DateLine(const ScoreSheet& sheet) {
    if (sheet.sAmPm.empty()) return sheet.sDate;
    return sheet.sDate + " - " + sheet.sAmPm;
}

// The event's title when every sheet read bears the same one (sets are made
// with one common title), else the name of the set or sheet file.
std::string Heading(const std::vector<IndexEntry>& entries, const std::string& fileStem) {
    const std::string* common = nullptr;
    for (const IndexEntry& entry : entries) {
        if (entry.pageName.empty()) continue;
        if (common && *common != entry.title) return fileStem;
        common = &entry.title;
    }
    return common && !common->empty() ? *common : fileStem;
}

class Publisher {
public:
    Publisher(const PublishOptions& options, const Reporter& reporter)
        : options_(options), reporter_(reporter) {}

    PublishResult Run(const std::vector<std::string>& sheetPaths, const std::string& sourceName) {
        if (!MakeFolder()) {
            result_.complete = false;
            return result_;
        }
        std::vector<IndexEntry> entries;
        for (const std::string& path : sheetPaths) entries.push_back(PublishSheetPage(path));
        const std::string heading = Heading(entries, StemOf(sourceName));
        if (sheetPaths.size() > 1) PublishChampionship(sheetPaths, entries);
        const std::string index = PathInFolder(options_.folder, kIndexPageName);
        Note(CopyLogo(options_.style, index, Rewrite::OnlyChanges, Links::Replace, reporter_),
             options_.style.logoName);
        Note(WriteExportedPage(
                 WithRefresh(PrepareIndexPage(heading, entries, options_.language, options_.style)),
                 index, Rewrite::OnlyChanges, Links::Replace, reporter_),
             kIndexPageName);
        return result_;
    }

private:
    bool MakeFolder() {
        std::error_code error;
        std::filesystem::create_directories(NativePath(options_.folder), error);
        if (std::filesystem::is_directory(NativePath(options_.folder), error)) return true;
        reporter_.Show(MessageIcon::Information, TextId::ErrorCreating, options_.folder);
        return false;
    }

    IndexEntry PublishSheetPage(const std::string& path) {
        IndexEntry entry;
        ScoreSheet sheet;
        if (!ReadSheet(path, sheet, entry.problem)) {
            // Without its title, the file's name tells the sheet.
            entry.title = FileNameOf(path);
            result_.complete = false;
            return entry;
        }
        entry.title = sheet.sTitle;
        entry.subTitle = sheet.sSubTitle;
        entry.date = DateLine(sheet);
        entry.standing = StandingText(sheet, options_.language);
        entry.official = sheet.bOfficial;
        const SheetView view = ShowOnOpening(sheet, options_.language, options_.style);
        const std::string page =
            PrepareHtml(sheet, view, OutputTarget::File, false, options_.language, options_.style);
        entry.pageName = names_.NameFor(FileNameOf(path));
        const std::string pagePath = PathInFolder(options_.folder, entry.pageName);
        Note(WriteExportedPage(WithRefresh(page), pagePath, Rewrite::OnlyChanges, Links::Replace,
                               reporter_),
             entry.pageName);
        entry.published = WrittenAt(pagePath);
        PublishPhonePage(sheet, entry.pageName);
        return entry;
    }

    // The championship tables of the categories whose sheets share teams
    // (heats of one championship), as one more line of the index; sheets of
    // different categories have none.
    void PublishChampionship(const std::vector<std::string>& sheetPaths,
                             std::vector<IndexEntry>& entries) {
        Championship championship =
            BuildChampionship(ReadHeats(sheetPaths, options_.language), options_.language);
        auto& tables = championship.tables;
        tables.erase(std::remove_if(tables.begin(), tables.end(),
                                    [](const ChampionshipTable& t) { return !SharesTeams(t); }),
                     tables.end());
        if (tables.empty()) return;
        IndexEntry entry;
        entry.title = Text(options_.language, TextId::ChampionshipTitle);
        entry.pageName = names_.NameFor("championship");
        const std::string pagePath = PathInFolder(options_.folder, entry.pageName);
        const std::string page = PrepareChampionshipPage(championship, OutputTarget::File,
                                                         options_.language, options_.style);
        Note(WriteExportedPage(WithRefresh(page), pagePath, Rewrite::OnlyChanges, Links::Replace,
                               reporter_),
             entry.pageName);
        entry.published = WrittenAt(pagePath);
        entries.push_back(entry);
    }

    // UTF-8, as the phone page declares itself, with a link to the exact page.
    void PublishPhonePage(const ScoreSheet& sheet, const std::string& pageName) {
        std::string page =
            PreparePhonePage(sheet, options_.language, options_.style, PhoneUpdates::Static);
        page.insert(page.rfind("</body>"), "<p><a href=\"" + PageLink(pageName) + "\">" +
                                               Text(options_.language, TextId::PhoneFullSheet) +
                                               "</a></p>\n");
        const std::string name = PhonePageName(pageName);
        Note(UpdateWholeFile(PathInFolder(options_.folder, name), WithRefresh(page),
                             Rewrite::OnlyChanges, Links::Replace, reporter_),
             name);
    }

    // Reads the sheet as opening does; the reader's messages are reported and
    // kept, joined, in `problem`, which the public page shows: there the file
    // is named by its name alone, never by where it lies on this computer.
    bool ReadSheet(const std::string& path, ScoreSheet& sheet, std::string& problem) {
        RecordingMessageSink messages;
        const bool read = LoadSheet(sheet, path, Reporter(options_.language, messages));
        // A read that fails half-way has no message of its own.
        if (!read && messages.messages.empty())
            messages.ShowMessage(FormatText(reporter_.Text(TextId::ErrorOpening), path),
                                 MessageIcon::Error);
        for (const auto& message : messages.messages) {
            reporter_.ShowText(message.icon, message.text);
            problem += (problem.empty() ? "" : " ") + WithFileName(message.text, path);
        }
        return read;
    }

    static std::string WithFileName(std::string text, const std::string& path) {
        const std::string name = FileNameOf(path);
        for (auto at = text.find(path); at != std::string::npos;
             at = text.find(path, at + name.size()))
            text.replace(at, path.size(), name);
        return text;
    }

    std::string WithRefresh(std::string page) const {
        if (options_.refreshSeconds > 0) AddRefresh(page, options_.refreshSeconds);
        return page;
    }

    void Note(FileUpdate update, const std::string& name) {
        if (update == FileUpdate::Failed) result_.complete = false;
        if (update == FileUpdate::Written) result_.written.push_back(name);
    }

    const PublishOptions& options_;
    const Reporter& reporter_;
    PageNames names_;
    PublishResult result_;
};

}  // namespace

std::string PhonePageName(const std::string& pageName) {
    return StemOf(pageName) + ".phone.html";
}

PublishSource SourceNamed(const std::string& path) {
    constexpr std::string_view kSetExtension = ".mscore";
    const bool isSet =
        path.size() > kSetExtension.size() &&
        path.compare(path.size() - kSetExtension.size(), kSetExtension.size(), kSetExtension) == 0;
    return {path, isSet};
}

PublishResult Publish(const PublishSource& source, const PublishOptions& options,
                      const Reporter& reporter) {
    if (!source.isSet)
        return Publisher(options, reporter).Run({source.path}, FileNameOf(source.path));
    std::vector<std::string> names;
    if (!ReadSetFile(source.path, EncodingMark::Required, names, reporter)) return {false, {}};
    std::vector<std::string> paths;
    for (const std::string& name : names) paths.push_back(SiblingPath(source.path, name));
    return Publisher(options, reporter).Run(paths, FileNameOf(source.path));
}

}  // namespace zav
