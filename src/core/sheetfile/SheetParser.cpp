// The reader's rules on a file already in memory: a tag scanner, tolerant of
// old, hand-edited and foreign files, that never reads past the record.
#include <algorithm>
#include <optional>
#include <vector>

#include "encoding/Encoding.h"
#include "encoding/Markup.h"
#include "encoding/NumberText.h"
#include "history/HistoryWords.h"
#include "history/ResultHistory.h"
#include "sheet/GameCatalogue.h"
#include "sheet/ResultEntry.h"
#include "sheetfile/SheetFile.h"
#include "sheetfile/SheetTags.h"

namespace zav {
namespace {

namespace tags = sheettags;
constexpr std::size_t npos = std::string_view::npos;

// Header values are looked up from position 1, so the first occurrence of a
// header tag anywhere in the file wins.
constexpr std::size_t kHeaderOrigin = 1;

enum class FileEncoding { Utf8, Windows1252 };

int BoundedNumber(std::string_view text) {
    return std::clamp(LeadingInt(text), -kMaxSheetNumber, kMaxSheetNumber);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
               return lower(x) == lower(y);
           });
}

// The encoding named by the XML declaration; without one, UTF-8 when the
// text mentions it. Any other declared encoding is read as Windows-1252, the
// superset of ISO-8859-1 that Western European systems write.
FileEncoding DeclaredEncoding(std::string_view text) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (text.substr(0, kBom.size()) == kBom) text.remove_prefix(kBom.size());
    if (text.substr(0, 5) == "<?xml") {
        const std::string_view declaration = text.substr(0, text.find("?>"));
        const std::size_t attribute = declaration.find("encoding");
        if (attribute != npos) {
            std::size_t i = attribute + 8;
            while (i < declaration.size() && (declaration[i] == ' ' || declaration[i] == '=')) ++i;
            if (i < declaration.size() && (declaration[i] == '"' || declaration[i] == '\'')) {
                const char quote = declaration[i];
                const std::size_t end = declaration.find(quote, i + 1);
                const std::string_view name = declaration.substr(i + 1, end - (i + 1));
                return EqualsIgnoringCase(name, "UTF-8") || EqualsIgnoringCase(name, "UTF8")
                           ? FileEncoding::Utf8
                           : FileEncoding::Windows1252;
            }
        }
    }
    return text.find(tags::kUtf8Mark) != npos ? FileEncoding::Utf8 : FileEncoding::Windows1252;
}

class SheetTextReader {
public:
    SheetTextReader(std::string_view text, ScoreSheet& sheet)
        : text_(text), encoding_(DeclaredEncoding(text)), s_(sheet) {}

    void Read() {
        ReadHeader();
        ReadGames();
        ReadTeams();
        ReadStaff();
        ReadRecord();
    }

private:
    std::string_view Raw(ElementSpan span) const {
        return text_.substr(span.begin, span.end - span.begin);
    }

    // A text value in UTF-8 with its markup references decoded.
    std::string Decode(ElementSpan span) const {
        const std::string_view raw = Raw(span);
        const bool plain = std::none_of(raw.begin(), raw.end(), [](char c) {
            return c == '&' || static_cast<unsigned char>(c) >= 0x80;
        });
        if (plain) return std::string(raw);
        return UnescapeMarkup(encoding_ == FileEncoding::Utf8 ? DecodeUtf8Lenient(raw)
                                                              : Cp1252ToUtf8(raw));
    }

    void HeaderText(Tag tag, std::string& field) const {
        if (auto span = FindElement(text_, tag, kHeaderOrigin)) field = Decode(*span);
    }
    void HeaderInt(Tag tag, int& field) const {
        if (auto span = FindElement(text_, tag, kHeaderOrigin)) field = BoundedNumber(Raw(*span));
    }

