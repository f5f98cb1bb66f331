#include "platform/item_server.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

namespace platform {

namespace {
QString fold(const QString& name) { return name.toCaseFolded(); }

// "application|topic!item" split into its three names; false when malformed.
bool split_address(const QString& address, QString& application, QString& topic, QString& item) {
    const qsizetype bar = address.indexOf('|');
    const qsizetype bang = address.indexOf('!', bar + 1);
    if (bar <= 0 || bang <= bar + 1 || bang == address.size() - 1) return false;
    application = address.left(bar);
    topic = address.mid(bar + 1, bang - bar - 1);
    item = address.mid(bang + 1);
    return true;
}
}  // namespace

ItemServer::ItemServer(QString application, QObject* parent) : ItemServer(std::move(application), Limits{}, parent) {}

ItemServer::ItemServer(QString application, Limits limits, QObject* parent)
    : QObject(parent), application_(std::move(application)), limits_(limits), server_(new QTcpServer(this)) {
    connect(server_, &QTcpServer::newConnection, this, &ItemServer::accept_clients);
}

ItemServer::~ItemServer() {
    // Sockets are children of this object; forget them before they go so that no
    // disconnect handler runs against a half-destroyed server.
    for (QTcpSocket* c : std::as_const(clients_)) c->disconnect(this);
}

bool ItemServer::listen(quint16 port) { return server_->listen(QHostAddress::LocalHost, port); }

quint16 ItemServer::port() const { return server_->serverPort(); }

QString ItemServer::executable_application_name() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

void ItemServer::publish(const QString& topic_name, const QString& item_name, const QString& value) {
    Topic& topic = topics_[fold(topic_name)];
    if (topic.name.isNull()) topic.name = topic_name;
    auto [it, created] = topic.items.try_emplace(fold(item_name));
    Item& item = it->second;
    if (created) item.name = item_name;
    if (!created && item.value == value) return;
    item.value = value;
    // A copy: sending may drop a client that stopped reading.
    const QSet<QTcpSocket*> advised = item.advised;
    for (QTcpSocket* client : advised)
        if (clients_.contains(client)) send_value(client, "CHANGE", topic, item);
}

QString ItemServer::value(const QString& topic_name, const QString& item_name) const {
    auto t = topics_.find(fold(topic_name));
    if (t == topics_.end()) return {};
    auto i = t->second.items.find(fold(item_name));
    return i == t->second.items.end() ? QString() : i->second.value;
}

void ItemServer::accept_clients() {
    while (QTcpSocket* client = server_->nextPendingConnection()) {
        client->setParent(this);
        if (client_count() >= limits_.max_clients) {
            connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
            client->write("ERROR busy\n");
            client->disconnectFromHost();
            continue;
        }
        clients_.insert(client);
        // A bounded read buffer: a line that never ends cannot make the buffer grow.
        client->setReadBufferSize(limits_.max_line * 8);
        connect(client, &QTcpSocket::readyRead, this, [this, client] { read_requests(client); });
        connect(client, &QTcpSocket::disconnected, this, [this, client] { drop(client); });
    }
}

void ItemServer::read_requests(QTcpSocket* client) {
    while (clients_.contains(client) && client->canReadLine()) {
        QByteArray line = client->readLine(limits_.max_line + 1);  // at most max_line bytes
        if (!line.endsWith('\n')) {
            refuse_long_line(client);
            return;
        }
        while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
        handle(client, QString::fromUtf8(line));
    }
    // No end of line within the limit: the line is too long whatever follows.
    if (clients_.contains(client) && client->bytesAvailable() >= limits_.max_line) refuse_long_line(client);
}

void ItemServer::refuse_long_line(QTcpSocket* client) {
    client->write("ERROR line-too-long\n");
    drop(client, /*graceful=*/true);
}

void ItemServer::handle(QTcpSocket* client, const QString& line) {
    const QString text = line.trimmed();
    if (text.isEmpty()) return;
    const qsizetype blank = text.indexOf(' ');
    const QString command = text.left(blank).toUpper();
    const QString address = blank < 0 ? QString() : text.mid(blank + 1).trimmed();
    if (command != "REQUEST" && command != "ADVISE" && command != "UNADVISE") {
        send(client, "ERROR unknown-command " + text.toUtf8() + "\n");
        return;
    }
    Link link = resolve(address);
    if (!link.error.isEmpty()) {
        send(client, "ERROR " + link.error.toUtf8() + " " + address.toUtf8() + "\n");
        return;
    }
    const QByteArray name = address_of(*link.topic, *link.item).toUtf8();
    if (command == "REQUEST") {
        send_value(client, "VALUE", *link.topic, *link.item);
    } else if (command == "ADVISE") {
        link.item->advised.insert(client);
        send(client, "OK ADVISE " + name + "\n");
        send_value(client, "CHANGE", *link.topic, *link.item);
    } else {
        link.item->advised.remove(client);
        send(client, "OK UNADVISE " + name + "\n");
    }
}

ItemServer::Link ItemServer::resolve(const QString& address) {
    Link link;
    QString application, topic, item;
    if (!split_address(address, application, topic, item)) {
        link.error = "bad-address";
    } else if (fold(application) != fold(application_)) {
        link.error = "no-such-application";
    } else if (auto t = topics_.find(fold(topic)); t == topics_.end()) {
        link.error = "no-such-topic";
    } else if (auto i = t->second.items.find(fold(item)); i == t->second.items.end()) {
        link.error = "no-such-item";
    } else {
        link.topic = &t->second;
        link.item = &i->second;
    }
    return link;
}

QString ItemServer::address_of(const Topic& topic, const Item& item) const {
    return application_ + "|" + topic.name + "!" + item.name;
}

void ItemServer::send_value(QTcpSocket* client, const char* kind, const Topic& topic, const Item& item) {
    // Length-prefixed: the value may hold line ends of its own.
    const QByteArray bytes = item.value.toUtf8();
    send(client, QByteArray(kind) + " " + address_of(topic, item).toUtf8() + " " + QByteArray::number(bytes.size()) +
                     "\n" + bytes + "\n");
}

void ItemServer::send(QTcpSocket* client, const QByteArray& bytes) {
    client->write(bytes);
    // A client that stops reading is dropped rather than letting its data pile up.
    if (client->bytesToWrite() > limits_.max_backlog) drop(client);
}

void ItemServer::drop(QTcpSocket* client, bool graceful) {
    if (!clients_.remove(client)) return;
    for (auto& [tk, topic] : topics_)
        for (auto& [ik, item] : topic.items) item.advised.remove(client);
    client->disconnect(this);
    if (graceful) {
        // Sends what is queued (the error line), then closes.
        connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
        client->disconnectFromHost();
    } else {
        client->abort();
        client->deleteLater();
    }
}

}  // namespace platform
