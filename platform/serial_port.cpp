#include "platform/serial_port.h"

#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace platform {

namespace {

// Output that could not be handed to the driver yet waits here, up to this many bytes.
constexpr int kOutBufferSize = 4096;

speed_t speed_constant(int speed) {
    switch (speed) {
        case 300: return B300;
        case 600: return B600;
        case 1200: return B1200;
        case 2400: return B2400;
        case 4800: return B4800;
        case 9600: return B9600;
        case 19200: return B19200;
        case 38400: return B38400;
        case 57600: return B57600;
        case 115200: return B115200;
        default: return B0;
    }
}

// Applies "speed,parity,data,stop" to the terminal attributes; false when it cannot.
bool apply_settings(termios& tio, const QString& settings) {
    const QStringList parts = settings.split(',');
    if (parts.size() != 4) return false;
    const speed_t speed = speed_constant(parts[0].trimmed().toInt());
    const QString parity = parts[1].trimmed().toLower();
    const int data = parts[2].trimmed().toInt();
    const int stop = parts[3].trimmed().toInt();
    if (speed == B0 || (data != 7 && data != 8) || (stop != 1 && stop != 2)) return false;
    if (parity != "n" && parity != "e" && parity != "o") return false;

    cfmakeraw(&tio);
    cfsetispeed(&tio, speed);
    cfsetospeed(&tio, speed);
    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    tio.c_cflag |= CLOCAL | CREAD | (data == 7 ? CS7 : CS8);
    if (stop == 2) tio.c_cflag |= CSTOPB;
    if (parity != "n") tio.c_cflag |= PARENB | (parity == "o" ? PARODD : 0);
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 1;  // with O_NONBLOCK: EAGAIN when nothing waits, 0 only at a hang-up
    tio.c_cc[VTIME] = 0;
    return true;
}

}  // namespace

SerialPort::SerialPort(QObject* parent) : QObject(parent) {}

SerialPort::~SerialPort() { setPortOpen(false); }

std::string SerialPort::device_path() const {
    if (!Device.empty()) return Device;
    return "/dev/ttyS" + std::to_string(CommPort - 1);
}

bool SerialPort::setPortOpen(bool open) {
    if (!open) {
        // The port may be closed from its own event handler: the notifiers go later.
        for (QSocketNotifier** n : {&read_notifier_, &write_notifier_}) {
            if (!*n) continue;
            (*n)->setEnabled(false);
            (*n)->deleteLater();
            *n = nullptr;
        }
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
        input_.clear();
        output_.clear();
        waiting_.clear();
        return true;
    }
    if (fd_ >= 0) return true;
    if (CommPort < 1) return false;
    const int fd = ::open(device_path().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    termios tio{};
    if (tcgetattr(fd, &tio) != 0 || !apply_settings(tio, Settings) || tcsetattr(fd, TCSANOW, &tio) != 0) {
        ::close(fd);
        return false;
    }
    tcflush(fd, TCIOFLUSH);
    fd_ = fd;
    counts_ = {};
    check_line_errors(false);  // the driver's counts so far are the starting point
    read_notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(read_notifier_, &QSocketNotifier::activated, this, [this] { on_readable(); });
    write_notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Write, this);
    write_notifier_->setEnabled(false);
    connect(write_notifier_, &QSocketNotifier::activated, this, [this] { on_writable(); });
    return true;
}

void SerialPort::setInBufferCount(int count) {
    if (count != 0) return;
    // What the driver has received but not handed over yet is waiting input too.
    if (fd_ >= 0) tcflush(fd_, TCIFLUSH);
    input_.clear();
}

void SerialPort::Output(const QByteArray& bytes) {
    if (fd_ < 0) return;
    if (output_.size() + bytes.size() > kOutBufferSize) {
        raise(comEventTxFull);
        return;
    }
    output_.append(bytes);
    flush_output();
}

int SerialPort::OutBufferCount() const {
    if (fd_ < 0) return 0;
    int in_driver = 0;
    if (ioctl(fd_, TIOCOUTQ, &in_driver) != 0) in_driver = 0;
    return static_cast<int>(output_.size()) + in_driver;
}

