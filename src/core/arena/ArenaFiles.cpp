#include "arena/ArenaFiles.h"

#include <filesystem>
#include <optional>

#include "paths/PathNames.h"
#include "platform/NativePath.h"
#include "sets/SetFile.h"
#include "sheet/Scoring.h"
#include "sheetfile/SheetFile.h"

namespace zav {

std::vector<std::string> FollowedFiles(const PublishSource& source, const Reporter& reporter) {
    std::vector<std::string> paths{source.path};
    if (!source.isSet) return paths;
    std::vector<std::string> names;
    if (ReadSetFile(source.path, EncodingMark::Required, names, reporter))
        for (const std::string& name : names) paths.push_back(SiblingPath(source.path, name));
    return paths;
}

ArenaSnapshot SnapshotOfFiles(const PublishSource& source, Language language,
                              const PageStyle& style, const Reporter& reporter,
                              std::vector<Heat>* heats) {
    ArenaSnapshot snapshot;
    snapshot.language = language;
    snapshot.isSet = source.isSet;
    snapshot.heading = FileNameOf(source.path);
    const std::vector<std::string> paths = FollowedFiles(source, reporter);
    const std::vector<long long> times = WriteTimes(paths);
    // The file clock may count from an epoch to come: no value stands for
    // "none yet".
    std::optional<long long> newest;
    for (std::size_t i = source.isSet ? 1 : 0; i < paths.size(); ++i) {
        ScoreSheet sheet;
        if (!LoadSheet(sheet, paths[i], reporter)) continue;
        if (!newest || times[i] > *newest) {
            newest = times[i];
            snapshot.current = snapshot.sheets.size();
        }
        const SheetView view = ShowOnOpening(sheet, language, style);
        snapshot.sheets.push_back(BuildArenaSheet(sheet, view, language, style));
        snapshot.sheets.back().file = FileNameOf(paths[i]);
        if (!heats) continue;
        ComputeScores(sheet);
        ComputeChallengeScores(sheet);
        heats->push_back({paths[i], std::move(sheet), {}});
    }
    AddLogo(snapshot, style);
    return snapshot;
}

std::vector<long long> WriteTimes(const std::vector<std::string>& paths) {
    std::vector<long long> times;
    for (const std::string& path : paths) {
        std::error_code error;
        const auto time = std::filesystem::last_write_time(NativePath(path), error);
        times.push_back(error ? -1 : static_cast<long long>(time.time_since_epoch().count()));
    }
    return times;
}

}  // namespace zav