    void ReadHeader() {
        if (auto span = FindElement(text_, tags::kLanguage, kHeaderOrigin)) {
            if (const auto language = LanguageOfCode(Raw(*span))) s_.languageSheet = language;
        }
        if (auto span = FindElement(text_, tags::kMulti, kHeaderOrigin)) {
            s_.sScoreSetFileName = Decode(*span);
            s_.bScoreSet = true;
        }
        HeaderText(tags::kTitle, s_.sTitle);
        HeaderText(tags::kSubTitle, s_.sSubTitle);
        HeaderText(tags::kDate, s_.sDate);
        HeaderText(tags::kAmPm, s_.sAmPm);
        HeaderText(tags::kReferee, s_.sReferee);
        HeaderText(tags::kColSupTitle, s_.sColSupTitle);
        HeaderText(tags::kChallengeTitle, s_.sChallengeTitle);
        HeaderInt(tags::kTeamsNr, s_.iTeamsNr);
        HeaderInt(tags::kGamesNr, s_.iGamesNr);
        HeaderInt(tags::kScoring, s_.iScoring);
        HeaderInt(tags::kElimination, s_.iEliminationRule);
        HeaderInt(tags::kChallengeScoring, s_.iChallengeScoring);
        // Counts past the record's rows are outside the format; bounding them
        // here keeps every later loop, and every caller's, inside the arrays.
        s_.iTeamsNr = std::clamp(s_.iTeamsNr, 0, kMaxTeams);
        s_.iGamesNr = std::clamp(s_.iGamesNr, 0, kMaxGames);
    }

    void ReadGames() {
        std::size_t cursor = text_.find(tags::kGamesList.open);
        if (cursor == npos) return;
        for (int g = 0; g < s_.iGamesNr; ++g) {
            const auto span = FindElement(text_, tags::kGame, cursor);
            if (!span) return;
            s_.sGame[g] = Decode(*span);
            cursor = span->end;
        }
    }

    // Every team element is looked for inside its own <team> block, so one
    // team never takes another's values.
    void ReadTeams() {
        std::size_t cursor = 0;
        for (int t = 0; t < s_.iTeamsNr; ++t) {
            const std::size_t blockStart = text_.find(tags::kTeam.open, cursor);
            if (blockStart == npos) return;
            std::size_t blockEnd = text_.find(tags::kTeam.close, blockStart);
            if (blockEnd == npos) blockEnd = text_.size();

            std::size_t orderCursor = blockStart;
            if (auto span = FindElement(text_, tags::kName, blockStart, blockEnd)) {
                s_.sTeamName[t] = Decode(*span);
                orderCursor = span->end;
            }
            if (auto span = FindElement(text_, tags::kColors, blockStart, blockEnd))
                s_.sTeamColors[t] = Decode(*span);
            if (auto span = FindElement(text_, tags::kPrevScore, blockStart, blockEnd))
                s_.fPreviousScore[t] = LeadingFloat(Raw(*span));
            if (auto span = FindElement(text_, tags::kComment, blockStart, blockEnd))
                s_.sColSupContent[t] = Decode(*span);
            if (HasOpeningTag(text_, tags::kChallenge, blockStart, blockEnd))
                s_.bChallengeTeam[t] = true;
            if (auto span = FindElement(text_, tags::kChallengePrevScore, blockStart, blockEnd))
                s_.fChallengePreviousScore[t] = LeadingFloat(Raw(*span));

            if (!ReadOrders(t, orderCursor, blockEnd)) return;

            if (auto span = FindElement(text_, tags::kTieBreak, orderCursor, blockEnd))
                s_.iTieBreakPlace[t] = BoundedNumber(Raw(*span));
            cursor = blockEnd;
        }
    }

    // The team's result codes in game order; an order past the block leaves
    // that game without a result. False when the text holds no further order
    // at all: the teams still unread stay empty.
    bool ReadOrders(int t, std::size_t& orderCursor, std::size_t blockEnd) {
        for (int g = 0; g < s_.iGamesNr; ++g) {
            const std::size_t open = text_.find(tags::kOrder.open, orderCursor);
            if (open == npos) return false;
            if (open >= blockEnd) continue;
            const auto span = FindElement(text_, tags::kOrder, open);
            if (!span) return false;
            const std::string_view value = Raw(*span);
            s_.iGamePlace[t][g] = BoundedNumber(value);
            s_.bAvertissement[t][g] = !value.empty() && value.back() == tags::kBlameMark;
            orderCursor = span->end;
        }
        return true;
    }

    void ReadStaff() {
        const std::size_t staff = text_.find(tags::kStaff.open);
        if (staff == npos) return;
        std::size_t cursor = staff;
        for (int k = 0; k < kStaffRows; ++k) {
            const auto name = FindElement(text_, tags::kArName, cursor);
            if (!name) break;
            const auto team = FindElement(text_, tags::kArTeam, name->end);
            if (!team) break;
            s_.sARefereeName[k] = Decode(*name);
            s_.sARefereeTeam[k] = Decode(*team);
            cursor = team->end;
        }
        cursor = staff;
        for (int k = 0; k < kStaffRows; ++k) {
            const auto name = FindElement(text_, tags::kApName, cursor);
            if (!name) break;
            s_.sPlaceurName[k] = Decode(*name);
            cursor = name->end;
        }
    }

