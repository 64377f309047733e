#include "arena/ArenaSite.h"

#include <ctime>

#include "arena/EntryPages.h"
#include "encoding/Encoding.h"
#include "encoding/Markup.h"
#include "screens/ScreenPages.h"

namespace zav {
namespace {

constexpr std::size_t kMaxStatuses = 10000;
constexpr const char* kHtml = "text/html; charset=utf-8";
constexpr const char* kSessionCookie = "zav_session";
// Tells one phone from another behind the same address (a hotspot, a
// router): wrong codes are counted per phone first.
constexpr const char* kDeviceCookie = "zav_device";

std::string LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    char text[16] = "";
    if (local) std::strftime(text, sizeof text, "%H:%M:%S", local);
    return text;
}

const char* PictureType(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    const std::string ext = AsciiLowered(dot == std::string::npos ? "" : name.substr(dot + 1));
    if (ext == "png") return "image/png";
    if (ext == "jpg" || ext == "jpeg") return "image/jpeg";
    if (ext == "gif") return "image/gif";
    if (ext == "bmp") return "image/bmp";
    return "application/octet-stream";
}

// The sheet a request names ("s", from 1), else the open one; -1 when it
// names none of them.
int SheetAsked(const HttpRequest& request, const ArenaSnapshot& snapshot) {
    if (!request.HasParam("s")) return static_cast<int>(snapshot.current);
    const std::string text = request.Param("s");
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

void Refuse(HttpResponse& response, int status, TextId reason, Language language) {
    response.status = status;
    response.contentType = kHtml;
    response.body = EntryProblemPage(Text(language, reason), language);
}

void Page(HttpResponse& response, std::string body, const char* type = kHtml) {
    response.contentType = type;
    response.body = std::move(body);
}

// The phone's mark from its cookie; empty for a phone without one (or with
// one not of ours), counted by its address until it has one.
std::string DeviceOf(const HttpRequest& request) {
    const std::string device = request.Cookie(kDeviceCookie);
    return EntryGate::IsDeviceMark(device) ? device : "";
}

void MarkDevice(const HttpRequest& request, HttpResponse& response) {
    if (DeviceOf(request).empty())
        response.headers.emplace_back("Set-Cookie", std::string(kDeviceCookie) + "=" +
                                                        RandomHex(16) +
                                                        "; Path=/entry; HttpOnly; SameSite=Strict");
}

void NoStore(HttpResponse& response) {
    response.headers.emplace_back("Cache-Control", "no-store");
}

// The page of `pages` that a screen's path names.
const std::string& ScreenPageOf(const ScreenPages& pages, const std::string& path) {
    return path == "/board" ? pages.board : path == "/overlay" ? pages.overlay : pages.announcer;
}

// A result's id made on the phone: 16 to 64 letters, digits, "-" or "_".
bool IsPhoneId(const std::string& id) {
    if (id.size() < 16 || id.size() > 64) return false;
    for (const char c : id)
        if (!IsAsciiAlnum(c) && c != '-' && c != '_') return false;
    return true;
}

}  // namespace

std::string EventStreamGreeting(unsigned random) {
    return "retry: " + std::to_string(2000 + random % 3001) + "\n\n";
}

std::string EventMessage(const ArenaVersions& seen, const ArenaVersions& now) {
    std::string message;
    if (now.decisions != seen.decisions)
        message = "event: decided\ndata: " + std::to_string(now.decisions) + "\n\n";
    if (now.pages != seen.pages) message += "data: " + std::to_string(now.pages) + "\n\n";
    return message;
}

ArenaSite::ArenaSite(bool entry, int firstId) : entry_(entry), nextId_(firstId) {}

std::shared_ptr<const ArenaSnapshot> ArenaSite::Snapshot() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return snapshot_;
}

HttpResponse ArenaSite::Answer(const HttpRequest& request) {
    HttpResponse response;
    const std::string& path = request.path;
    if (entry_ && path.rfind("/entry", 0) == 0) JudgeSeen(request);
    if (!request.post) {
        if (path == "/") {
            Live(request, response);
        } else if (path == "/sheet") {
            const auto shot = Snapshot();
            const int s = SheetAsked(request, *shot);
            if (s < 0 || shot->sheets.empty())
                Refuse(response, 404, TextId::EntryNotFound, shot->language);
            else
                Page(response, shot->sheets[s].sheetPage, "text/html; charset=iso-8859-1");
        } else if (path == "/board" || path == "/overlay" || path == "/announcer") {
            Screen(request, response);
        } else if (path == "/events") {
            response.contentType = "text/event-stream";
            NoStore(response);
            response.eventStream = true;
        } else if (entry_ && path == "/entry") {
            EntryForm(request, response);
        } else if (entry_ && path == "/entry/status") {
            EntryStatus(request, response);
        } else if (entry_ && path == "/entry/here") {
            // A judge's page saying it is still there (heard of above).
            std::lock_guard<std::mutex> lock(mutex_);
            response.status = gate_.IsSession(request.Cookie(kSessionCookie)) ? 204 : 403;
        } else {
            // The logo, by its name alone: no other file is ever served.
            const auto shot = Snapshot();
            if (shot->logoName.empty() || path != "/" + shot->logoName)
                Refuse(response, 404, TextId::EntryNotFound, shot->language);
            else
                Page(response, shot->logoBytes, PictureType(shot->logoName));
        }
    } else if (entry_ && path == "/entry/code") {
        EntryCode(request, response);
    } else if (entry_ && path == "/entry/result") {
        EntryResult(request, response);
    } else {
        Refuse(response, 404, TextId::EntryNotFound, Snapshot()->language);
    }
    return response;
}

