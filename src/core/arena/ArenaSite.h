// What the arena network answers, apart from any connection: the live pages
// of the last snapshot, the entry code and the judges' sessions, the results
// sent from the finish line until the window takes them, and the scorer's
// decisions shown on the judges' phones. The server's thread asks it for
// answers while the window's thread hands it snapshots and decisions: it
// locks inside, briefly, and never blocks on the network.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "arena/ArenaSnapshot.h"
#include "arena/EntryGate.h"
#include "arena/FinishLineResult.h"
#include "arena/HttpMessage.h"
#include "arena/JudgePhones.h"

namespace zav {

// How many snapshots and decisions there were: a watcher is told of each
// new one.
struct ArenaVersions {
    unsigned long long pages = 0, decisions = 0;
    bool operator!=(const ArenaVersions& o) const {
        return pages != o.pages || decisions != o.decisions;
    }
};

// What a watcher that has heard of `seen` is told when the versions are
// `now`: a decision as an event of its own kind (the live pages do not reload
// for it, a judge's result page does), a new snapshot as an unnamed one; empty
// when nothing is new.
std::string EventMessage(const ArenaVersions& seen, const ArenaVersions& now);

// The first message of a watcher: how soon its browser comes back, between
// 2 and 5 seconds, so that the phones of a ground that lost the network do
// not all come back in the same instant (the judges' requests would queue
// behind them).
std::string EventStreamGreeting(unsigned random);
// Sent to a watcher when nothing happened for a while, so that a connection
// cut without a word is found out.
constexpr const char* kEventStreamKeepAlive = ": still here\n\n";

class ArenaSite {
public:
    // `entry`: the finish-line pages served; results numbered from `firstId`.
    ArenaSite(bool entry, int firstId);

    // The answer to a request read whole. A request for the event stream
    // gets its head, marked `eventStream`.
    HttpResponse Answer(const HttpRequest& request);
    // The answer to a request that could not be read (`status`: 400, 408,
    // 413, 431), in the pages' language.
    HttpResponse Refusal(int status) const;

    // Called (on the caller's thread, outside the lock) when the versions
    // change.
    void OnChange(std::function<void()> changed) { changed_ = std::move(changed); }
    ArenaVersions Versions() const;

    void SetSnapshot(std::shared_ptr<const ArenaSnapshot> snapshot);
    std::vector<FinishLineResult> TakeArrivals();
    // The scorer's decision on result `id`, or its undoing.
    void Decide(int id, FinishLineStatus status);
    std::string EntryCode() const;
    // The judges' phones, and whether each is within reach now.
    std::vector<JudgePhone> Judges() const;
    // What an earlier start of the network received (the results' statuses
    // and the ids the phones gave them), so that a phone sending again a
    // result received before the stop has it counted once still.
    void CarryReceived(const ArenaSite& earlier);
    int RefusedAttempts() const;
    int CodesDrawn() const;
    int NextId() const;

private:
    std::shared_ptr<const ArenaSnapshot> Snapshot() const;
    void Live(const HttpRequest& request, HttpResponse& response);
    void EntryForm(const HttpRequest& request, HttpResponse& response);
    void EntryCode(const HttpRequest& request, HttpResponse& response);
    void EntryResult(const HttpRequest& request, HttpResponse& response);
    void EntryStatus(const HttpRequest& request, HttpResponse& response);
    void Screen(const HttpRequest& request, HttpResponse& response);
    // A request of a judge's phone: heard of now. Under the lock.
    void JudgeSeen(const HttpRequest& request);
    // A result id `phoneId` the phone gave a result received as `id`.
    void RememberPhoneId(const std::string& phoneId, int id);
    void Changed(unsigned long long ArenaVersions::*what);

    const bool entry_;
    std::function<void()> changed_;
    mutable std::mutex mutex_;  // everything below
    ArenaVersions versions_;
    std::shared_ptr<const ArenaSnapshot> snapshot_ = std::make_shared<ArenaSnapshot>();
    EntryGate gate_;
    int nextId_;
    // Not yet taken by the window, which keeps them until the scorer decides
    // (WaitingResults).
    std::vector<FinishLineResult> arrivals_;
    struct Sent {
        FinishLineStatus status;
        std::string session;
        int game;
    };
    std::map<int, Sent> statuses_;  // by result id
    // The results' ids made on the phones, oldest first, bounded with the
    // statuses: a copy sent again is answered as the first was.
    std::map<std::string, int> phoneIds_;
    std::deque<std::string> phoneIdOrder_;
    JudgePhones judges_;
};

}  // namespace zav
