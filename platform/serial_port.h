#pragma once
#include <QByteArray>
#include <QObject>
#include <QString>
#include <deque>
#include <functional>
#include <string>

class QSocketNotifier;

namespace platform {

// Event codes of SerialPort::OnComm.
enum CommEvent {
    comEvSend = 1,       // fewer than SThreshold bytes wait to be sent
    comEvReceive = 2,    // at least RThreshold bytes wait to be read
    comEventBreak = 1001,
    comEventCDTO = 1007,  // carrier lost: the device went away (a hang-up, an unplugged adapter)
    comEventFrame = 1004,
    comEventOverrun = 1006,
    comEventRxOver = 1008,
    comEventRxParity = 1009,
    comEventTxFull = 1010,
    comEventDCB = 1011,
};

// One serial port with the properties and events the transceiver windows use. Port n
// ("COMn") opens Device, or /dev/ttyS<n-1> when Device is empty (the transceiver
// windows fill Device from the settings). Raw bytes, no handshaking; the events are
// raised on the thread that owns the port (the window thread), between other events.
// What arrives is raised after the port has finished reading, never from inside its
// read, and never while OnComm still runs for an earlier event (a handler that opens
// a message box gets the next event after the box); the same event waiting twice is
// raised once. At most kInBufferSize bytes wait: past that the oldest are dropped and
// comEventRxOver is raised, as for a line error.
class SerialPort : public QObject {
    Q_OBJECT
public:
    explicit SerialPort(QObject* parent = nullptr);
    ~SerialPort() override;

    int CommPort = 1;
    std::string Device;
    // Speed, parity (n, e, o), data bits (7, 8), stop bits (1, 2): "9600,n,8,1".
    QString Settings = "9600,n,8,1";
    int RThreshold = 0;  // comEvReceive once this many bytes wait; 0: never
    int SThreshold = 0;  // comEvSend when the output queue falls below it; 0: never
    int InputLen = 0;    // bytes one Input takes; 0: every waiting byte

    // Opens (true) or closes (false) the port. Returns false when the port cannot be
    // opened (no such device, no access, a settings text it cannot apply); the port
    // then stays closed.
    bool setPortOpen(bool open);
    bool PortOpen() const { return fd_ >= 0; }

    static constexpr int kInBufferSize = 4096;

    int InBufferCount() const { return static_cast<int>(input_.size()); }
    // Setting the count to 0 discards the waiting input.
    void setInBufferCount(int count);

    // Queues the bytes for sending and returns at once. Ignored while the port is closed.
    void Output(const QByteArray& bytes);
    // Bytes written and not sent yet: those queued here and those the driver still holds.
    int OutBufferCount() const;
    // Blocks until every written byte has left, at most timeout_ms; false when some had
    // not (a line that takes nothing). No event is processed meanwhile.
    bool drain_output(int timeout_ms);
    // Takes the waiting bytes, at most InputLen of them.
    QByteArray Input();

    // The code of the event being raised (CommEvent).
    int CommEvent = 0;
    std::function<void()> OnComm;

    // The device the port opens: Device, or /dev/ttyS<CommPort-1>.
    std::string device_path() const;

private:
    void on_readable();
    void on_writable();
    void flush_output();
    void check_line_errors(bool report);
    void raise(int event);
    void raise_later(int event);
    void raise_waiting();
    void hang_up();

    int fd_ = -1;
    QByteArray input_;
    QByteArray output_;
    QSocketNotifier* read_notifier_ = nullptr;
    QSocketNotifier* write_notifier_ = nullptr;
    std::deque<int> waiting_;     // events of the last reads, not raised yet
    bool raise_queued_ = false;   // a call of raise_waiting is on its way
    bool raising_ = false;        // raise_waiting runs (its OnComm may wait in a message box)
    struct LineCounts {
        int brk = 0, frame = 0, overrun = 0, parity = 0, buf_overrun = 0;
    } counts_;
};

}  // namespace platform
