#include "platform/browser.h"

#include <QDesktopServices>

namespace platform {

namespace {
UrlOpener& current_opener() {
    static UrlOpener opener;
    return opener;
}

bool hand_over(const QUrl& url) {
    if (!url.isValid() || url.isEmpty()) return false;
    if (current_opener()) return current_opener()(url);
    return QDesktopServices::openUrl(url);
}
}  // namespace

void set_url_opener(UrlOpener opener) { current_opener() = std::move(opener); }

bool open_url(const QString& address) { return hand_over(QUrl::fromUserInput(address.trimmed())); }

bool open_local_file(const QString& path) { return hand_over(QUrl::fromLocalFile(path)); }

}  // namespace platform
