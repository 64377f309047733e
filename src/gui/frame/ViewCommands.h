// The View menu: the four pages (OnScoreSheet, OnStaffSheet, OnEquipList,
// OnPlacement) and the rankings the score sheet shows (OnViewRanking). Each
// group behaves as one choice: one check mark.
#pragma once

#include "frame/CommandIds.h"
#include "view/DisplayChoices.h"

class wxCommandEvent;

namespace zavgui {

class wxZAVFrame;

struct PageItem {
    int id;
    PageKind page;
};
constexpr PageItem kPageItems[] = {{ID_SCORE_SHEET, PageKind::Sheet},
                                   {ID_STAFF_SHEET, PageKind::Staff},
                                   {ID_EQUIP_LIST, PageKind::Equipment},
                                   {ID_PLACEMENT, PageKind::Placement}};

struct RankingItem {
    int id;
    Ranking ranking;
};
constexpr RankingItem kRankingItems[] = {{ID_VIEW_BOTH, Ranking::Both},
                                         {ID_VIEW_CHAMP, Ranking::CompetitionOnly},
                                         {ID_VIEW_CHALL, Ranking::ChallengeOnly}};

class ViewCommands {
public:
    explicit ViewCommands(wxZAVFrame& frame);

private:
    void OnPage(PageKind page);
    void OnViewRanking(Ranking ranking);

    wxZAVFrame& frame_;
};

}  // namespace zavgui
