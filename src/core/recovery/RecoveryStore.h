// The recovery files of the programs that run or ran for this user, in one
// folder (the state folder). Each running program holds a lock on a file of
// its own for as long as it runs; its recovery file has the same name, so a
// recovery file whose lock nobody holds was left by a program that did not
// end cleanly. The kernel releases a lock when its process dies, however it
// dies (SIGKILL, power loss), so no pid is trusted: a pid may have been given
// to another process since, or belong to another pid namespace (a sandboxed
// copy of the program).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileLock.h"
#include "recovery/RecoveryFile.h"

namespace zav {

// The running program's own recovery file.
class RecoverySession {
public:
    // Starts this program's session in `folder`, made if missing. Nothing
    // when it cannot be made or written: the program then runs without a
    // recovery file.
    static std::unique_ptr<RecoverySession> Start(const std::string& folder);
    // The program ends: the lock is released. A recovery file still there
    // (changes nobody saved or discarded) stays, to be offered next time.
    ~RecoverySession();
    RecoverySession(const RecoverySession&) = delete;
    RecoverySession& operator=(const RecoverySession&) = delete;

    // Replaces the recovery file by a complete new one; false when it could
    // not be written.
    [[nodiscard]] bool Write(const RecoveryRecord& record);
    // The changes are saved, or the user gave them up.
    void Remove();

    const std::string& RecoveryPath() const { return recoveryPath_; }

private:
    RecoverySession(FileLock lock, std::string recoveryPath);

    FileLock lock_;
    std::string recoveryPath_;
};

struct LeftRecoveries;

// A recovery file left by a program that no longer runs. While this object
// lives it holds that program's lock, so no other program offers the same
// file at the same time; destroyed, it leaves the file for another time.
class LeftRecovery {
public:
    LeftRecovery(LeftRecovery&& other) noexcept = default;
    LeftRecovery& operator=(LeftRecovery&& other) noexcept;
    ~LeftRecovery();

    const RecoveryRecord& Record() const { return record_; }
    // When the sheet's file was saved after this recovery file was written:
    // the time of that save, else 0.
    std::time_t SheetSavedSince() const;
    // The file is restored into the running program's own, or refused:
    // it is removed.
    void Discard();
    // The sheet it holds cannot be read: the file goes to the damaged folder.
    void PutAside();

private:
    friend LeftRecoveries TakeLeftRecoveries(const std::string& folder);
    LeftRecovery(FileLock lock, bool lockMade, std::string recoveryPath, RecoveryRecord record);
    void Release();

    FileLock lock_;
    bool lockMade_;  // the lock file was made to take the file: it goes with it
    std::string recoveryPath_;
    RecoveryRecord record_;
};

// Where recovery files that cannot be offered are put aside, beside the
// others: the user may look at them, and no start-up reads them again.
std::string DamagedFolder(const std::string& folder);

struct LeftRecoveries {
    std::vector<LeftRecovery> offers;  // newest first
    bool putAside = false;             // some files were moved into the damaged folder
};

// The recovery files in `folder` whose programs no longer run, newest first,
// each taken for this program; the program's other files are left alone.
// One that is not whole, not of a version this program reads, unreadable,
// too long or no plain file (a FIFO is never opened) is moved into
// DamagedFolder and its lock removed. Also removes the locks of ended
// programs that left no recovery file: a start-up never leaves more files
// than it found.
LeftRecoveries TakeLeftRecoveries(const std::string& folder);

}  // namespace zav
