// The fixed vocabulary of the sheet file, shared by its writer and reader.
#pragma once

#include <string_view>

#include "sheetfile/TagScanner.h"

namespace zav::sheettags {

// The first two lines as the writer writes them; also how a file is known to
// be one of ours (see SheetFileLimit).
constexpr std::string_view kDeclarationLatin = "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n";
constexpr std::string_view kDeclarationUtf8 = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
constexpr std::string_view kRootOpen =
    "<zavscore xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
    "xsi:noNamespaceSchemaLocation=\"zavscore_sheet.xsd\">\n";

// Marks the reader requires before it reads anything.
constexpr std::string_view kUtf8Mark = "UTF-8";
constexpr std::string_view kLatinMark = "iso-8859-1";
constexpr std::string_view kRootMark = "<zavscore";

constexpr Tag kLanguage{"<language>", "</language>"};
constexpr Tag kVersion{"<version>", "</version>"};
constexpr Tag kMulti{"<multi>", "</multi>"};
constexpr Tag kTitle{"<title>", "</title>"};
constexpr Tag kSubTitle{"<subtitle>", "</subtitle>"};
constexpr Tag kDate{"<date>", "</date>"};
constexpr Tag kAmPm{"<ampm>", "</ampm>"};
constexpr Tag kReferee{"<referee>", "</referee>"};
constexpr Tag kTeamsNr{"<teamsnr>", "</teamsnr>"};
constexpr Tag kGamesNr{"<gamesnr>", "</gamesnr>"};
constexpr Tag kScoring{"<scoring>", "</scoring>"};
constexpr Tag kElimination{"<elimination>", "</elimination>"};
constexpr Tag kColSupTitle{"<colsuptitle>", "</colsuptitle>"};
constexpr Tag kChallengeScoring{"<challenge_scoring>", "</challenge_scoring>"};
constexpr Tag kChallengeTitle{"<challenge_title>", "</challenge_title>"};
constexpr Tag kGamesList{"<gameslist>", "</gameslist>"};
constexpr Tag kGame{"<game>", "</game>"};

constexpr Tag kTeam{"<team>", "</team>"};
constexpr Tag kName{"<name>", "</name>"};
constexpr Tag kColors{"<colors>", "</colors>"};
constexpr Tag kPrevScore{"<prev_score>", "</prev_score>"};
constexpr Tag kComment{"<comment>", "</comment>"};
constexpr Tag kChallenge{"<challenge>", "</challenge>"};
constexpr Tag kChallengePrevScore{"<challenge_prev_score>", "</challenge_prev_score>"};
constexpr Tag kOrders{"<orders>", "</orders>"};
constexpr Tag kOrder{"<order>", "</order>"};
constexpr Tag kTieBreak{"<tiebreak>", "</tiebreak>"};

constexpr Tag kStaff{"<staff>", "</staff>"};
constexpr Tag kAssistantReferee{"<assistant_referee>", "</assistant_referee>"};
constexpr Tag kArName{"<ar_name>", "</ar_name>"};
constexpr Tag kArTeam{"<ar_team>", "</ar_team>"};
constexpr Tag kArenaParty{"<arena_party>", "</arena_party>"};
constexpr Tag kApName{"<ap_name>", "</ap_name>"};

// The heat's standing and the record of its results, after the body: older
// readers look for none of these names, so they read such a file as they
// always did. None may hold, or be, a tag name above ("<game" is no
// "<game>").
constexpr Tag kRecord{"<record>", "</record>"};
constexpr Tag kOfficial{"<official>", "</official>"};
constexpr Tag kChange{"<change>", "</change>"};
constexpr Tag kWhen{"<when>", "</when>"};
constexpr Tag kOrigin{"<origin>", "</origin>"};
constexpr Tag kBy{"<by>", "</by>"};
constexpr Tag kStep{"<step>", "</step>"};
constexpr Tag kJudge{"<judge>", "</judge>"};
constexpr Tag kPhone{"<phone>", "</phone>"};
constexpr Tag kSentAt{"<sent_at>", "</sent_at>"};
constexpr Tag kEdited{"<edited>", "</edited>"};
constexpr Tag kJudgeSent{"<judge_sent>", "</judge_sent>"};
constexpr Tag kAbout{"<about>", "</about>"};
constexpr Tag kGameNo{"<game_no>", "</game_no>"};
constexpr Tag kWas{"<was>", "</was>"};
constexpr Tag kNow{"<now>", "</now>"};
constexpr Tag kMark{"<mark>", "</mark>"};
constexpr Tag kTeamNo{"<team_no>", "</team_no>"};
constexpr Tag kWho{"<who>", "</who>"};
constexpr Tag kCode{"<code>", "</code>"};

// Order value suffix of a blamed result: "3 A".
constexpr char kBlameMark = 'A';

}  // namespace zav::sheettags
