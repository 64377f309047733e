#include "support/ToolPictures.h"

#include <string>

namespace zavgui {
namespace {

// Each picture is drawn on a 16 by 16 grid: fills on whole units and thin
// lines between them, so that at 100 % every edge falls on a pixel. The
// print and HTML export tools lay a printer or a globe over the picture of
// their page, drawn once below.

constexpr const char* kNew = R"svg(
<path d="M4.5 1.5H10.5L13.5 4.5V15.5H4.5Z" fill="#fff" stroke="#000"/>
<path d="M10.5 1.5V4.5H13.5" fill="#c8c8c8" stroke="#000"/>
<path d="M6 7h6v1H6zM6 9h6v1H6zM6 11h6v1H6zM6 13h4v1H6z" fill="#808080"/>
<path d="M2.5 0L3.2 1.8L5 2.5L3.2 3.2L2.5 5L1.8 3.2L0 2.5L1.8 1.8Z" fill="#ffd820"
 stroke="#b08000" stroke-width="0.5" stroke-linejoin="round"/>
)svg";

constexpr const char* kOpen = R"svg(
<path d="M0.5 2.5H5.5L7 4H13.5V13.5H0.5Z" fill="#ffd820" stroke="#8b5a2b"/>
<path d="M0.5 13.5L3.5 7.5H15.5L12.5 13.5Z" fill="#b08000" stroke="#8b5a2b"
 stroke-linejoin="round"/>
)svg";

constexpr const char* kSave = R"svg(
<rect x="0.5" y="0.5" width="15" height="15" rx="1" fill="#1060d0" stroke="#000"/>
<rect x="3" y="1" width="9" height="6" fill="#fff"/>
<path d="M4 3h6v1H4zM4 5h6v1H4z" fill="#808080"/>
<rect x="4" y="9" width="8" height="6" fill="#b0b0c0"/>
<rect x="5.5" y="10" width="2" height="4" fill="#000"/>
)svg";

constexpr const char* kTrophy = R"svg(
<path d="M3.5 3H1.5V4.5C1.5 6 2.6 7.2 4.3 7.3M12.5 3H14.5V4.5C14.5 6 13.4 7.2 11.7 7.3"
 fill="none" stroke="#b08000" stroke-width="1.2"/>
<path d="M3.5 1.5H12.5V5C12.5 7.8 10.6 9.5 8 9.5S3.5 7.8 3.5 5Z" fill="#ffd820"
 stroke="#b08000"/>
<path d="M10.5 3V6" stroke="#fff"/>
<rect x="7" y="9.5" width="2" height="3" fill="#b08000"/>
<rect x="4.5" y="12.5" width="7" height="2" rx="0.5" fill="#ffd820" stroke="#b08000"/>
)svg";

constexpr const char* kMedal = R"svg(
<path d="M4 0L8 5.5L12 0" fill="none" stroke="#e01010" stroke-width="2"/>
<circle cx="8" cy="10" r="5.5" fill="#90c8ff" stroke="#083070"/>
<path d="M9.8 8.2A2.5 2.5 0 1 0 9.8 11.8" fill="none" stroke="#083070" stroke-width="1.5"/>
)svg";

// The trophy of the competition and the medal of the 'Challenge', smaller.
constexpr const char* kTrophyAndMedal = R"svg(
<g transform="matrix(0.6 0 0 0.6 0 0)">{trophy}</g>
<g transform="matrix(0.6 0 0 0.6 6.4 6.4)">{medal}</g>
)svg";

// A score sheet: a blue heading over the teams' rows, the positions in red.
constexpr const char* kScore = R"svg(
<rect x="0.5" y="1.5" width="15" height="12" fill="#fff" stroke="#000"/>
<rect x="1" y="2" width="14" height="2" fill="#1060d0"/>
<path d="M12 5h3v2h-3zM12 8h3v2h-3zM12 11h3v2h-3z" fill="#e01010"/>
<path d="M1 4.5H15M1 7.5H15M1 10.5H15M5.5 4V13M8.5 4V13M11.5 4V13" stroke="#000"/>
)svg";

// Two members of the arena party.
constexpr const char* kStaff = R"svg(
<circle cx="5" cy="4" r="2.5" fill="#f0c090"/>
<path d="M2.5 4A2.5 2.5 0 0 1 7.5 4H6.5L5.5 3H2.5Z" fill="#8b5a2b"/>
<path d="M1 14V10C1 8.3 2.5 7.5 5 7.5S9 8.3 9 10V14Z" fill="#1060d0"/>
<circle cx="11" cy="5" r="2.5" fill="#f0c090"/>
<path d="M8.5 5A2.5 2.5 0 0 1 13.5 5H12.5L11.5 4H8.5Z" fill="#8b5a2b"/>
<path d="M7 14V11C7 9.3 8.5 8.5 11 8.5S15 9.3 15 11V14Z" fill="#108010"/>
)svg";

