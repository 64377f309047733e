#include "arena/ArenaServer.h"

#include <httplib.h>

#include <atomic>
#include <condition_variable>
#include <ctime>
#include <map>
#include <mutex>
#include <thread>

#include "arena/EntryGate.h"
#include "arena/EntryPages.h"
#include "encoding/Markup.h"
#include "platform/NetworkInterfaces.h"

namespace zav {
namespace {

// Every watcher holds a thread while its page is open; the rest answer pages.
constexpr int kThreads = kMaxWatchers + 32;
constexpr std::size_t kMaxRequestBytes = 16 * 1024;
constexpr std::size_t kMaxStatuses = 10000;
constexpr auto kKeepAliveComment = std::chrono::seconds(15);
constexpr const char* kHtml = "text/html; charset=utf-8";
constexpr const char* kSessionCookie = "zav_session";
// Tells one phone from another behind the same address (a hotspot, a
// router): wrong codes are counted per phone first.
constexpr const char* kDeviceCookie = "zav_device";

std::string LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    char text[8] = "";
    if (local) std::strftime(text, sizeof text, "%H:%M", local);
    return text;
}

std::string CookieValue(const httplib::Request& request, const std::string& name) {
    const std::string cookies = request.get_header_value("Cookie");
    const std::string key = name + "=";
    for (std::size_t at = 0; at < cookies.size();) {
        while (at < cookies.size() && (cookies[at] == ' ' || cookies[at] == ';')) ++at;
        if (cookies.compare(at, key.size(), key) == 0) {
            const std::size_t end = cookies.find(';', at);
            return cookies.substr(at + key.size(), end == std::string::npos
                                                       ? std::string::npos
                                                       : end - at - key.size());
        }
        at = cookies.find(';', at);
    }
    return "";
}

const char* PictureType(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    std::string ext = dot == std::string::npos ? "" : name.substr(dot + 1);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == "png") return "image/png";
    if (ext == "jpg" || ext == "jpeg") return "image/jpeg";
    if (ext == "gif") return "image/gif";
    if (ext == "bmp") return "image/bmp";
    return "application/octet-stream";
}

// The sheet a request names ("s", from 1), else the open one; -1 when it
// names none of them.
int SheetAsked(const httplib::Request& request, const ArenaSnapshot& snapshot) {
    if (!request.has_param("s")) return static_cast<int>(snapshot.current);
    const std::string text = request.get_param_value("s");
    if (text.empty() || text.size() > 3) return -1;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n >= 1 && n <= static_cast<int>(snapshot.sheets.size()) ? n - 1 : -1;
}

// A set's sheets as links, put before the live part of the page.
std::string WithIndex(std::string page, const ArenaSnapshot& snapshot, int shown) {
    std::string index = "<nav><h2>" + EscapeMarkup(snapshot.heading) + "</h2><ol>";
    for (std::size_t s = 0; s < snapshot.sheets.size(); ++s) {
        index += "<li><a href=\"/?s=" + std::to_string(s + 1) + "\">";
        if (static_cast<int>(s) == shown) index += "<b>";
        index += EscapeMarkup(snapshot.sheets[s].title);
        if (static_cast<int>(s) == shown) index += "</b>";
        index += "</a></li>";
    }
    index += "</ol></nav>\n";
    const std::size_t at = page.find("<main");
    if (at != std::string::npos) page.insert(at, index);
    return page;
}

}  // namespace

struct ArenaServer::State {
    httplib::Server server;
    std::thread thread;
    ArenaOptions options;
    int port = 0;

    // How many snapshots and decisions there were: the watchers hear of
    // each new one.
    struct Versions {
        unsigned long long pages = 0, decisions = 0;
        bool operator!=(const Versions& o) const {
            return pages != o.pages || decisions != o.decisions;
        }
    };
    // The watchers' own lock, so that their wake-ups never queue before the
    // window's thread on the lock of the snapshot and the results.
    std::mutex eventsMutex;  // the versions and stopping
    std::condition_variable changed;
    Versions version;
    bool stopping = false;
    // Waking every watcher costs a moment: a thread of the server does it,
    // told by the window's thread with one notification.
    std::thread announcer;
    std::condition_variable news;
    Versions announced;  // what the watchers are told of

    void Announce() {
        std::unique_lock<std::mutex> lock(eventsMutex);
        while (!stopping) {
            news.wait(lock, [this] { return stopping || announced != version; });
            announced = version;
            lock.unlock();
            changed.notify_all();
            lock.lock();
        }
    }

    void Changed(unsigned long long Versions::*what) {
        {
            std::lock_guard<std::mutex> lock(eventsMutex);
            ++(version.*what);
        }
        news.notify_one();
    }

