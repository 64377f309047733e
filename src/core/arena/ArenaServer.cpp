#include "arena/ArenaServer.h"

#include <atomic>
#include <boost/asio/ip/tcp.hpp>
#include <boost/asio/post.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/write.hpp>
#include <boost/beast/core/flat_buffer.hpp>
#include <boost/beast/core/tcp_stream.hpp>
#include <boost/beast/http/read.hpp>
#include <boost/beast/http/string_body.hpp>
#include <boost/beast/http/write.hpp>
#include <chrono>
#include <future>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <thread>

#include "arena/ArenaSite.h"
#include "arena/ConnectionBudget.h"
#include "arena/IoThread.h"
#include "platform/NetworkInterfaces.h"

namespace zav {
namespace {

namespace asio = boost::asio;
namespace beast = boost::beast;
namespace http = beast::http;
using tcp = asio::ip::tcp;
using namespace std::chrono_literals;

// A request's head and body, each: far more than any page or form of ours.
constexpr std::uint32_t kMaxHeadBytes = 16 * 1024;
constexpr std::uint64_t kMaxBodyBytes = 16 * 1024;
// A watcher that reads none of its messages for this long is gone.
constexpr auto kWatcherWriteDeadline = 30s;
constexpr auto kKeepAliveComment = 15s;
// After the system refused a descriptor, accepting waits a moment instead
// of spinning on the same refusal.
constexpr auto kAcceptPause = 100ms;

struct Engine;

// One connection: it reads requests (kept alive) and writes their answers;
// one asking for the event stream becomes a watcher, holding its socket and
// nothing else until it leaves.
class Session : public std::enable_shared_from_this<Session> {
public:
    Session(Engine& engine, tcp::socket socket, ConnectionBudget::Id id, std::string address)
        : engine_(engine), stream_(std::move(socket)), id_(id), address_(std::move(address)) {}

    void Read();
    void Close();
    // The versions changed, or a keep-alive comment is due.
    void Notify(bool keepAlive);

private:
    void OnRead(beast::error_code error);
    void Answer(const http::request<http::string_body>& message);
    void Write(const HttpResponse& answer, bool keepAlive);
    void Watch(const HttpResponse& head);
    void WatchForLeaving();
    void WriteEvents();
    void Send(bool first);

    Engine& engine_;
    beast::tcp_stream stream_;
    const ConnectionBudget::Id id_;
    const std::string address_;
    beast::flat_buffer buffer_{kMaxHeadBytes + kMaxBodyBytes};
    std::optional<http::request_parser<http::string_body>> parser_;
    bool closed_ = false;
    // As a watcher.
    bool watching_ = false;
    bool writing_ = false;
    bool keepAliveDue_ = false;
    ArenaVersions heard_;
    std::string out_;
    char drain_[64];
};

// The I/O thread's side of the server: everything here is touched on that
// thread only, apart from the atomics the window reads.
struct Engine {
    Engine(ArenaSite& site, const ArenaOptions& options)
        : site(site), requestDeadline(options.requestDeadline), budget(options.limits) {}

    void Accept();
    void Broadcast(bool keepAlive);
    void KeepAliveLater();
    void Forget(ConnectionBudget::Id id) {
        budget.Closed(id);
        sessions.erase(id);
        watchers = budget.Watchers();
    }

