// The arena network's server: live results for the phones at the ground and
// results sent from the finish line, on threads of its own. It never sees the
// window's sheet: it answers from the last snapshot handed to it and hands
// the results it receives back as values, to be taken on the window's thread.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "arena/ArenaSnapshot.h"
#include "arena/FinishLineResult.h"

namespace zav {

struct ArenaOptions {
    std::string bind = "0.0.0.0";           // the interface's address; every interface by default
    int port = 8080;                        // 0: any free port (tests)
    bool entry = true;                      // finish-line entry served
    Language language = Language::English;  // of the reason the port cannot be opened
};

// The most phones watching at once; more are told to come back (their pages
// then poll).
constexpr int kMaxWatchers = 240;

class ArenaServer {
public:
    ArenaServer();
    ~ArenaServer();  // stops
    ArenaServer(const ArenaServer&) = delete;
    ArenaServer& operator=(const ArenaServer&) = delete;

    // Opens the port and starts answering, with a new entry code; false with
    // the reason when the port cannot be opened (the common ones in the
    // options' language, else the system's words). Results are numbered on
    // from the last start, so a result kept through a stop is never taken
    // for a new one.
    bool Start(const ArenaOptions& options, std::string& reason);
    void Stop();
    bool Running() const;
    int Port() const;  // the port opened
    std::string EntryCode() const;

    // The pages of the moment; every phone watching is told at once.
    void SetSnapshot(std::shared_ptr<const ArenaSnapshot> snapshot);

    // Results received since the last call, oldest first.
    std::vector<FinishLineResult> TakeArrivals();
    // The scorer's decision on result `id`, shown on the judge's phone at
    // once (its page hears of it on the event stream).
    void Decide(int id, bool accepted);

    int Watchers() const;
    int RefusedAttempts() const;

    struct State;

private:
    std::unique_ptr<State> state_;
};

}  // namespace zav
