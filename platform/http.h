#pragma once
#include <chrono>
#include <string>

// Fetching a whole document over HTTP(S). The transfer runs on the calling (window)
// thread, which keeps dispatching window events meanwhile, so the program stays
// responsive; only one transfer runs at a time.
namespace platform {

struct HttpOptions {
    std::chrono::milliseconds timeout{60'000};  // the whole transfer, from the request to the last byte
};

struct HttpResult {
    bool ok = false;    // the whole body arrived with a 2xx status
    long status = 0;    // the final HTTP status after redirects; 0 when no answer came
    std::string body;   // the bytes received (also for a non-2xx answer)
    std::string error;  // why it failed, for the operator; empty when ok
};

// Fetches url, following redirects. Fails (ok false) on a connection or protocol
// error, a time-out, a cancel, a non-2xx status, a body cut short or larger than the
// limit, and when another transfer is already running (a click handled while waiting).
HttpResult http_get(const std::string& url, const HttpOptions& options = {});

// Ends the running transfer, if any; its http_get returns a failure.
void http_cancel();

// True while a transfer runs.
bool http_busy();

}  // namespace platform
