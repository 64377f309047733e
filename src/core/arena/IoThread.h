// The body of the arena server's I/O thread: no exception may leave a thread
// of ours, whose end would end the scorer's program.
#pragma once

#include <atomic>
#include <boost/asio/io_context.hpp>

namespace zav {

// Runs `io` until it stops or runs out of work. An exception thrown by a
// handler is counted in `faults` (the window says so), and the thread goes
// on with the other connections' work.
inline void RunCatchingFaults(boost::asio::io_context& io, std::atomic<int>& faults) {
    for (;;) {
        try {
            io.run();
            return;
        } catch (...) {
            ++faults;
        }
    }
}

}  // namespace zav