    asio::io_context io{1};
    tcp::acceptor acceptor{io};
    asio::steady_timer keepAlive{io};
    asio::steady_timer acceptPause{io};
    ArenaSite& site;
    // Not per byte: a device sending a byte now and then is cut all the same.
    const std::chrono::milliseconds requestDeadline;
    ConnectionBudget budget;
    std::map<ConnectionBudget::Id, std::weak_ptr<Session>> sessions;
    ConnectionBudget::Id nextId = 1;
    std::atomic<bool> broadcastPosted{false};
    std::atomic<int> watchers{0};
    std::atomic<bool> descriptorsRanOut{false};
    std::atomic<int> faults{0};
    std::minstd_rand random{std::random_device{}()};
};

void Session::Read() {
    parser_.emplace();
    parser_->header_limit(kMaxHeadBytes);
    parser_->body_limit(kMaxBodyBytes);
    stream_.expires_after(engine_.requestDeadline);
    http::async_read(
        stream_, buffer_, *parser_,
        [self = shared_from_this()](beast::error_code error, std::size_t) { self->OnRead(error); });
}

void Session::OnRead(beast::error_code error) {
    if (closed_) return;
    if (error) {
        // A head or body past its bound, or no request at all: said when it
        // can be, and the connection closed either way.
        const bool malformed =
            error.category() == http::make_error_code(http::error::bad_method).category() &&
            error != http::error::end_of_stream && error != http::error::partial_message;
        const int status = error == http::error::header_limit ? 431
                           : error == http::error::body_limit ? 413
                           : malformed                        ? 400
                                                              : 0;
        if (status == 0) return Close();
        engine_.budget.Answered(id_);
        return Write(engine_.site.Refusal(status), false);
    }
    engine_.budget.Answered(id_);
    const http::request<http::string_body> message = parser_->release();
    parser_.reset();
    Answer(message);
}

void Session::Answer(const http::request<http::string_body>& message) {
    HttpRequest request;
    const http::verb verb = message.method();
    if (verb != http::verb::get && verb != http::verb::head && verb != http::verb::post)
        return Write(engine_.site.Refusal(404), false);
    request.post = verb == http::verb::post;
    const beast::string_view target = message.target();
    const std::size_t question = target.find('?');
    request.path =
        DecodePercent(std::string_view(target.data(), std::min(question, target.size())), false);
    if (question != beast::string_view::npos)
        request.params = ReadUrlEncoded(
            std::string_view(target.data() + question + 1, target.size() - question - 1));
    if (request.post) {
        const FormFields posted = ReadUrlEncoded(message.body());
        request.params.insert(posted.begin(), posted.end());
    }
    const beast::string_view cookies = message[http::field::cookie];
    request.cookies.assign(cookies.data(), cookies.size());
    request.remoteAddress = address_;

    HttpResponse answer = engine_.site.Answer(request);
    if (verb == http::verb::head) answer.body.clear();
    if (!answer.eventStream) return Write(answer, message.keep_alive());
    if (engine_.budget.Watch(id_)) return Watch(answer);
    HttpResponse busy = engine_.site.Refusal(503);
    busy.headers.emplace_back("Retry-After", "5");
    Write(busy, false);
}

void Session::Write(const HttpResponse& answer, bool keepAlive) {
    auto response = std::make_shared<http::response<http::string_body>>(
        static_cast<http::status>(answer.status), 11);
    response->set(http::field::content_type, answer.contentType);
    for (const auto& [name, value] : answer.headers) response->insert(name, value);
    response->body() = answer.body;
    response->keep_alive(keepAlive);
    response->prepare_payload();
    stream_.expires_after(engine_.requestDeadline);
    http::async_write(stream_, *response,
                      [self = shared_from_this(), response](beast::error_code error, std::size_t) {
                          if (self->closed_) return;
                          if (error || !response->keep_alive()) return self->Close();
                          self->engine_.budget.Reading(self->id_);
                          self->Read();
                      });
}

// The head, then messages as the versions change; the connection stays
// open until the phone leaves, which a read that never gets data tells.
void Session::Watch(const HttpResponse& head) {
    watching_ = true;
    engine_.watchers = engine_.budget.Watchers();
    buffer_.clear();
    buffer_.shrink_to_fit();
    heard_ = engine_.site.Versions();
    out_ = "HTTP/1.1 200 OK\r\nContent-Type: " + head.contentType + "\r\n";
    for (const auto& [name, value] : head.headers) out_ += name + ": " + value + "\r\n";
    out_ += "Connection: close\r\n\r\n";
    out_ += EventStreamGreeting(static_cast<unsigned>(engine_.random()));
    Send(true);
}

// A watcher's message; one that reads none of them for a while is gone.
void Session::Send(bool first) {
    writing_ = true;
    stream_.expires_after(kWatcherWriteDeadline);
    asio::async_write(stream_, asio::buffer(out_),
                      [self = shared_from_this(), first](beast::error_code error, std::size_t) {
                          self->writing_ = false;
                          if (self->closed_) return;
                          if (error) return self->Close();
                          self->stream_.expires_never();
                          if (first) self->WatchForLeaving();
                          // What changed while this message went out.
                          self->WriteEvents();
                      });
}

void Session::WatchForLeaving() {
    stream_.async_read_some(asio::buffer(drain_),
                            [self = shared_from_this()](beast::error_code error, std::size_t) {
                                if (self->closed_) return;
                                if (error) return self->Close();
                                self->WatchForLeaving();
                            });
}

void Session::Notify(bool keepAlive) {
    if (!watching_ || closed_) return;
    keepAliveDue_ = keepAliveDue_ || keepAlive;
    if (!writing_) WriteEvents();
}

void Session::WriteEvents() {
    const ArenaVersions now = engine_.site.Versions();
    out_ = EventMessage(heard_, now);
    if (out_.empty() && keepAliveDue_) out_ = kEventStreamKeepAlive;
    keepAliveDue_ = false;
    if (out_.empty()) return;
    heard_ = now;
    Send(false);
}

void Session::Close() {
    if (closed_) return;
    closed_ = true;
    beast::error_code ignored;
    stream_.socket().shutdown(tcp::socket::shutdown_both, ignored);
    stream_.close();
    engine_.Forget(id_);
}

void Engine::Accept() {
    acceptor.async_accept([this](beast::error_code error, tcp::socket socket) {
        if (error == asio::error::operation_aborted || !acceptor.is_open()) return;
        if (error == asio::error::no_descriptors) {
            // The window says so; accepting goes on once some are freed.
            descriptorsRanOut = true;
            acceptPause.expires_after(kAcceptPause);
            acceptPause.async_wait([this](beast::error_code waited) {
                if (!waited) Accept();
            });
            return;
        }
        if (error) return Accept();  // a connection gone before it was taken
        beast::error_code ignored;
        const std::string address = socket.remote_endpoint(ignored).address().to_string();
        const ConnectionBudget::Id id = nextId++;
        std::vector<ConnectionBudget::Id> close;
        if (budget.Open(id, address, close)) {
            for (const ConnectionBudget::Id old : close) {
                const auto found = sessions.find(old);
                if (found == sessions.end()) continue;
                if (const auto session = found->second.lock()) session->Close();
            }
            auto session = std::make_shared<Session>(*this, std::move(socket), id, address);
            sessions[id] = session;
            session->Read();
        }
        Accept();
    });
}

void Engine::Broadcast(bool keepAlive) {
    broadcastPosted = false;
    // Copied first: a watcher that finds its phone gone leaves the map.
    std::vector<std::shared_ptr<Session>> watching;
    watching.reserve(sessions.size());
    for (const auto& [id, session] : sessions)
        if (auto alive = session.lock()) watching.push_back(std::move(alive));
    for (const auto& session : watching) session->Notify(keepAlive);
}

void Engine::KeepAliveLater() {
    keepAlive.expires_after(kKeepAliveComment);
    keepAlive.async_wait([this](beast::error_code error) {
        if (error) return;
        Broadcast(true);
        KeepAliveLater();
    });
}

// Why the port cannot be opened, in the scorer's words where the reason is
// a common one.
std::string PortReason(const beast::error_code& error, const ArenaOptions& options) {
    // Compared as the portable conditions, which Windows' socket errors map to.
    namespace errc = boost::system::errc;
    if (error == errc::address_in_use) return Text(options.language, TextId::ArenaPortInUse);
    if (error == errc::permission_denied || error == errc::operation_not_permitted)
        return Text(options.language, TextId::ArenaPortNotAllowed);
    if (error == errc::address_not_available)
        return FormatText(Text(options.language, TextId::ArenaAddressNotAvailable), options.bind);
    return error.message();
}

void Listen(tcp::acceptor& acceptor, const tcp::endpoint& endpoint, beast::error_code& error) {
    acceptor.open(endpoint.protocol(), error);
    if (error) return;
    SetListeningOptions(static_cast<NativeSocket>(acceptor.native_handle()));
    acceptor.bind(endpoint, error);
    if (!error) acceptor.listen(asio::socket_base::max_listen_connections, error);
}

}  // namespace

struct ArenaServer::State {
    State(const ArenaOptions& options, std::shared_ptr<ArenaSite> site)
        : options(options), site(std::move(site)), engine(*this->site, options) {}

