// The arena network's server: live results for the phones at the ground and
// results sent from the finish line, every connection served by one I/O
// thread of its own (Boost.Asio and Boost.Beast): a watching phone holds a
// socket, never a thread, and each request has its bounds and deadline. It
// never sees the window's sheet: it answers from the last snapshot handed to
// it and hands the results it receives back as values, to be taken on the
// window's thread, which it never blocks.
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "arena/ArenaSnapshot.h"
#include "arena/ConnectionBudget.h"
#include "arena/FinishLineResult.h"
#include "arena/JudgePhones.h"

namespace zav {

struct ArenaOptions {
    std::string bind = "0.0.0.0";           // the interface's address; every interface by default
    int port = 8080;                        // 0: any free port (tests)
    bool entry = true;                      // finish-line entry served
    Language language = Language::English;  // of the reason the port cannot be opened
    // The whole request from its first byte; a kept connection's next request
    // from the end of the last answer.
    std::chrono::milliseconds requestDeadline{5000};
    ConnectionLimits limits{};
};

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
    // for a new one, and a phone sending one received before the stop again
    // has it counted once. Running already, it moves: the old port serves until
    // the new one is open (and goes on serving when it cannot be), and the
    // code, the judges' sessions and the results carry over.
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
    // A result accepted, then taken back by an undo (Undone), or back on the
    // sheet by a redo (Accepted): the judge's phone follows.
    void Decide(int id, FinishLineStatus status);

    // The judges' phones that opened a session, and whether each is within
    // reach now.
    std::vector<JudgePhone> Judges() const;

    int Watchers() const;
    int RefusedAttempts() const;
    // How often the network's wrong codes drew a new entry code.
    int CodesDrawn() const;
    // Faults of the program on the server's thread since the start, each
    // caught there: the connection it served is lost, not the program.
    int Faults() const;
    // Whether the system refused a connection for want of descriptors since
    // the start (the program asked it for as many as it allows).
    bool DescriptorsRanOut() const;

    struct State;

private:
    std::unique_ptr<State> state_;
};

}  // namespace zav
