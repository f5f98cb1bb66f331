#pragma once
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpSocket>
#include <string>

// A client of the item server over real TCP. The server runs on this thread, so every
// wait pumps the event loop (bounded: a frame that never comes ends the wait; the bound
// is generous, as a loaded machine may hold this process back for seconds, and a wait
// that is met ends at once).
class ItemClient {
public:
    static constexpr int kWaitMs = 15000;

    struct Frame {
        std::string header;  // "VALUE torv|extrn!Text2 7", "OK ADVISE …", "ERROR …"; empty: none came
        std::string value;   // the bytes of a VALUE or CHANGE frame
    };

    bool connect(quint16 port) {
        bool connected = false;
        const QMetaObject::Connection c =
            QObject::connect(&socket_, &QTcpSocket::connected, [&] { connected = true; });
        socket_.connectToHost(QHostAddress::LocalHost, port);
        const bool ok = pump_until([&] { return connected; });
        QObject::disconnect(c);
        return ok;
    }
    void send(const std::string& line) { socket_.write(QByteArray::fromStdString(line + "\n")); }

    // The next frame, or an empty one when none arrives in time.
    Frame next(int timeout_ms = kWaitMs) {
        Frame frame;
        if (!pump_until([&] { return complete_frame(); }, timeout_ms)) return frame;
        const qsizetype eol = buffer_.indexOf('\n');
        frame.header = buffer_.left(eol).toStdString();
        buffer_.remove(0, eol + 1);
        const qsizetype n = value_length(frame.header);
        if (n >= 0) {
            frame.value = buffer_.left(n).toStdString();
            buffer_.remove(0, n + 1);
        }
        return frame;
    }
    bool closed_by_server(int timeout_ms = kWaitMs) {
        return pump_until([&] { return socket_.state() == QAbstractSocket::UnconnectedState; }, timeout_ms);
    }
    QTcpSocket& socket() { return socket_; }

private:
    // The value length of a VALUE or CHANGE header, -1 for other headers.
    static qsizetype value_length(const std::string& header) {
        if (header.rfind("VALUE ", 0) != 0 && header.rfind("CHANGE ", 0) != 0) return -1;
        return std::stoll(header.substr(header.rfind(' ') + 1));
    }
    bool complete_frame() {
        buffer_ += socket_.readAll();
        const qsizetype eol = buffer_.indexOf('\n');
        if (eol < 0) return false;
        const qsizetype n = value_length(buffer_.left(eol).toStdString());
        return n < 0 || buffer_.size() >= eol + 1 + n + 1;
    }
    template <class Done>
    bool pump_until(Done done, int timeout_ms = kWaitMs) {
        QElapsedTimer t;
        t.start();
        while (!done()) {
            if (t.elapsed() > timeout_ms) return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            socket_.waitForReadyRead(5);
        }
        return true;
    }

    QTcpSocket socket_;
    QByteArray buffer_;
};