    mutable std::mutex mutex;  // everything below
    std::shared_ptr<const ArenaSnapshot> snapshot = std::make_shared<ArenaSnapshot>();
    std::unique_ptr<EntryGate> gate;
    int nextId = 1;
    std::vector<FinishLineResult> arrivals;  // not yet taken by the window
    std::vector<FinishLineResult> waiting;   // not yet decided
    struct Sent {
        FinishLineStatus status;
        std::string session;
        int game;
    };
    std::map<int, Sent> statuses;  // by result id
    std::atomic<int> watchers{0};

    std::shared_ptr<const ArenaSnapshot> Snapshot() const {
        std::lock_guard<std::mutex> lock(mutex);
        return snapshot;
    }

    void Routes();
    void Live(const httplib::Request& request, httplib::Response& response);
    void Events(httplib::Response& response);
    void EntryForm(const httplib::Request& request, httplib::Response& response);
    void EntryCode(const httplib::Request& request, httplib::Response& response);
    void EntryResult(const httplib::Request& request, httplib::Response& response);
    void EntryStatus(const httplib::Request& request, httplib::Response& response);
    // The phone's mark from its cookie; empty for a phone without one (or
    // with one not of ours), counted by its address until it has one.
    static std::string DeviceOf(const httplib::Request& request) {
        const std::string device = CookieValue(request, kDeviceCookie);
        return EntryGate::IsDeviceMark(device) ? device : "";
    }
    static void MarkDevice(const httplib::Request& request, httplib::Response& response) {
        if (DeviceOf(request).empty())
            response.set_header("Set-Cookie", std::string(kDeviceCookie) + "=" + RandomHex(16) +
                                                  "; Path=/entry; HttpOnly; SameSite=Strict");
    }
    void Refuse(httplib::Response& response, int status, TextId reason, Language language) {
        response.status = status;
        response.set_content(EntryProblemPage(Text(language, reason), language), kHtml);
    }
};

void ArenaServer::State::Routes() {
    server.Get("/", [this](const httplib::Request& rq, httplib::Response& rs) { Live(rq, rs); });
    server.Get("/sheet", [this](const httplib::Request& request, httplib::Response& response) {
        const auto shot = Snapshot();
        const int s = SheetAsked(request, *shot);
        if (s < 0 || shot->sheets.empty())
            return Refuse(response, 404, TextId::EntryNotFound, shot->language);
        response.set_content(shot->sheets[s].sheetPage, "text/html; charset=iso-8859-1");
    });
    server.Get("/events", [this](const httplib::Request&, httplib::Response& rs) { Events(rs); });
    if (options.entry) {
        server.Get("/entry", [this](const httplib::Request& rq, httplib::Response& rs) {
            EntryForm(rq, rs);
        });
        server.Post("/entry/code", [this](const httplib::Request& rq, httplib::Response& rs) {
            EntryCode(rq, rs);
        });
        server.Post("/entry/result", [this](const httplib::Request& rq, httplib::Response& rs) {
            EntryResult(rq, rs);
        });
        server.Get("/entry/status", [this](const httplib::Request& rq, httplib::Response& rs) {
            EntryStatus(rq, rs);
        });
    }
    // The logo, by its name alone: no other file is ever served.
    server.Get("/([^/]+)", [this](const httplib::Request& request, httplib::Response& response) {
        const auto shot = Snapshot();
        if (shot->logoName.empty() || request.matches[1] != shot->logoName)
            return Refuse(response, 404, TextId::EntryNotFound, shot->language);
        response.set_content(shot->logoBytes, PictureType(shot->logoName));
    });
    server.set_error_handler([this](const httplib::Request&, httplib::Response& response) {
        if (!response.body.empty()) return;
        const Language language = Snapshot()->language;
        response.set_content(
            EntryProblemPage(Text(language, response.status == 404 ? TextId::EntryNotFound
                                                                   : TextId::EntryBadForm),
                             language),
            kHtml);
    });
}

void ArenaServer::State::Live(const httplib::Request& request, httplib::Response& response) {
    const auto shot = Snapshot();
    response.set_header("Cache-Control", "no-store");
    if (shot->sheets.empty()) {
        response.set_content(
            EntryProblemPage(Text(shot->language, TextId::EntryNoSheet), shot->language), kHtml);
        return;
    }
    const int s = SheetAsked(request, *shot);
    if (s < 0) return Refuse(response, 404, TextId::EntryNotFound, shot->language);
    const std::string& page = shot->sheets[s].phonePage;
    response.set_content(shot->isSet ? WithIndex(page, *shot, s) : page, kHtml);
}

