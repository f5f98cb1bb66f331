#pragma once
#include <QObject>
#include <QSet>
#include <QString>
#include <map>

class QTcpServer;
class QTcpSocket;

namespace platform {

// Publishes named text items to programs on this machine, the way a DDE source window
// serves its controls: a client names an item by "application|topic!item" and can
// request its value once or be advised of every change. Loopback only: the port is
// bound to 127.0.0.1 and nothing is reachable from other machines. The protocol is
// described in docs/item_server.md.
class ItemServer : public QObject {
    Q_OBJECT
public:
    struct Limits {
        int max_clients = 16;           // a further client is told "ERROR busy" and closed
        int max_line = 1024;            // bytes of one request line, end of line included
        qint64 max_backlog = 1 << 20;   // unsent bytes a client may let pile up before it is dropped
    };

    explicit ItemServer(QString application, QObject* parent = nullptr);
    ItemServer(QString application, Limits limits, QObject* parent = nullptr);
    ~ItemServer() override;

    // Starts listening on 127.0.0.1:port (0 picks a free port). False when the port
    // cannot be bound (in use, or not allowed).
    bool listen(quint16 port);
    quint16 port() const;
    QString application() const { return application_; }

    // Stores the value of item in topic, creating either as needed; advised clients
    // are sent the value when it differs from the one stored.
    void publish(const QString& topic, const QString& item, const QString& value);
    // The value stored, or a null string when the topic or item does not exist.
    QString value(const QString& topic, const QString& item) const;

    int client_count() const { return static_cast<int>(clients_.size()); }

    // The application name a program serves under: its executable's file name
    // without the extension.
    static QString executable_application_name();

private:
    struct Item {
        QString name;   // as published
        QString value;
        QSet<QTcpSocket*> advised;
    };
    struct Topic {
        QString name;
        std::map<QString, Item> items;  // key: case-folded item name
    };
    struct Link {
        Topic* topic = nullptr;
        Item* item = nullptr;
        QString error;  // set when the link names nothing served
    };

    void accept_clients();
    void read_requests(QTcpSocket* client);
    void refuse_long_line(QTcpSocket* client);
    void handle(QTcpSocket* client, const QString& line);
    Link resolve(const QString& address);
    QString address_of(const Topic& topic, const Item& item) const;
    void send(QTcpSocket* client, const QByteArray& bytes);
    void send_value(QTcpSocket* client, const char* kind, const Topic& topic, const Item& item);
    void drop(QTcpSocket* client, bool graceful = false);

    QString application_;
    Limits limits_;
    QTcpServer* server_;
    std::map<QString, Topic> topics_;  // key: case-folded topic name
    QSet<QTcpSocket*> clients_;
};

}  // namespace platform
