// zavscore-cli convert: read a sheet as the program opens it and write it as
// the program saves it (old files brought to the current layout, game names
// translated).
#include "CliSupport.h"
#include "sheetfile/SheetFile.h"

namespace zavcli {

int RunConvert(const std::vector<std::string>& args) {
    const Command& self = FindCommand("convert");
    std::string problem;
    auto parsed = ParseArgs(args, {"--lang", "--settings"}, {}, problem);
    if (!parsed) return UsageError(self, problem);
    if (parsed->positional.size() != 2) return UsageError(self, "expects IN and OUT");
    const auto language = ResolveLanguage(*parsed);
    if (!language) return UsageError(self, "--lang takes FR, EN, IT or GE");

    StderrMessageSink messages;
    zav::ScoreSheet sheet;
    if (zav::LoadSheet(sheet, parsed->positional[0], *language, messages) != 0) return kExitFailure;
    // A set sheet keeps naming the set file it was read with.
    sheet.wxsMScoreOpen = sheet.wxsScoreSetFileName;
    if (zav::SaveSheet(sheet, parsed->positional[1], *language, messages) != 0) return kExitFailure;
    return kExitOk;
}

}  // namespace zavcli