void ArenaServer::State::Events(httplib::Response& response) {
    if (++watchers > kMaxWatchers) {
        --watchers;
        response.status = 503;
        response.set_header("Retry-After", "5");
        return;
    }
    response.set_header("Cache-Control", "no-store");
    auto seen = std::make_shared<Versions>();
    auto greeted = std::make_shared<bool>(false);
    {
        std::lock_guard<std::mutex> lock(eventsMutex);
        *seen = announced;
    }
    response.set_chunked_content_provider(
        "text/event-stream",
        [this, seen, greeted](std::size_t, httplib::DataSink& sink) {
            std::string message;
            if (!*greeted) {
                *greeted = true;
                message = "retry: 2000\n\n";
            } else {
                std::unique_lock<std::mutex> lock(eventsMutex);
                changed.wait_for(lock, kKeepAliveComment,
                                 [&] { return stopping || announced != *seen; });
                if (stopping) return false;
                // A decision is a named event: the live pages listen only
                // to the unnamed ones, a judge's result page to these.
                if (announced.decisions != seen->decisions)
                    message =
                        "event: decided\ndata: " + std::to_string(announced.decisions) + "\n\n";
                if (announced.pages != seen->pages)
                    message += "data: " + std::to_string(announced.pages) + "\n\n";
                if (message.empty()) message = ": still here\n\n";
                *seen = announced;
            }
            return sink.write(message.data(), message.size());
        },
        [this](bool) { --watchers; });
}

void ArenaServer::State::EntryForm(const httplib::Request& request, httplib::Response& response) {
    const auto shot = Snapshot();
    response.set_header("Cache-Control", "no-store");
    std::string form;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!gate->IsSession(CookieValue(request, kSessionCookie))) {
            MarkDevice(request, response);
            response.set_content(EntryCodePage(shot->language, ""), kHtml);
            return;
        }
        form = gate->NewForm();
    }
    if (!shot->entry) return Refuse(response, 503, TextId::EntryNoSheet, shot->language);
    response.set_content(
        EntryResultPage(shot->entry->sheet, shot->entry->key, form, shot->language), kHtml);
}

void ArenaServer::State::EntryCode(const httplib::Request& request, httplib::Response& response) {
    const Language language = Snapshot()->language;
    std::string token;
    EntryGate::CodeCheck check;
    {
        std::lock_guard<std::mutex> lock(mutex);
        check = gate->TryCode(request.remote_addr, DeviceOf(request),
                              request.get_param_value("code"), EntryGate::Clock::now(), token);
    }
    switch (check) {
        case EntryGate::CodeCheck::Accepted:
            response.set_header("Set-Cookie", std::string(kSessionCookie) + "=" + token +
                                                  "; Path=/entry; HttpOnly; SameSite=Strict");
            response.set_redirect("/entry", 303);
            return;
        case EntryGate::CodeCheck::Wrong:
            MarkDevice(request, response);
            response.status = 403;
            response.set_content(EntryCodePage(language, Text(language, TextId::EntryWrongCode)),
                                 kHtml);
            return;
        case EntryGate::CodeCheck::LockedOut:
            MarkDevice(request, response);
            response.status = 429;
            response.set_header("Retry-After", "60");
            response.set_content(EntryCodePage(language, Text(language, TextId::EntryLockedOut)),
                                 kHtml);
            return;
    }
}

void ArenaServer::State::EntryResult(const httplib::Request& request, httplib::Response& response) {
    const auto shot = Snapshot();
    const Language language = shot->language;
    const std::string session = CookieValue(request, kSessionCookie);
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!gate->IsSession(session))
            return Refuse(response, 403, TextId::EntryBadToken, language);
    }
    if (!shot->entry) return Refuse(response, 409, TextId::EntryNoSheet, language);
    if (request.get_param_value("sheet") != shot->entry->key)
        return Refuse(response, 409, TextId::EntrySheetChanged, language);
    FinishLineResult result;
    if (const auto problem = ReadResultForm(shot->entry->sheet, request.params, result))
        return Refuse(response, 400, *problem, language);

    std::lock_guard<std::mutex> lock(mutex);
    // Checked last: a form refused for its content may be mended and sent again.
    if (!gate->UseForm(request.get_param_value("form")))
        return Refuse(response, 409, TextId::EntryReplayed, language);
    result.id = nextId++;
    result.sheetKey = shot->entry->key;
    result.device = request.remote_addr;
    result.receivedAt = LocalTimeNow();
    result.conflict = ConflictOf(result, shot->entry->sheet, waiting);
    arrivals.push_back(result);
    waiting.push_back(result);
    if (statuses.size() >= kMaxStatuses) statuses.erase(statuses.begin());
    statuses[result.id] = {FinishLineStatus::Received, session, result.game};
    response.set_redirect("/entry/status?id=" + std::to_string(result.id), 303);
}

