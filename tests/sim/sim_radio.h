#pragma once
#include <QObject>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/serial_port.h"
#include "support/pty_pair.h"

class QSocketNotifier;

// Simulated transceivers for the tests: a radio behind a pseudo-terminal that the
// program opens as its serial port. The base opens the pair, reads what the program
// writes, cuts it into frames the way the radio's protocol does, keeps a transcript
// of every frame in order and hands each frame to the radio's decoder; a radio adds
// its state (what a test sets up and asserts on) and its decoder (obey), and answers
// through answer(). Everything runs in the test's event loop.
//
// A new radio: derive from SimRadio, pass its framing, keep a State struct, implement
// obey(frame). It is written from the radio's own protocol, not from the program's
// frame code, so that the tests compare two independent readings of the protocol.
namespace torv::sim {

// How a protocol cuts the byte stream into frames.
struct Framing {
    size_t length = 0;  // every frame has this many bytes (Yaesu CAT: 5); 0: ended by `end`
    int end = -1;       // the byte that ends a frame (CI-V: 0xFD, text commands: ';')
    bool text = false;  // the transcript shows the frame as text rather than hexadecimal
};

class SimRadio : public QObject {
    Q_OBJECT
public:
    explicit SimRadio(Framing framing);
    ~SimRadio() override;

    bool ok() const { return pty_.ok(); }
    const std::string& port_path() const { return pty_.slave_path(); }

    bool answer_reads = true;  // false: the radio stays silent
    int reply_delay_ms = 0;    // answers leave this long after the request that asked
    bool line_cut = false;     // the cable is cut: what the program writes never arrives
    bool hold_answers = false; // answers wait until release_answers()
    size_t split_at = 0;       // answers leave in two pieces: this many bytes, the rest a moment later

    // Sends every held answer at once, as one piece on the line.
    void release_answers();

    // Sends raw bytes to the program at once, as a radio talking on its own would.
    void send(const std::vector<uint8_t>& bytes);
    // Takes at once everything the program has written so far, without waiting for the
    // line to report it: a read that finds nothing first lets the line finish handing
    // over what it still holds, however late a loaded machine would have delivered it.
    void take_written() { on_readable(); }
    // Pulls the line away mid-pass: the program sees the port hang up.
    void unplug();

    // Every frame received, in order (hexadecimal, or text for text protocols).
    const std::vector<std::string>& frames() const { return frames_; }
    size_t mark() const { return frames_.size(); }
    std::vector<std::string> frames_since(size_t mark) const;

protected:
    // One complete frame as the radio received it.
    virtual void obey(const std::vector<uint8_t>& frame) = 0;
    // A reply to a request: nothing while answer_reads is false, late by reply_delay_ms,
    // kept back while hold_answers is set.
    void answer(const std::vector<uint8_t>& bytes);

private:
    void on_readable();
    size_t frame_size() const;

    Framing framing_;
    PtyPair pty_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::vector<uint8_t> pending_;
    std::vector<uint8_t> held_;
    std::vector<std::string> frames_;
};

// The program's end of the line without a transceiver window, for testing a simulator
// on its own: a port opened on the radio that collects everything the radio sends.
struct ProgramEnd {
    platform::SerialPort port;
    QByteArray received;

    explicit ProgramEnd(const SimRadio& radio);
    // Writes the bytes and lets the radio take them (at most two seconds).
    void write(const QByteArray& bytes, const SimRadio& radio);
};

// Packed BCD as the radios write it, for the simulators' own encoders.
inline uint8_t bcd(int v) { return static_cast<uint8_t>(((v / 10 % 10) << 4) | (v % 10)); }
inline int from_bcd(uint8_t b) { return 10 * (b >> 4) + (b & 0x0F); }
std::string hex(const std::vector<uint8_t>& bytes);

}  // namespace torv::sim
