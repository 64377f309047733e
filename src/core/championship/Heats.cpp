#include "championship/Heats.h"

#include "paths/PathNames.h"
#include "sheet/Scoring.h"
#include "sheetfile/SheetFile.h"

namespace zav {

std::string Heat::ProblemLine() const {
    return FileNameOf(path) + ": " + problem;
}

Heat ReadHeat(const std::string& path, Language language) {
    Heat heat{path, {}, {}};
    RecordingMessageSink messages;
    const bool read = LoadSheet(heat.sheet, path, Reporter(language, messages));
    for (const auto& message : messages.messages)
        heat.problem += (heat.problem.empty() ? "" : " ") + message.text;
    // A read that fails half-way has no message of its own.
    if (!read && heat.problem.empty())
        heat.problem = FormatText(Text(language, TextId::ErrorOpening), path);
    if (!read) return heat;
    // A message about a sheet that was read (a game name kept as written)
    // does not make it unreadable.
    heat.problem.clear();
    ComputeScores(heat.sheet);
    ComputeChallengeScores(heat.sheet);
    return heat;
}

std::vector<Heat> ReadHeats(const std::vector<std::string>& paths, Language language) {
    std::vector<Heat> heats;
    for (const std::string& path : paths) heats.push_back(ReadHeat(path, language));
    return heats;
}

std::vector<std::string> TeamNames(const ScoreSheet& sheet) {
    return std::vector<std::string>(sheet.sTeamName, sheet.sTeamName + TeamsInUse(sheet));
}

}  // namespace zav
