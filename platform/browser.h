#pragma once
#include <QString>
#include <QUrl>
#include <functional>

namespace platform {

// Hands a web address to the desktop's URL handler (the operator's browser) and returns
// at once; the program never waits for the page. False when no handler could be
// started. Text without a scheme ("www.example.org") is taken as a web address.
bool open_url(const QString& address);

// Hands a local file to the desktop's handler for its kind (an HTML page to the
// browser) through the same opener, and returns at once. False when no handler could be
// started.
bool open_local_file(const QString& path);

// What hands the address over: the desktop's handler unless replaced. Tests of callers
// that must not start a real browser put their own here; an empty function restores
// the desktop's handler.
using UrlOpener = std::function<bool(const QUrl&)>;
void set_url_opener(UrlOpener opener);

}  // namespace platform
