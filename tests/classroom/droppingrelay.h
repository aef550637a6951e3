#pragma once

#include <QByteArray>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

// A TCP relay on loopback between a program and a server that, once, passes on a request holding
// a marker and then cuts both sides off without passing on the reply: the request reached the
// server, the answer never came back.
class DroppingRelay {
public:
    DroppingRelay(int serverPort, const QByteArray& marker);
    ~DroppingRelay();
    DroppingRelay(const DroppingRelay&) = delete;
    DroppingRelay& operator=(const DroppingRelay&) = delete;

    int port() const { return port_; }
    bool dropped() const { return dropped_; }

private:
    void accept();
    void relay(int client);

    int serverPort_;
    QByteArray marker_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_ = false;
    std::atomic<bool> dropped_ = false;
    std::thread acceptor_;
    std::mutex pipesLock_;
    std::vector<std::thread> pipes_;
};
