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

// Order value suffix of a blamed result: "3 A".
constexpr char kBlameMark = 'A';

}  // namespace zav::sheettags
