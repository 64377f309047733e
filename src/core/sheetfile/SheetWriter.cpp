// The writer: one fixed layout, line by line.
#include <algorithm>

#include "encoding/Encoding.h"
#include "encoding/Markup.h"
#include "encoding/NumberText.h"
#include "history/HistoryWords.h"
#include "io/FileWrite.h"
#include "sheetfile/SheetFile.h"
#include "sheetfile/SheetTags.h"

namespace zav {
namespace {

namespace tags = sheettags;

// Builds the lines after the declaration, in UTF-8; the declaration is chosen
// once the whole text is known.
class LayoutBuilder {
public:
    void Line(std::string_view text) {
        out_ += text;
        out_ += '\n';
    }

    // indent, opening tag, escaped text, closing tag (no line end)
    void Element(std::string_view indent, Tag tag, const std::string& text) {
        out_ += indent;
        out_ += tag.open;
        // Core texts are UTF-8; a stray invalid byte is kept as the character
        // the reader would make of it, so the file stays well formed.
        out_ += IsValidUtf8(text) ? EscapeMarkup(text) : EscapeMarkup(DecodeUtf8Lenient(text));
        out_ += tag.close;
    }
    void TextLine(std::string_view indent, Tag tag, const std::string& text) {
        Element(indent, tag, text);
        out_ += '\n';
    }
    void RawLine(std::string_view indent, Tag tag, std::string_view number) {
        out_ += indent;
        out_ += tag.open;
        out_ += number;
        out_ += tag.close;
        out_ += '\n';
    }

