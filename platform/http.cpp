#include "platform/http.h"

#include <curl/curl.h>

#include <QCoreApplication>
#include <cstddef>
#include <memory>
#include <mutex>

namespace platform {

namespace {

constexpr int kMaxRedirects = 10;
constexpr int kPollMs = 10;

bool running = false;
bool cancel_requested = false;

struct Transfer {
    CURL* easy = nullptr;
    size_t limit = 0;
    std::string body;
    bool too_large = false;
    bool other_status = false;  // the answer's status is not 200: its body is not taken
};

size_t on_data(char* data, size_t size, size_t count, void* user) {
    auto* t = static_cast<Transfer*>(user);
    const size_t n = size * count;
    long status = 0;
    curl_easy_getinfo(t->easy, CURLINFO_RESPONSE_CODE, &status);
    if (status != 200) {
        t->other_status = true;
        return 0;  // makes curl stop with a write error: nobody reads a failed answer's body
    }
    if (n > t->limit - t->body.size()) {
        t->too_large = true;
        return 0;  // makes curl stop with a write error
    }
    t->body.append(data, n);
    return n;
}

void global_init() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct EasyDeleter {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
struct MultiDeleter {
    void operator()(CURLM* m) const { curl_multi_cleanup(m); }
};

// Marks the one running transfer for its whole life, also when it ends by an exception.
struct RunningGuard {
    RunningGuard() {
        running = true;
        cancel_requested = false;
    }
    ~RunningGuard() { running = false; }
};

void configure(CURL* easy, const std::string& url, const HttpOptions& options, Transfer& transfer) {
    transfer.easy = easy;
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, static_cast<long>(kMaxRedirects));
    curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, static_cast<long>(options.timeout.count()));
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_ACCEPT_ENCODING, "");  // whatever compression curl can undo
    curl_easy_setopt(easy, CURLOPT_USERAGENT, "torv");
    // An announced length over the limit ends the transfer before any of the body is read.
    curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(transfer.limit));
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, on_data);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &transfer);
}

// Drives the transfer to its end, dispatching window events between rounds.
// Returns the transfer's result code; CURLE_ABORTED_BY_CALLBACK after a cancel.
CURLcode drive(CURLM* multi) {
    for (;;) {
        int still_running = 0;
        if (curl_multi_perform(multi, &still_running) != CURLM_OK) return CURLE_FAILED_INIT;
        if (still_running == 0) break;
        curl_multi_poll(multi, nullptr, 0, kPollMs, nullptr);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (cancel_requested) return CURLE_ABORTED_BY_CALLBACK;
    }
    int queued = 0;
    while (CURLMsg* msg = curl_multi_info_read(multi, &queued)) {
        if (msg->msg == CURLMSG_DONE) return msg->data.result;
    }
    return CURLE_FAILED_INIT;
}

std::string failure_text(CURLcode code, const Transfer& transfer) {
    if (code == CURLE_ABORTED_BY_CALLBACK) return "cancelled";
    if (transfer.too_large || code == CURLE_FILESIZE_EXCEEDED)
        return "the answer is larger than " + std::to_string(transfer.limit) + " bytes";
    if (code == CURLE_OPERATION_TIMEDOUT) return "no complete answer within the time-out";
    return curl_easy_strerror(code);
}

}  // namespace

HttpResult http_get(const std::string& url, const HttpOptions& options) {
    HttpResult result;
    if (running) {
        result.error = "another transfer is running";
        return result;
    }
    global_init();
    RunningGuard guard;
    std::unique_ptr<CURL, EasyDeleter> easy(curl_easy_init());
    std::unique_ptr<CURLM, MultiDeleter> multi(curl_multi_init());
    if (!easy || !multi) {
        result.error = "the HTTP client could not start";
        return result;
    }
    Transfer transfer;
    transfer.limit = options.max_body_bytes;
    configure(easy.get(), url, options, transfer);
    curl_multi_add_handle(multi.get(), easy.get());
    const CURLcode code = drive(multi.get());
    curl_easy_getinfo(easy.get(), CURLINFO_RESPONSE_CODE, &result.status);
    curl_multi_remove_handle(multi.get(), easy.get());

    if (transfer.other_status || (code == CURLE_OK && result.status != 200)) {
        result.error = "HTTP " + std::to_string(result.status);
    } else if (code != CURLE_OK) {
        result.error = failure_text(code, transfer);
    } else {
        result.ok = true;
        result.body = std::move(transfer.body);
    }
    return result;  // the bytes of a failed answer are let go with the transfer
}

void http_cancel() {
    if (running) cancel_requested = true;
}

bool http_busy() { return running; }

}  // namespace platform
