#include "view/PageProducer.h"

#include "championship/ChampionshipPage.h"
#include "report/EquipmentPage.h"
#include "report/PlacementPage.h"
#include "report/ScoreSheetPage.h"
#include "report/StaffPage.h"

namespace zavgui {

PageProducer::PageProducer(zav::ScoreSheet& sheet, const DisplayChoices& choices,
                           zav::Settings settings, zav::Language language)
    : sheet_(sheet), choices_(choices), settings_(std::move(settings)), language_(language) {}

std::string PageProducer::Page(PageKind kind, PageUse use) {
    const zav::OutputTarget target =
        use == PageUse::File ? zav::OutputTarget::File : zav::OutputTarget::WindowOrPrinter;
    const auto style = [this] { return zav::ReadPageStyle(settings_); };
    switch (kind) {
        case PageKind::Sheet:
            // Only the window shows the team colours under the names.
            return zav::PrepareHtml(sheet_, choices_.ViewOf(sheet_), target, use == PageUse::Window,
                                    language_, style());
        case PageKind::Staff: return zav::PrepareHtmlStaff(sheet_, target, language_, style());
        case PageKind::Equipment: return zav::PrepareHtmlEquip(sheet_, target, language_, style());
        case PageKind::Placement:
            if (use == PageUse::Printer) return zav::PrintHtmlPlacementDocument(sheet_, language_);
            return zav::PrepareHtmlPlacement(sheet_, target, language_, style());
        case PageKind::Championship:
        case PageKind::JudgeCard: break;  // not pages of the open sheet
    }
    return std::string();
}

std::string PageProducer::Championship(const zav::Championship& championship, PageUse use) const {
    return zav::PrepareChampionshipPage(
        championship,
        use == PageUse::File ? zav::OutputTarget::File : zav::OutputTarget::WindowOrPrinter,
        language_, zav::ReadPageStyle(settings_));
}

}  // namespace zavgui
