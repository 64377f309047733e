// zavscore-cli convert: read a sheet as the program opens it and write it as
// the program saves it (old files brought to the current layout, game names
// translated).
#include "CliSupport.h"
#include "sheetfile/SheetFile.h"

namespace zavcli {

int RunConvert(const std::vector<std::string>& args) {
    auto run = ReadInvocation(FindCommand("convert"), args, 2, "expects IN and OUT");
    if (!run) return kExitUsage;
    zav::ScoreSheet sheet;
    if (!zav::LoadSheet(sheet, run->File(0), run->Reporter())) return kExitFailure;
    // A set sheet keeps naming the set file it was read with.
    sheet.sMScoreOpen = sheet.sScoreSetFileName;
    return zav::SaveSheet(sheet, run->File(1), run->Reporter()) ? kExitOk : kExitFailure;
}

}  // namespace zavcli
