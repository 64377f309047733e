// Fuzzes the sheet reader on arbitrary bytes, then checks that whatever it
// read is written and read back the same, and that the scoring copes with it.
// Build: CC=clang CXX=clang++ cmake -S . -B fuzz-build -DZAV_BUILD_FUZZ=ON
//        -DZAV_BUILD_GUI=OFF -DZAV_BUILD_TESTS=OFF && cmake --build fuzz-build
// Run:   fuzz-build/LoadSheetFuzz -dict=fuzz/sheet.dict -max_total_time=600 fuzz/corpus/sheet
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "sheet/Scoring.h"
#include "sheetfile/SheetFile.h"
#include "texts/Texts.h"

namespace {

using namespace zav;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "round trip lost: %s\n", what);
    std::abort();
}

void Check(bool ok, const char* what) {
    if (!ok) Fail(what);
}

// Scores come back rounded to one decimal.
bool CloseScore(float a, float b) {
    return std::fabs(a - b) <= 0.05f + std::fabs(a) * 1e-6f;
}

void CheckSameStoredFields(const ScoreSheet& a, const ScoreSheet& b) {
    Check(a.sTitle == b.sTitle && a.sSubTitle == b.sSubTitle && a.sDate == b.sDate &&
              a.sAmPm == b.sAmPm && a.sReferee == b.sReferee && a.sColSupTitle == b.sColSupTitle,
          "header texts");
    Check(a.iTeamsNr == b.iTeamsNr && a.iGamesNr == b.iGamesNr && a.iScoring == b.iScoring &&
              a.iEliminationRule == b.iEliminationRule &&
              a.iChallengeScoring == b.iChallengeScoring,
          "header numbers");
    Check(a.iChallengeScoring == 0 || a.sChallengeTitle == b.sChallengeTitle, "challenge title");
    Check(a.bScoreSet == b.bScoreSet && a.sScoreSetFileName == b.sScoreSetFileName, "set");
    const int teams = TeamsInUse(a), games = GamesInUse(a);
    for (int g = 0; g < games; ++g) Check(a.sGame[g] == b.sGame[g], "game name");
    for (int t = 0; t < teams; ++t) {
        Check(a.sTeamName[t] == b.sTeamName[t] && a.sTeamColors[t] == b.sTeamColors[t] &&
                  a.sColSupContent[t] == b.sColSupContent[t],
              "team texts");
        Check(CloseScore(a.fPreviousScore[t], b.fPreviousScore[t]), "previous score");
        Check(a.bChallengeTeam[t] == b.bChallengeTeam[t], "challenge team");
        Check(!a.bChallengeTeam[t] ||
                  CloseScore(a.fChallengePreviousScore[t], b.fChallengePreviousScore[t]),
              "challenge previous score");
        Check(a.iTieBreakPlace[t] == b.iTieBreakPlace[t], "tie-break");
        for (int g = 0; g < games; ++g)
            Check(a.iGamePlace[t][g] == b.iGamePlace[t][g] &&
                      a.bAvertissement[t][g] == b.bAvertissement[t][g],
                  "order");
        Check(a.sPlaceurName[t] == b.sPlaceurName[t], "arena party");
    }
    for (int k = 0; k < std::max(teams, 6); ++k)
        Check(a.sARefereeName[k] == b.sARefereeName[k] && a.sARefereeTeam[k] == b.sARefereeTeam[k],
              "assistant referee");
}

void CheckSameRecord(const ScoreSheet& a, const ScoreSheet& b) {
    Check(a.bOfficial == b.bOfficial && a.sOfficialAt == b.sOfficialAt, "standing");
    Check(a.history.size() == b.history.size(), "record length");
    for (std::size_t i = 0; i < a.history.size(); ++i) {
        const HistoryEntry &x = a.history[i], &y = b.history[i];
        Check(x.at == y.at && x.origin == y.origin && x.by == y.by && x.step == y.step &&
                  x.subject == y.subject && x.game == y.game && x.official == y.official &&
                  x.before == y.before && x.after == y.after,
              "record entry");
        Check(x.origin != HistoryOrigin::FinishLine ||
                  (x.judge == y.judge && x.phone == y.phone && x.sentAt == y.sentAt &&
                   x.edited == y.edited && x.sent == y.sent),
              "finish-line entry");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte picks the interface language, so translation runs too.
    const Language language = kLanguages[data[0] % 4];
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    ScoreSheet read;
    RecordingMessageSink messages;
    if (!ParseSheet(read, bytes, Reporter(language, messages))) return 0;
    ComputeScores(read);
    ComputeChallengeScores(read);

    read.sMScoreOpen = read.sScoreSetFileName;
    const std::string written = SheetFileBytes(read, language);
    Check(SheetFileLimit(written) == kMaxOwnSheetFileBytes, "not recognised as ours");
    Check(bytes.size() > kMaxSheetFileBytes || written.size() <= kMaxOwnSheetFileBytes,
          "written file over our own limit");
    ScoreSheet again;
    Check(ParseSheet(again, written, Reporter(language, messages)), "written file refused");
    CheckSameStoredFields(read, again);
    CheckSameRecord(read, again);
    return 0;
}