    ArenaOptions options;
    std::shared_ptr<ArenaSite> site;  // a move to another port keeps it
    Engine engine;
    int port = 0;
    std::thread thread;
};

ArenaServer::ArenaServer() = default;

ArenaServer::~ArenaServer() {
    Stop();
}

bool ArenaServer::Start(const ArenaOptions& options, std::string& reason) {
    const bool moving = Running();
    auto site =
        moving ? state_->site
               : std::make_shared<ArenaSite>(options.entry, state_ ? state_->site->NextId() : 1);
    if (!moving && state_) site->CarryReceived(*state_->site);
    RaiseOpenFileLimit();
    beast::error_code error;
    const asio::ip::address address = asio::ip::make_address(options.bind, error);
    if (error) {
        reason = FormatText(Text(options.language, TextId::ArenaAddressNotAvailable), options.bind);
        return false;
    }
    const tcp::endpoint endpoint(address, static_cast<unsigned short>(options.port));
    auto state = std::make_unique<State>(options, site);
    Listen(state->engine.acceptor, endpoint, error);
    // The same port on another interface is the old one's until it closes.
    if (error && moving && options.port == state_->port) {
        Stop();
        state = std::make_unique<State>(options, site);
        Listen(state->engine.acceptor, endpoint, error);
    }
    if (error) {
        reason = PortReason(error, options);
        return false;
    }
    // Only now that the new port is open do the phones lose the old one.
    Stop();
    Engine& engine = state->engine;
    state->port = engine.acceptor.local_endpoint().port();
    site->OnChange([&engine] {
        // One wake-up of the I/O thread however many changes come at once.
        if (!engine.broadcastPosted.exchange(true))
            asio::post(engine.io, [&engine] { engine.Broadcast(false); });
    });
    engine.Accept();
    engine.KeepAliveLater();
    state->thread = std::thread([&engine] { RunCatchingFaults(engine.io, engine.faults); });
    state_ = std::move(state);
    return true;
}

void ArenaServer::Stop() {
    if (!state_ || !state_->thread.joinable()) return;
    Engine& engine = state_->engine;
    state_->site->OnChange(nullptr);
    std::promise<void> closed;
    asio::post(engine.io, [&engine, &closed] {
        beast::error_code ignored;
        engine.acceptor.close(ignored);
        engine.keepAlive.cancel();
        engine.acceptPause.cancel();
        std::vector<std::shared_ptr<Session>> open;
        for (const auto& [id, session] : engine.sessions)
            if (auto alive = session.lock()) open.push_back(std::move(alive));
        for (const auto& session : open) session->Close();
        closed.set_value();
    });
    // Every operation ends at once once its socket is closed; a stuck one
    // cannot hold the window.
    closed.get_future().wait_for(2s);
    engine.io.stop();
    state_->thread.join();
}

bool ArenaServer::Running() const {
    return state_ && state_->thread.joinable();
}

int ArenaServer::Port() const {
    return state_ ? state_->port : 0;
}

std::string ArenaServer::EntryCode() const {
    return state_ ? state_->site->EntryCode() : "";
}

void ArenaServer::SetSnapshot(std::shared_ptr<const ArenaSnapshot> snapshot) {
    if (state_) state_->site->SetSnapshot(std::move(snapshot));
}

std::vector<FinishLineResult> ArenaServer::TakeArrivals() {
    return state_ ? state_->site->TakeArrivals() : std::vector<FinishLineResult>{};
}

void ArenaServer::Decide(int id, bool accepted) {
    Decide(id, accepted ? FinishLineStatus::Accepted : FinishLineStatus::Rejected);
}

void ArenaServer::Decide(int id, FinishLineStatus status) {
    if (state_) state_->site->Decide(id, status);
}

std::vector<JudgePhone> ArenaServer::Judges() const {
    return state_ ? state_->site->Judges() : std::vector<JudgePhone>{};
}

int ArenaServer::Watchers() const {
    return state_ ? state_->engine.watchers.load() : 0;
}

int ArenaServer::RefusedAttempts() const {
    return state_ ? state_->site->RefusedAttempts() : 0;
}

int ArenaServer::CodesDrawn() const {
    return state_ ? state_->site->CodesDrawn() : 0;
}

int ArenaServer::Faults() const {
    return state_ ? state_->engine.faults.load() : 0;
}

bool ArenaServer::DescriptorsRanOut() const {
    return state_ && state_->engine.descriptorsRanOut;
}

}  // namespace zav
