#include "sim/sim_radio.h"

#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace torv::sim {

std::string hex(const std::vector<uint8_t>& bytes) {
    std::string text(bytes.size() * 2, '0');
    for (size_t i = 0; i < bytes.size(); ++i) std::snprintf(&text[2 * i], 3, "%02X", bytes[i]);
    return text;
}

ProgramEnd::ProgramEnd(const SimRadio& radio) {
    port.Device = radio.port_path();
    port.RThreshold = 1;
    port.OnComm = [this] { received += port.Input(); };
    port.setPortOpen(true);
}

void ProgramEnd::write(const QByteArray& bytes, const SimRadio& radio) {
    const size_t before = radio.frames().size();
    port.Output(bytes);
    pump_until([&] { return radio.frames().size() > before; });
}

SimRadio::SimRadio(Framing framing) : framing_(framing) {
    if (!pty_.ok()) return;
    notifier_ = std::make_unique<QSocketNotifier>(pty_.master(), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { on_readable(); });
}

SimRadio::~SimRadio() = default;

void SimRadio::unplug() {
    notifier_.reset();
    pty_.close_master();
}

void SimRadio::send(const std::vector<uint8_t>& bytes) {
    if (pty_.master() >= 0) (void)!::write(pty_.master(), bytes.data(), bytes.size());
}

void SimRadio::answer(const std::vector<uint8_t>& bytes) {
    if (!answer_reads) return;
    if (hold_answers) {
        held_.insert(held_.end(), bytes.begin(), bytes.end());
        return;
    }
    if (split_at > 0 && bytes.size() > split_at) {
        const std::vector<uint8_t> first(bytes.begin(), bytes.begin() + static_cast<long>(split_at));
        const std::vector<uint8_t> rest(bytes.begin() + static_cast<long>(split_at), bytes.end());
        send(first);
        QTimer::singleShot(50, this, [this, rest] { send(rest); });
        return;
    }
    if (reply_delay_ms <= 0) send(bytes);
    else QTimer::singleShot(reply_delay_ms, this, [this, bytes] { send(bytes); });
}

void SimRadio::release_answers() {
    hold_answers = false;
    send(held_);
    held_.clear();
}

std::vector<std::string> SimRadio::frames_since(size_t mark) const {
    return {frames_.begin() + static_cast<long>(std::min(mark, frames_.size())), frames_.end()};
}

size_t SimRadio::frame_size() const {
    if (framing_.length > 0) return pending_.size() >= framing_.length ? framing_.length : 0;
    const auto end = std::find(pending_.begin(), pending_.end(), static_cast<uint8_t>(framing_.end));
    return end == pending_.end() ? 0 : static_cast<size_t>(end - pending_.begin()) + 1;
}

void SimRadio::on_readable() {
    uint8_t buffer[256];
    ssize_t n;
    while ((n = ::read(pty_.master(), buffer, sizeof buffer)) > 0)
        if (!line_cut) pending_.insert(pending_.end(), buffer, buffer + n);
    for (size_t size; (size = frame_size()) > 0;) {
        const std::vector<uint8_t> frame(pending_.begin(), pending_.begin() + static_cast<long>(size));
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<long>(size));
        frames_.push_back(framing_.text ? std::string(frame.begin(), frame.end()) : hex(frame));
        obey(frame);
    }
}

}  // namespace torv::sim