void ArenaServer::State::EntryStatus(const httplib::Request& request, httplib::Response& response) {
    const Language language = Snapshot()->language;
    const std::string session = CookieValue(request, kSessionCookie);
    const std::string idText = request.get_param_value("id");
    const int id = idText.empty() || idText.size() > 9 ||
                           idText.find_first_not_of("0123456789") != std::string::npos
                       ? 0
                       : std::stoi(idText);
    std::lock_guard<std::mutex> lock(mutex);
    const auto it = statuses.find(id);
    // A result is shown only to the phone that sent it.
    if (it == statuses.end() || it->second.session != session)
        return Refuse(response, 404, TextId::EntryNotFound, language);
    response.set_header("Cache-Control", "no-store");
    response.set_content(EntryStatusPage(it->second.game, it->second.status, language), kHtml);
}

ArenaServer::ArenaServer() : state_(std::make_unique<State>()) {}

ArenaServer::~ArenaServer() {
    Stop();
}

bool ArenaServer::Start(const ArenaOptions& options, std::string& reason) {
    Stop();
    const int nextId = state_->nextId;
    state_ = std::make_unique<State>();
    State& s = *state_;
    s.nextId = nextId;
    s.options = options;
    s.gate = std::make_unique<EntryGate>();
    s.server.new_task_queue = [] { return new httplib::ThreadPool(kThreads); };
    s.server.set_socket_options(
        [](socket_t socket) { SetListeningOptions(static_cast<NativeSocket>(socket)); });
    s.server.set_payload_max_length(kMaxRequestBytes);
    s.server.set_read_timeout(5, 0);
    s.server.set_write_timeout(5, 0);
    // One request a connection: an idle connection kept open would hold a
    // thread that the page loads after an update need.
    s.server.set_keep_alive_max_count(1);
    s.Routes();

    ClearPortError();
    const bool bound = options.port == 0 ? (s.port = s.server.bind_to_any_port(options.bind)) > 0
                                         : s.server.bind_to_port(options.bind, options.port);
    if (!bound) {
        const PortFailure failure = LastPortFailure();
        const Language language = options.language;
        switch (failure.problem) {
            case PortProblem::InUse: reason = Text(language, TextId::ArenaPortInUse); break;
            case PortProblem::NotAllowed:
                reason = Text(language, TextId::ArenaPortNotAllowed);
                break;
            case PortProblem::AddressNotAvailable:
                reason = FormatText(Text(language, TextId::ArenaAddressNotAvailable), options.bind);
                break;
            case PortProblem::Other: reason = failure.systemText; break;
        }
        return false;
    }
    if (options.port != 0) s.port = options.port;
    s.announcer = std::thread([&s] { s.Announce(); });
    s.thread = std::thread([&s] { s.server.listen_after_bind(); });
    // Stopped before it listens, the server would never be told to stop.
    for (int waited = 0; !s.server.is_running() && waited < 5000; ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return true;
}

void ArenaServer::Stop() {
    State& s = *state_;
    if (!s.thread.joinable()) return;
    {
        std::lock_guard<std::mutex> lock(s.eventsMutex);
        s.stopping = true;
    }
    s.changed.notify_all();
    s.news.notify_one();
    s.server.stop();
    s.thread.join();
    s.announcer.join();
}

bool ArenaServer::Running() const {
    return state_->thread.joinable();
}

int ArenaServer::Port() const {
    return state_->port;
}

std::string ArenaServer::EntryCode() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->gate ? state_->gate->Code() : "";
}

void ArenaServer::SetSnapshot(std::shared_ptr<const ArenaSnapshot> snapshot) {
    {
        std::lock_guard<std::mutex> lock(state_->mutex);
        state_->snapshot.swap(snapshot);
    }
    state_->Changed(&State::Versions::pages);
    // The old pages are freed here, outside both locks.
}

std::vector<FinishLineResult> ArenaServer::TakeArrivals() {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return std::exchange(state_->arrivals, {});
}

void ArenaServer::Decide(int id, bool accepted) {
    {
        std::lock_guard<std::mutex> lock(state_->mutex);
        auto& waiting = state_->waiting;
        for (auto it = waiting.begin(); it != waiting.end(); ++it)
            if (it->id == id) {
                waiting.erase(it);
                break;
            }
        const auto status = state_->statuses.find(id);
        if (status == state_->statuses.end()) return;
        status->second.status = accepted ? FinishLineStatus::Accepted : FinishLineStatus::Rejected;
    }
    state_->Changed(&State::Versions::decisions);
}

int ArenaServer::Watchers() const {
    return state_->watchers;
}

int ArenaServer::RefusedAttempts() const {
    std::lock_guard<std::mutex> lock(state_->mutex);
    return state_->gate ? state_->gate->Refused() : 0;
}

}  // namespace zav