HttpResponse ArenaSite::Refusal(int status) const {
    HttpResponse response;
    Refuse(response, status, status == 404 ? TextId::EntryNotFound : TextId::EntryBadForm,
           Snapshot()->language);
    return response;
}

void ArenaSite::Live(const HttpRequest& request, HttpResponse& response) {
    const auto shot = Snapshot();
    NoStore(response);
    if (shot->sheets.empty())
        return Page(response,
                    EntryProblemPage(Text(shot->language, TextId::EntryNoSheet), shot->language));
    const int s = SheetAsked(request, *shot);
    if (s < 0) return Refuse(response, 404, TextId::EntryNotFound, shot->language);
    const std::string& page = shot->sheets[s].phonePage;
    Page(response, shot->isSet ? WithIndex(page, *shot, s) : page);
}

void ArenaSite::Screen(const HttpRequest& request, HttpResponse& response) {
    const auto shot = Snapshot();
    NoStore(response);
    const std::string& page = ScreenPageOf(shot->screens, request.path);
    if (!page.empty()) return Page(response, page);
    // A snapshot without screens (no sheet open, or none readable): the
    // page of no sheet, which follows.
    ScreenSource none;
    none.language = shot->language;
    const ScreenPages empty = BuildScreenPages(none);
    Page(response, ScreenPageOf(empty, request.path));
}

void ArenaSite::JudgeSeen(const HttpRequest& request) {
    const std::string session = request.Cookie(kSessionCookie);
    std::lock_guard<std::mutex> lock(mutex_);
    if (gate_.IsSession(session))
        judges_.Seen(session, request.remoteAddress, JudgePhones::Clock::now(), LocalTimeNow());
}

void ArenaSite::EntryForm(const HttpRequest& request, HttpResponse& response) {
    const auto shot = Snapshot();
    NoStore(response);
    std::string form;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!gate_.IsSession(request.Cookie(kSessionCookie))) {
            MarkDevice(request, response);
            return Page(response, EntryCodePage(shot->language, ""));
        }
        form = gate_.NewForm();
    }
    if (!shot->entry) return Refuse(response, 503, TextId::EntryNoSheet, shot->language);
    Page(response, EntryResultPage(shot->entry->sheet, shot->entry->key, form, shot->language));
}

void ArenaSite::EntryCode(const HttpRequest& request, HttpResponse& response) {
    const Language language = Snapshot()->language;
    std::string token;
    EntryGate::CodeCheck check;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        check = gate_.TryCode(request.remoteAddress, DeviceOf(request), request.Param("code"),
                              EntryGate::Clock::now(), token);
    }
    switch (check) {
        case EntryGate::CodeCheck::Accepted: {
            {
                std::lock_guard<std::mutex> lock(mutex_);
                judges_.Named(token, JudgeName(request.Param("name")));
                judges_.Seen(token, request.remoteAddress, JudgePhones::Clock::now(),
                             LocalTimeNow());
            }
            response.headers.emplace_back("Set-Cookie",
                                          std::string(kSessionCookie) + "=" + token +
                                              "; Path=/entry; HttpOnly; SameSite=Strict");
            return response.Redirect("/entry");
        }
        case EntryGate::CodeCheck::Wrong:
            MarkDevice(request, response);
            response.status = 403;
            return Page(response, EntryCodePage(language, Text(language, TextId::EntryWrongCode)));
        case EntryGate::CodeCheck::LockedOut:
            MarkDevice(request, response);
            response.status = 429;
            response.headers.emplace_back("Retry-After", "60");
            return Page(response, EntryCodePage(language, Text(language, TextId::EntryLockedOut)));
    }
}

