#pragma once
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A small HTTP/1.1 server on 127.0.0.1 for tests: it answers each request from a table
// of routes on its own thread, so the program's event-pumping transfer can talk to it.
// Unknown paths get a 404.
class LocalHttpServer {
public:
    struct Reply {
        int status = 200;
        std::string body;
        std::string content_type = "text/plain";
        std::string location;   // sent as Location (redirects)
        bool hang = false;      // accept the request and never answer
        bool cut_short = false; // announce the whole body, send half of it and close
        bool unannounced = false;       // send no Content-Length: the body ends when the connection closes
        size_t announced_length = 0;    // when set: announce this length, send only the headers and hold the connection

        static Reply text(std::string body, int status = 200) {
            Reply r;
            r.status = status;
            r.body = std::move(body);
            return r;
        }
        static Reply html(std::string body, int status = 200) {
            Reply r = text(std::move(body), status);
            r.content_type = "text/html";
            return r;
        }
        static Reply redirect(std::string to) {
            Reply r = text("", 302);
            r.location = std::move(to);
            return r;
        }
        static Reply hanging() {
            Reply r;
            r.hang = true;
            return r;
        }
        static Reply truncated(std::string body) {
            Reply r = text(std::move(body));
            r.cut_short = true;
            return r;
        }
        static Reply without_length(std::string body) {
            Reply r = text(std::move(body));
            r.unannounced = true;
            return r;
        }
        static Reply announcing(size_t length) {
            Reply r;
            r.announced_length = length;
            return r;
        }
    };

    LocalHttpServer() {
        listen_fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        int one = 1;
        ::setsockopt(listen_fd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        addr.sin_port = 0;
        ::bind(listen_fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
        ::listen(listen_fd_, 16);
        socklen_t len = sizeof addr;
        ::getsockname(listen_fd_, reinterpret_cast<sockaddr*>(&addr), &len);
        port_ = ntohs(addr.sin_port);
        ::pipe(wake_);
        thread_ = std::thread([this] { run(); });
    }

    ~LocalHttpServer() {
        stop_ = true;
        ::write(wake_[1], "x", 1);
        thread_.join();
        for (int fd : hanging_) ::close(fd);
        ::close(listen_fd_);
        ::close(wake_[0]);
        ::close(wake_[1]);
    }

    void route(const std::string& path, Reply reply) {
        std::lock_guard lock(mutex_);
        routes_[path] = std::move(reply);
    }

    std::string url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }

    int requests(const std::string& path) const {
        std::lock_guard lock(mutex_);
        auto it = counts_.find(path);
        return it == counts_.end() ? 0 : it->second;
    }

private:
    void run() {
        while (!stop_) {
            pollfd fds[2] = {{listen_fd_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
            if (::poll(fds, 2, -1) <= 0) continue;
            if (fds[1].revents) break;
            int fd = ::accept(listen_fd_, nullptr, nullptr);
            if (fd >= 0) serve(fd);
        }
    }

    static std::string read_request(int fd) {
        std::string req;
        char buf[4096];
        while (req.find("\r\n\r\n") == std::string::npos) {
            ssize_t n = ::recv(fd, buf, sizeof buf, 0);
            if (n <= 0) break;
            req.append(buf, static_cast<size_t>(n));
        }
        return req;
    }

    static std::string reason(int status) {
        switch (status) {
        case 200: return "OK";
        case 206: return "Partial Content";
        case 302: return "Found";
        case 404: return "Not Found";
        case 500: return "Internal Server Error";
        default: return "Status";
        }
    }

    void serve(int fd) {
        const std::string req = read_request(fd);
        const size_t a = req.find(' ');
        const size_t b = req.find(' ', a + 1);
        const std::string path = a == std::string::npos ? "" : req.substr(a + 1, b - a - 1);
        Reply reply;
        {
            std::lock_guard lock(mutex_);
            ++counts_[path];
            auto it = routes_.find(path);
            if (it != routes_.end()) reply = it->second;
            else reply = Reply::html("<html><body>Not Found</body></html>", 404);
        }
        if (reply.hang) {
            hanging_.push_back(fd);
            return;
        }
        std::string head = "HTTP/1.1 " + std::to_string(reply.status) + " " + reason(reply.status) + "\r\n";
        head += "Content-Type: " + reply.content_type + "\r\n";
        const size_t length = reply.announced_length ? reply.announced_length : reply.body.size();
        if (!reply.unannounced) head += "Content-Length: " + std::to_string(length) + "\r\n";
        if (!reply.location.empty()) head += "Location: " + url(reply.location) + "\r\n";
        head += "Connection: close\r\n\r\n";
        if (reply.announced_length) {
            send_all(fd, head);
            hanging_.push_back(fd);
            return;
        }
        const std::string body = reply.cut_short ? reply.body.substr(0, reply.body.size() / 2) : reply.body;
        send_all(fd, head + body);
        ::close(fd);
    }

    static void send_all(int fd, const std::string& data) {
        size_t sent = 0;
        while (sent < data.size()) {
            ssize_t n = ::send(fd, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
            if (n <= 0) return;
            sent += static_cast<size_t>(n);
        }
    }

    int listen_fd_ = -1;
    int port_ = 0;
    int wake_[2] = {-1, -1};
    std::atomic<bool> stop_{false};
    std::thread thread_;
    mutable std::mutex mutex_;
    std::map<std::string, Reply> routes_;
    std::map<std::string, int> counts_;
    std::vector<int> hanging_;
};