    // The standing and the history; a file without them (any file of an
    // older version) is a provisional heat with nothing recorded.
    void ReadRecord() {
        const auto record = FindElement(text_, tags::kRecord, 0);
        if (!record) return;
        if (auto span = FindElement(text_, tags::kOfficial, record->begin, record->end)) {
            s_.bOfficial = true;
            s_.sOfficialAt = Decode(*span);
        }
        std::size_t cursor = record->begin;
        while (s_.history.size() < kMostHistoryEntries) {
            const auto change = FindElement(text_, tags::kChange, cursor, record->end);
            if (!change) break;
            if (auto entry = ReadChange(change->begin, change->end))
                s_.history.push_back(std::move(*entry));
            cursor = change->end;
        }
    }

    // Nothing for a change of a kind this version does not know.
    std::optional<HistoryEntry> ReadChange(std::size_t begin, std::size_t end) const {
        HistoryEntry entry;
        const auto aboutElement = FindElement(text_, tags::kAbout, begin, end);
        const auto originElement = FindElement(text_, tags::kOrigin, begin, end);
        if (!aboutElement || !originElement) return std::nullopt;
        const std::optional<HistoryOrigin> origin = OriginOfWord(Raw(*originElement));
        if (!origin || !ReadAboutWord(Raw(*aboutElement), entry)) return std::nullopt;
        entry.origin = *origin;
        if (entry.subject == HistorySubject::Game) {
            const auto game = FindElement(text_, tags::kGameNo, begin, end);
            entry.game = game ? LeadingInt(Raw(*game)) - 1 : -1;
            if (entry.game < 0 || entry.game >= kMaxGames) return std::nullopt;
        }
        const auto text = [&](Tag tag, std::string& field) {
            if (auto span = FindElement(text_, tag, begin, end)) field = Decode(*span);
        };
        text(tags::kWhen, entry.at);
        text(tags::kBy, entry.by);
        text(tags::kStep, entry.step);
        if (entry.origin == HistoryOrigin::FinishLine) {
            text(tags::kJudge, entry.judge);
            text(tags::kPhone, entry.phone);
            text(tags::kSentAt, entry.sentAt);
            entry.edited = HasOpeningTag(text_, tags::kEdited, begin, end);
            if (entry.edited) entry.sent = Marks(tags::kJudgeSent, begin, end);
        }
        if (entry.subject != HistorySubject::Standing) {
            entry.before = Marks(tags::kWas, begin, end);
            entry.after = Marks(tags::kNow, begin, end);
        }
        return entry;
    }

    std::vector<TeamMark> Marks(Tag list, std::size_t begin, std::size_t end) const {
        std::vector<TeamMark> marks;
        const auto span = FindElement(text_, list, begin, end);
        if (!span) return marks;
        std::size_t cursor = span->begin;
        while (marks.size() < static_cast<std::size_t>(kMaxTeams)) {
            const auto mark = FindElement(text_, tags::kMark, cursor, span->end);
            if (!mark || mark->end > span->end) break;
            TeamMark read;
            if (auto number = FindElement(text_, tags::kTeamNo, mark->begin, mark->end))
                read.number = std::clamp(LeadingInt(Raw(*number)), 0, kMaxTeams);
            if (auto who = FindElement(text_, tags::kWho, mark->begin, mark->end))
                read.team = Decode(*who);
            if (auto code = FindElement(text_, tags::kCode, mark->begin, mark->end)) {
                const std::string_view value = Raw(*code);
                read.code = BoundedNumber(value);
                read.blame = !value.empty() && value.back() == tags::kBlameMark;
            }
            marks.push_back(std::move(read));
            cursor = mark->end;
        }
        return marks;
    }

    std::string_view text_;
    FileEncoding encoding_;
    ScoreSheet& s_;
};

}  // namespace

bool ParseSheet(ScoreSheet& sheet, std::string_view bytes, const Reporter& reporter) {
    SetDataToZero(sheet);
    const bool knownEncoding =
        bytes.find(tags::kUtf8Mark) != npos || bytes.find(tags::kLatinMark) != npos;
    if (!knownEncoding || bytes.find(tags::kRootMark) == npos ||
        bytes.find(tags::kLanguage.open) == npos) {
        reporter.Show(MessageIcon::Error, TextId::UnknownEncoding);
        return false;
    }
    SheetTextReader(bytes, sheet).Read();
    TranslateGameNames(sheet, reporter.GetLanguage());
    ProposeFirstGameToComplete(sheet);
    return true;
}

}  // namespace zav
