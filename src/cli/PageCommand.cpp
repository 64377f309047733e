// zavscore-cli page: a page exactly as the program shows, prints or exports it,
// for publishing results without the window.
#include <iostream>

#include "CliSupport.h"
#include "report/EquipmentPage.h"
#include "report/PageBytes.h"
#include "report/PlacementPage.h"
#include "report/ScoreSheetPage.h"
#include "report/StaffPage.h"
#include "settings/Settings.h"
#include "sheetfile/SheetFile.h"

namespace zavcli {
namespace {

enum class Destination { Window, Printer, File };

std::optional<Destination> ParseDestination(const std::string& text) {
    if (text == "window") return Destination::Window;
    if (text == "printer") return Destination::Printer;
    if (text == "file") return Destination::File;
    return std::nullopt;
}

std::optional<zav::SheetView> ParseView(const std::string& text) {
    if (text == "both") return zav::SheetView{true, true};
    if (text == "competition") return zav::SheetView{true, false};
    if (text == "challenge") return zav::SheetView{false, true};
    return std::nullopt;
}

bool IsPageKind(const std::string& kind) {
    return kind == "sheet" || kind == "staff" || kind == "equipment" || kind == "placement" ||
           kind == "placement-print";
}

// The page the program builds for that command and destination: the window
// shows the team colours, the printer leaves them out, an export also refers
// to the logo by its file name.
std::string BuildPage(const std::string& kind, zav::ScoreSheet& sheet, const zav::SheetView& view,
                      Destination destination, zav::Language language,
                      const zav::PageStyle& style) {
    const auto target = destination == Destination::File ? zav::OutputTarget::File
                                                         : zav::OutputTarget::WindowOrPrinter;
    if (kind == "sheet")
        return zav::PrepareHtml(sheet, view, target, destination == Destination::Window, language,
                                style);
    if (kind == "staff") return zav::PrepareHtmlStaff(sheet, target, language, style);
    if (kind == "equipment") return zav::PrepareHtmlEquip(sheet, target, language, style);
    if (kind == "placement") return zav::PrepareHtmlPlacement(sheet, target, language, style);
    return zav::PrintHtmlPlacementDocument(sheet, language);
}

}  // namespace

int RunPage(const std::vector<std::string>& args) {
    const Command& self = FindCommand("page");
    auto run =
        ReadInvocation(self, args, 2, "expects a page and a sheet file", {"--target", "--view"});
    if (!run) return kExitUsage;
    const ParsedArgs* parsed = &run->args;
    const std::string& kind = run->File(0);
    if (!IsPageKind(kind))
        return UsageError(self,
                          "the page is sheet, staff, equipment, placement or placement-print");
    const auto destination = ParseDestination(parsed->Value("--target", "file"));
    if (!destination) return UsageError(self, "--target takes window, printer or file");
    std::optional<zav::SheetView> view;
    if (parsed->Has("--view")) {
        view = ParseView(parsed->Value("--view"));
        if (!view) return UsageError(self, "--view takes both, competition or challenge");
    }

    zav::ScoreSheet sheet;
    if (!zav::LoadSheet(sheet, run->File(1), run->Reporter())) return kExitFailure;
    const zav::PageStyle style = zav::ReadPageStyle(zav::Settings(SettingsPath(*parsed)));
    const zav::SheetView opened = zav::ShowOnOpening(sheet, run->language, style);
    if (!view) view = opened;

    const std::string page = BuildPage(kind, sheet, *view, *destination, run->language, style);
    const std::string bytes = zav::EncodePageBytes(page);
    std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::cout.flush();
    return std::cout ? kExitOk : kExitFailure;
}

}  // namespace zavcli
