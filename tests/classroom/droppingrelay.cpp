#include "tests/classroom/droppingrelay.h"

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr int pollMs = 50;
// Long enough for the server to have done what the request asked before the cut.
constexpr auto serverWorkTime = std::chrono::milliseconds(500);

sockaddr_in loopback(int port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    return address;
}
} // namespace

DroppingRelay::DroppingRelay(int serverPort, const QByteArray& marker) : serverPort_(serverPort), marker_(marker)
{
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopback(0);
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    listen(listener_, 16);
    acceptor_ = std::thread([this] { accept(); });
}

DroppingRelay::~DroppingRelay()
{
    stopping_ = true;
    acceptor_.join();
    close(listener_);
    for (std::thread& pipe : pipes_)
        pipe.join();
}

void DroppingRelay::accept()
{
    while (!stopping_) {
        pollfd waiting{listener_, POLLIN, 0};
        if (poll(&waiting, 1, pollMs) <= 0)
            continue;
        const int client = ::accept(listener_, nullptr, nullptr);
        if (client < 0)
            continue;
        const std::lock_guard lock(pipesLock_);
        pipes_.emplace_back([this, client] { relay(client); });
    }
}

void DroppingRelay::relay(int client)
{
    const int server = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopback(serverPort_);
    if (connect(server, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(server);
        close(client);
        return;
    }
    char buffer[16384];
    while (!stopping_) {
        pollfd ends[2] = {{client, POLLIN, 0}, {server, POLLIN, 0}};
        if (poll(ends, 2, pollMs) <= 0)
            continue;
        bool closed = false;
        for (int side = 0; side < 2 && !closed; ++side) {
            if (!(ends[side].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            const ssize_t read = recv(ends[side].fd, buffer, sizeof buffer, 0);
            if (read <= 0) {
                closed = true;
                break;
            }
            send(ends[1 - side].fd, buffer, static_cast<size_t>(read), MSG_NOSIGNAL);
            if (side == 0 && !dropped_ && QByteArray::fromRawData(buffer, static_cast<int>(read)).contains(marker_)) {
                dropped_ = true;
                std::this_thread::sleep_for(serverWorkTime);
                closed = true;
            }
        }
        if (closed)
            break;
    }
    close(server);
    close(client);
}