    std::string& Text() { return out_; }

private:
    std::string out_;
};

void WriteHeader(LayoutBuilder& b, const ScoreSheet& s, Language language) {
    b.Line("<header>");
    b.RawLine("", tags::kLanguage, LanguageCode(language));
    b.RawLine("", tags::kVersion, "3.0");
    if (s.bScoreSet) b.TextLine("", tags::kMulti, s.sMScoreOpen);
    b.TextLine("", tags::kTitle, s.sTitle);
    b.TextLine("", tags::kSubTitle, s.sSubTitle);
    b.TextLine("", tags::kDate, s.sDate);
    b.TextLine("", tags::kAmPm, s.sAmPm);
    b.TextLine("", tags::kReferee, s.sReferee);
    b.RawLine("", tags::kTeamsNr, std::to_string(s.iTeamsNr));
    b.RawLine("", tags::kGamesNr, std::to_string(s.iGamesNr));
    b.RawLine("", tags::kScoring, std::to_string(s.iScoring));
    b.RawLine("", tags::kElimination, std::to_string(s.iEliminationRule));
    b.TextLine("", tags::kColSupTitle, s.sColSupTitle);
    if (s.iChallengeScoring != 0) {
        b.RawLine("", tags::kChallengeScoring, std::to_string(s.iChallengeScoring));
        b.TextLine("", tags::kChallengeTitle, s.sChallengeTitle);
    }
    b.Line(tags::kGamesList.open);
    for (int g = 0; g < GamesInUse(s); ++g) b.TextLine("\t", tags::kGame, s.sGame[g]);
    b.Line(tags::kGamesList.close);
    b.Line("</header>");
}

void WriteTeam(LayoutBuilder& b, const ScoreSheet& s, int t) {
    b.Line(tags::kTeam.open);
    b.TextLine("\t", tags::kName, s.sTeamName[t]);
    b.TextLine("\t", tags::kColors, s.sTeamColors[t]);
    b.RawLine("\t", tags::kPrevScore, OneDecimal(s.fPreviousScore[t]));
    b.TextLine("\t", tags::kComment, s.sColSupContent[t]);
    if (s.bChallengeTeam[t]) {
        b.RawLine("\t", tags::kChallenge, "1");
        if (s.fChallengePreviousScore[t] != 0)
            b.RawLine("\t", tags::kChallengePrevScore, OneDecimal(s.fChallengePreviousScore[t]));
    }
    b.Line(std::string("\t").append(tags::kOrders.open));
    for (int g = 0; g < GamesInUse(s); ++g) {
        std::string order = std::to_string(s.iGamePlace[t][g]);
        if (s.bAvertissement[t][g]) (order += ' ') += tags::kBlameMark;
        b.RawLine("\t\t", tags::kOrder, order);
    }
    b.Line(std::string("\t").append(tags::kOrders.close));
    if (s.iTieBreakPlace[t] != 0)
        b.RawLine("\t", tags::kTieBreak, std::to_string(s.iTieBreakPlace[t]));
    b.Line(tags::kTeam.close);
}

bool HasStaff(const ScoreSheet& s) {
    for (int k = 0; k < kStaffRows; ++k)
        if (!s.sARefereeName[k].empty() || !s.sARefereeTeam[k].empty() ||
            !s.sPlaceurName[k].empty())
            return true;
    return false;
}

// The staff rows in use: one assistant referee per team but at least
// kMinStaffRows, one arena party member per team.
void WriteStaff(LayoutBuilder& b, const ScoreSheet& s) {
    b.Line(tags::kStaff.open);
    b.Line(std::string("\t").append(tags::kAssistantReferee.open));
    const int refereeRows = std::max(TeamsInUse(s), kMinStaffRows);
    for (int k = 0; k < refereeRows; ++k) {
        b.Element("\t\t", tags::kArName, s.sARefereeName[k]);
        b.TextLine("", tags::kArTeam, s.sARefereeTeam[k]);
    }
    b.Line(std::string("\t").append(tags::kAssistantReferee.close));
    b.Line(std::string("\t").append(tags::kArenaParty.open));
    for (int k = 0; k < TeamsInUse(s); ++k) b.TextLine("\t\t", tags::kApName, s.sPlaceurName[k]);
    b.Line(std::string("\t").append(tags::kArenaParty.close));
    b.Line(tags::kStaff.close);
}

// One line per list: <was><mark>...</mark>...</was>.
void WriteMarks(LayoutBuilder& b, Tag tag, const std::vector<TeamMark>& marks) {
    b.Text() += "\t\t";
    b.Text() += tag.open;
    for (const TeamMark& mark : marks) {
        std::string code = std::to_string(mark.code);
        if (mark.blame) (code += ' ') += tags::kBlameMark;
        b.Text() += tags::kMark.open;
        b.Text() += tags::kTeamNo.open;
        b.Text() += std::to_string(mark.number);
        b.Text() += tags::kTeamNo.close;
        b.Element("", tags::kWho, mark.team);
        b.Text() += tags::kCode.open;
        b.Text() += code;
        b.Text() += tags::kCode.close;
        b.Text() += tags::kMark.close;
    }
    b.Line(tag.close);
}

void WriteChange(LayoutBuilder& b, const HistoryEntry& entry) {
    b.Line(std::string("\t").append(tags::kChange.open));
    b.TextLine("\t\t", tags::kWhen, entry.at);
    b.RawLine("\t\t", tags::kOrigin, OriginWord(entry.origin));
    b.TextLine("\t\t", tags::kBy, entry.by);
    b.TextLine("\t\t", tags::kStep, entry.step);
    if (entry.origin == HistoryOrigin::FinishLine) {
        b.TextLine("\t\t", tags::kJudge, entry.judge);
        b.TextLine("\t\t", tags::kPhone, entry.phone);
        b.TextLine("\t\t", tags::kSentAt, entry.sentAt);
        if (entry.edited) {
            b.RawLine("\t\t", tags::kEdited, "1");
            WriteMarks(b, tags::kJudgeSent, entry.sent);
        }
    }
    b.RawLine("\t\t", tags::kAbout, AboutWord(entry));
    if (entry.subject == HistorySubject::Game)
        b.RawLine("\t\t", tags::kGameNo, std::to_string(entry.game + 1));
    if (entry.subject != HistorySubject::Standing) {
        WriteMarks(b, tags::kWas, entry.before);
        WriteMarks(b, tags::kNow, entry.after);
    }
    b.Line(std::string("\t").append(tags::kChange.close));
}

// After the body, where older readers never look: a sheet written here
// opens in them with the same results.
void WriteRecord(LayoutBuilder& b, const ScoreSheet& s) {
    if (!s.bOfficial && s.history.empty()) return;
    b.Line(tags::kRecord.open);
    if (s.bOfficial) b.TextLine("\t", tags::kOfficial, s.sOfficialAt);
    for (const HistoryEntry& entry : s.history) WriteChange(b, entry);
    b.Line(tags::kRecord.close);
}

}  // namespace

std::string SheetFileBytes(const ScoreSheet& sheet, Language language) {
    LayoutBuilder b;
    b.Text() += tags::kRootOpen;
    WriteHeader(b, sheet, language);
    b.Line("<body>");
    for (int t = 0; t < TeamsInUse(sheet); ++t) WriteTeam(b, sheet, t);
    if (HasStaff(sheet)) WriteStaff(b, sheet);
    b.Line("</body>");
    WriteRecord(b, sheet);
    b.Line("</zavscore>");

    // Windows-1252 keeps the files readable by the program's older versions;
    // UTF-8 only when a character has no Windows-1252 byte, so none is lost.
    if (std::optional<std::string> latin = Utf8ToCp1252(b.Text()))
        return std::string(tags::kDeclarationLatin) + *latin;
    return std::string(tags::kDeclarationUtf8) + b.Text();
}

bool SaveSheet(const ScoreSheet& sheet, const std::string& path, const Reporter& reporter) {
    if (path.empty()) return true;
    return WriteWholeFile(path, SheetFileBytes(sheet, reporter.GetLanguage()), reporter);
}

}  // namespace zav
