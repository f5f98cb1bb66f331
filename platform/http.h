#pragma once
#include <chrono>
#include <string>

// Fetching a whole document over HTTP(S). The transfer runs on the calling (window)
// thread, which keeps dispatching window events meanwhile, so the program stays
// responsive; only one transfer runs at a time.
namespace platform {

struct HttpOptions {
    std::chrono::milliseconds timeout{60'000};  // the whole transfer, from the request to the last byte
    size_t max_body_bytes = 32 * 1024 * 1024;    // no element file or web page the program reads comes near this
};

struct HttpResult {
    bool ok = false;    // the whole body arrived with status 200
    long status = 0;    // the final HTTP status after redirects; 0 when no answer came
    std::string body;   // the whole body when ok; empty otherwise (a failed answer's bytes are not kept)
    std::string error;  // why it failed, for the operator; empty when ok
};

// Fetches url, following redirects. Fails (ok false) on a connection or protocol
// error, a time-out, a cancel, a status other than 200 (a 206 holds part of the
// document only), a body cut short or larger than the limit, and when another
// transfer is already running (a click handled while waiting). An answer that
// announces more than the limit is refused before its body is received; one that
// grows past it is dropped as soon as it does. The body of an answer with another
// status is not received at all, and the bytes of any failed answer are let go.
HttpResult http_get(const std::string& url, const HttpOptions& options = {});

// Ends the running transfer, if any; its http_get returns a failure.
void http_cancel();

// True while a transfer runs.
bool http_busy();

}  // namespace platform