bool SerialPort::drain_output(int timeout_ms) {
    QElapsedTimer clock;
    clock.start();
    while (fd_ >= 0 && OutBufferCount() > 0) {
        const qint64 left = timeout_ms - clock.elapsed();
        if (left <= 0) return false;
        if (output_.isEmpty()) {
            // Only the driver holds bytes: look again shortly.
            ::poll(nullptr, 0, static_cast<int>(std::min<qint64>(left, 10)));
            continue;
        }
        pollfd p{fd_, POLLOUT, 0};
        if (::poll(&p, 1, static_cast<int>(std::min<qint64>(left, 10))) > 0) flush_output();
    }
    return true;
}

QByteArray SerialPort::Input() {
    const int n = InputLen > 0 ? std::min<int>(InputLen, input_.size()) : input_.size();
    QByteArray taken = input_.left(n);
    input_.remove(0, n);
    return taken;
}

void SerialPort::flush_output() {
    while (fd_ >= 0 && !output_.isEmpty()) {
        const ssize_t n = ::write(fd_, output_.constData(), output_.size());
        if (n > 0) {
            output_.remove(0, static_cast<int>(n));
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            write_notifier_->setEnabled(true);
            return;
        }
        if (n < 0 && errno == EINTR) continue;
        hang_up();
        raise(comEventCDTO);
        return;
    }
    if (write_notifier_) write_notifier_->setEnabled(false);
}

void SerialPort::on_writable() {
    const bool had_output = !output_.isEmpty();
    flush_output();
    if (had_output && output_.size() < SThreshold) raise(comEvSend);
}

void SerialPort::on_readable() {
    // At most one buffer's worth per call, so a device that never stops sending cannot
    // keep the window from its other events.
    char buffer[512];
    int taken = 0;
    while (fd_ >= 0 && taken < kInBufferSize) {
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n > 0) {
            input_.append(buffer, static_cast<int>(n));
            taken += static_cast<int>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
        // End of file or an I/O error: the other end or the device is gone.
        hang_up();
        raise_later(comEventCDTO);
        break;
    }
    if (input_.size() > kInBufferSize) {
        input_.remove(0, input_.size() - kInBufferSize);
        raise_later(comEventRxOver);
    }
    check_line_errors(true);
    if (RThreshold > 0 && input_.size() >= RThreshold) raise_later(comEvReceive);
}

// The driver counts breaks and line errors; each new one becomes its event. Devices
// without counts (pseudo-terminals, some adapters) report none.
void SerialPort::check_line_errors(bool report) {
    if (fd_ < 0) return;
    serial_icounter_struct ic{};
    if (ioctl(fd_, TIOCGICOUNT, &ic) != 0) return;
    const LineCounts now{ic.brk, ic.frame, ic.overrun, ic.parity, ic.buf_overrun};
    const LineCounts before = counts_;
    counts_ = now;
    if (!report) return;
    if (now.brk != before.brk) raise_later(comEventBreak);
    if (now.frame != before.frame) raise_later(comEventFrame);
    if (now.overrun != before.overrun) raise_later(comEventOverrun);
    if (now.parity != before.parity) raise_later(comEventRxParity);
    if (now.buf_overrun != before.buf_overrun) raise_later(comEventRxOver);
}

// The port stays open, as far as its owner can tell, until the owner closes it; it only
// stops listening, and the caller reports the loss once per failed read or write.
void SerialPort::hang_up() {
    if (read_notifier_) read_notifier_->setEnabled(false);
    if (write_notifier_) write_notifier_->setEnabled(false);
    output_.clear();
}

void SerialPort::raise(int event) {
    CommEvent = event;
    if (OnComm) OnComm();
}

void SerialPort::raise_later(int event) {
    if (std::find(waiting_.begin(), waiting_.end(), event) == waiting_.end()) waiting_.push_back(event);
    if (raise_queued_) return;
    raise_queued_ = true;
    QMetaObject::invokeMethod(this, &SerialPort::raise_waiting, Qt::QueuedConnection);
}

void SerialPort::raise_waiting() {
    raise_queued_ = false;
    if (raising_) return;  // the running call raises these once its OnComm has returned
    raising_ = true;
    while (!waiting_.empty()) {
        const int event = waiting_.front();
        waiting_.pop_front();
        raise(event);
    }
    raising_ = false;
}

}  // namespace platform