// A cone, the equipment every game needs.
constexpr const char* kEquip = R"svg(
<path d="M6.5 1.5H9.5L13 12.5H3Z" fill="#ff8000" stroke="#a04000" stroke-linejoin="round"/>
<path d="M5.7 4H10.3L10.93 6H5.07ZM4.43 8H11.57L12.2 10H3.8Z" fill="#fff"/>
<rect x="1" y="12" width="14" height="2" rx="0.5" fill="#000"/>
)svg";

// The arena from above: the start line and the equipment's places.
constexpr const char* kPlacement = R"svg(
<rect x="0.5" y="1.5" width="15" height="12" fill="#70d070" stroke="#000"/>
<rect x="2" y="3" width="1" height="9" fill="#fff"/>
<path d="M5 4h1v2H5zM8 4h1v2H8zM11 4h1v2h-1z" fill="#e01010"/>
<path d="M5 9h1v2H5zM8 9h1v2H8zM11 9h1v2h-1z" fill="#1060d0"/>
)svg";

// The chequered flag and the first place.
constexpr const char* kResult = R"svg(
<rect x="1" y="0" width="1.2" height="15.5" fill="#8b5a2b"/>
<rect x="2.5" y="1.5" width="11" height="7" fill="#fff" stroke="#000"/>
<path d="M3 2h2v2H3zM7 2h2v2H7zM11 2h2v2h-2zM5 4h2v2H5zM9 4h2v2H9zM3 6h2v2H3zM7 6h2v2H7zM11 6h2v2h-2z"
 fill="#000"/>
<path d="M11 10h2v4h1v1.5h-4V14h1v-2h-1v-1Z" fill="#e01010"/>
)svg";

// The stopwatch of a tie-break.
constexpr const char* kTieBreak = R"svg(
<rect x="6" y="0" width="4" height="1.5" rx="0.5" fill="#e01010"/>
<rect x="7.25" y="1.5" width="1.5" height="1.5" fill="#000"/>
<circle cx="8" cy="9.5" r="6" fill="#fff" stroke="#000" stroke-width="1.2"/>
<path d="M8 5.5V9.5H11" fill="none" stroke="#000" stroke-width="1.2" stroke-linecap="round"
 stroke-linejoin="round"/>
)svg";

// Laid over the bottom right corner: the page goes to the printer.
constexpr const char* kPrinter = R"svg(
<rect x="9.5" y="7.5" width="5" height="3" fill="#fff" stroke="#000"/>
<rect x="7.5" y="10.5" width="8" height="3.5" rx="0.5" fill="#c8c8c8" stroke="#000"/>
<rect x="8" y="12.5" width="7" height="1" fill="#808080"/>
<rect x="13" y="11" width="1.5" height="1" fill="#108010"/>
<rect x="9.5" y="13.5" width="5" height="2" fill="#fff" stroke="#000"/>
)svg";

// Laid over the bottom right corner: the page goes to the web.
constexpr const char* kGlobe = R"svg(
<circle cx="11.75" cy="11.75" r="3.75" fill="#1060d0" stroke="#083070"/>
<path d="M10.2 8.8C11.4 8.6 12.6 9.3 12.2 10.3S10.8 11.1 10.6 12.3 9.3 13.4 8.8 12.2 8.9 9.1 10.2 8.8Z
 M13.4 12.2C14.3 12 15.1 12.5 15 13.2 14.7 14.3 13.6 15.2 12.8 15 12.4 14.2 12.6 12.4 13.4 12.2Z"
 fill="#108010"/>
)svg";

std::string Replaced(std::string text, const std::string& mark, const std::string& by) {
    text.replace(text.find(mark), mark.size(), by);
    return text;
}

// The drawing inside the SVG document.
std::string Drawing(ToolPictureId id) {
    using P = ToolPictureId;
    const std::string printed = kPrinter, web = kGlobe;
    switch (id) {
        case P::New: return kNew;
        case P::Open: return kOpen;
        case P::Save: return kSave;
        case P::ChampChall:
            return Replaced(Replaced(kTrophyAndMedal, "{trophy}", kTrophy), "{medal}", kMedal);
        case P::ChampOnly: return kTrophy;
        case P::ChallOnly: return kMedal;
        case P::Score: return kScore;
        case P::ScorePrint: return kScore + printed;
        case P::ScoreHtml: return kScore + web;
        case P::Staff: return kStaff;
        case P::StaffPrint: return kStaff + printed;
        case P::StaffHtml: return kStaff + web;
        case P::Equip: return kEquip;
        case P::EquipPrint: return kEquip + printed;
        case P::EquipHtml: return kEquip + web;
        case P::Placem: return kPlacement;
        case P::PlacemPrint: return kPlacement + printed;
        case P::Result: return kResult;
        case P::TieBreak: return kTieBreak;
    }
    return std::string();
}

}  // namespace

wxBitmapBundle ToolBitmaps(ToolPictureId id) {
    std::string svg =
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16" viewBox="0 0 16 16">)" +
        Drawing(id) + "</svg>";
    // wx draws the document at the size the toolbar asks for, when it asks.
    return wxBitmapBundle::FromSVG(svg.data(), wxSize(16, 16));
}

}  // namespace zavgui
