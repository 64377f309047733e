// Any bytes as a recovery file: the reader must never crash; what it accepts
// is written and read back the same, and the sheet it carries goes through
// the sheet reader and the restore question as at start-up. Bytes it refuses
// make a record of their own for the same write and read.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "recovery/RecoveryFile.h"
#include "sheetfile/SheetFile.h"
#include "texts/Texts.h"

namespace {

// What the program writes for a record reads back as the same record.
void CheckRoundTrip(const zav::RecoveryRecord& record) {
    zav::RecoveryRecord again;
    if (!zav::ParseRecoveryFile(zav::RecoveryFileBytes(record), again) ||
        again.folder != record.folder || again.name != record.name ||
        again.setFile != record.setFile || again.written != record.written ||
        again.sheetBytes != record.sheetBytes)
        std::abort();
}

// A record made of the bytes' pieces between NULs, so that the writer and the
// reader meet any values whatever the file's layout.
zav::RecoveryRecord RecordOfPieces(std::string_view bytes) {
    zav::RecoveryRecord record;
    record.written = static_cast<std::time_t>(bytes.size()) - 100;  // before 1970 too
    for (std::string* field : {&record.folder, &record.name, &record.setFile, &record.sheetBytes}) {
        const std::size_t end = std::min(bytes.find('\0'), bytes.size());
        *field = std::string(bytes.substr(0, end));
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
    }
    return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    zav::RecoveryRecord record;
    if (!zav::ParseRecoveryFile(bytes, record)) {
        CheckRoundTrip(RecordOfPieces(bytes));
        return 0;
    }
    CheckRoundTrip(record);

    const zav::Language language = zav::kLanguages[size % 4];
    zav::ScoreSheet sheet;
    zav::RecordingMessageSink messages;
    // Both questions: the plain one, and the one over a file saved since.
    if (zav::ParseSheet(sheet, record.sheetBytes, zav::Reporter(language, messages)))
        (void)zav::RecoveryOffer(record, sheet.sTitle, size % 2 ? 0 : 1, language);
    (void)record.SheetFile();
    return 0;
}
