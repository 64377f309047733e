// Any bytes as a recovery file: the reader must never crash; what it accepts
// is written and read back the same, and the sheet it carries goes through
// the sheet reader and the restore question as at start-up.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "recovery/RecoveryFile.h"
#include "sheetfile/SheetFile.h"
#include "texts/Texts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    zav::RecoveryRecord record;
    if (!zav::ParseRecoveryFile(bytes, record)) return 0;

    zav::RecoveryRecord again;
    if (!zav::ParseRecoveryFile(zav::RecoveryFileBytes(record), again) ||
        again.folder != record.folder || again.name != record.name ||
        again.setFile != record.setFile || again.written != record.written ||
        again.sheetBytes != record.sheetBytes)
        std::abort();

    const zav::Language language = zav::kLanguages[size % 4];
    zav::ScoreSheet sheet;
    zav::RecordingMessageSink messages;
    if (zav::ParseSheet(sheet, record.sheetBytes, zav::Reporter(language, messages)))
        (void)zav::RecoveryOffer(record, sheet.sTitle, language);
    (void)record.SheetFile();
    return 0;
}
