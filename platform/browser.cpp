#include "platform/browser.h"

#include <QDesktopServices>

namespace platform {

namespace {
UrlOpener& current_opener() {
    static UrlOpener opener;
    return opener;
}
}  // namespace

void set_url_opener(UrlOpener opener) { current_opener() = std::move(opener); }

bool open_url(const QString& address) {
    const QUrl url = QUrl::fromUserInput(address.trimmed());
    if (!url.isValid() || url.isEmpty()) return false;
    if (current_opener()) return current_opener()(url);
    return QDesktopServices::openUrl(url);
}

}  // namespace platform