void ArenaSite::EntryResult(const HttpRequest& request, HttpResponse& response) {
    const auto shot = Snapshot();
    const Language language = shot->language;
    const std::string session = request.Cookie(kSessionCookie);
    // A phone keeps a result it could not send and sends it again, with
    // the id it made for it, until it hears an answer: a copy received
    // already is answered as the first was, whatever changed since.
    const std::string phoneId = request.Param("uid");
    if (request.HasParam("uid") && !IsPhoneId(phoneId))
        return Refuse(response, 400, TextId::EntryBadForm, language);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!gate_.IsSession(session))
            return Refuse(response, 403, TextId::EntryBadToken, language);
        const auto known = phoneIds_.find(phoneId);
        if (known != phoneIds_.end()) {
            // The phone that holds the id sent it: its session may be new.
            const auto sent = statuses_.find(known->second);
            if (sent != statuses_.end()) sent->second.session = session;
            return response.Redirect("/entry/status?id=" + std::to_string(known->second));
        }
    }
    if (!shot->entry) return Refuse(response, 409, TextId::EntryNoSheet, language);
    if (request.Param("sheet") != shot->entry->key)
        return Refuse(response, 409, TextId::EntrySheetChanged, language);
    FinishLineResult result;
    if (const auto problem = ReadResultForm(shot->entry->sheet, request.params, result))
        return Refuse(response, 400, *problem, language);

    std::lock_guard<std::mutex> lock(mutex_);
    // Checked last: a form refused for its content may be mended and sent
    // again. A result with the phone's id needs no form of its own: the id
    // counts it once (a phone out of reach keeps several on one form).
    if (phoneId.empty() && !gate_.UseForm(request.Param("form")))
        return Refuse(response, 409, TextId::EntryReplayed, language);
    result.id = nextId_++;
    result.sheetKey = shot->entry->key;
    result.device = request.remoteAddress;
    result.judge = judges_.NameOf(session);
    result.receivedAt = LocalTimeNow();
    arrivals_.push_back(result);
    if (statuses_.size() >= kMaxStatuses) statuses_.erase(statuses_.begin());
    statuses_[result.id] = {FinishLineStatus::Received, session, result.game};
    if (!phoneId.empty()) RememberPhoneId(phoneId, result.id);
    response.Redirect("/entry/status?id=" + std::to_string(result.id));
}

void ArenaSite::RememberPhoneId(const std::string& phoneId, int id) {
    if (phoneIdOrder_.size() >= kMaxStatuses) {
        phoneIds_.erase(phoneIdOrder_.front());
        phoneIdOrder_.pop_front();
    }
    phoneIds_[phoneId] = id;
    phoneIdOrder_.push_back(phoneId);
}

void ArenaSite::EntryStatus(const HttpRequest& request, HttpResponse& response) {
    const Language language = Snapshot()->language;
    const std::string session = request.Cookie(kSessionCookie);
    const std::string idText = request.Param("id");
    const int id = idText.empty() || idText.size() > 9 ||
                           idText.find_first_not_of("0123456789") != std::string::npos
                       ? 0
                       : std::stoi(idText);
    std::lock_guard<std::mutex> lock(mutex_);
    const auto it = statuses_.find(id);
    // A result is shown only to the phone that sent it.
    if (it == statuses_.end() || it->second.session != session)
        return Refuse(response, 404, TextId::EntryNotFound, language);
    NoStore(response);
    Page(response, EntryStatusPage(it->second.game, it->second.status, language));
}

void ArenaSite::Changed(unsigned long long ArenaVersions::*what) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ++(versions_.*what);
    }
    if (changed_) changed_();
}

ArenaVersions ArenaSite::Versions() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return versions_;
}

void ArenaSite::SetSnapshot(std::shared_ptr<const ArenaSnapshot> snapshot) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        snapshot_.swap(snapshot);
    }
    Changed(&ArenaVersions::pages);
    // The old pages are freed here, outside the lock.
}

std::vector<FinishLineResult> ArenaSite::TakeArrivals() {
    std::lock_guard<std::mutex> lock(mutex_);
    return std::exchange(arrivals_, {});
}

void ArenaSite::Decide(int id, FinishLineStatus status) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const auto sent = statuses_.find(id);
        if (sent == statuses_.end() || sent->second.status == status) return;
        sent->second.status = status;
    }
    Changed(&ArenaVersions::decisions);
}

std::vector<JudgePhone> ArenaSite::Judges() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return judges_.List(JudgePhones::Clock::now());
}

void ArenaSite::CarryReceived(const ArenaSite& earlier) {
    std::scoped_lock lock(mutex_, earlier.mutex_);
    statuses_ = earlier.statuses_;
    phoneIds_ = earlier.phoneIds_;
    phoneIdOrder_ = earlier.phoneIdOrder_;
}

std::string ArenaSite::EntryCode() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return gate_.Code();
}

int ArenaSite::RefusedAttempts() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return gate_.Refused();
}

int ArenaSite::CodesDrawn() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return gate_.CodesDrawn();
}

int ArenaSite::NextId() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return nextId_;
}

}  // namespace zav
