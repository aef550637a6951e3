#include "tests/classroom/ownserver.h"

#include <QProcess>
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// A loopback port nobody listens on now: the system's choice for a socket bound to port 0.
int freePort()
{
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
    close(probe);
    return ntohs(address.sin_port);
}

void runShell(const QString& command)
{
    QProcess shell;
    shell.setProcessChannelMode(QProcess::ForwardedChannels);
    shell.start(QStringLiteral("/bin/bash"), {QStringLiteral("-c"), command});
    ASSERT_TRUE(shell.waitForFinished(60000)) << command.toStdString();
    ASSERT_EQ(shell.exitCode(), 0) << command.toStdString();
}
} // namespace

OwnServer::OwnServer() : port_(freePort())
{
    start();
}

OwnServer::~OwnServer()
{
    runShell(shellCommand(QStringLiteral("pg_cluster_stop")));
}

QString OwnServer::shellCommand(const QString& call) const
{
    return QStringLiteral("source '%1' && %2 '%3'")
        .arg(QStringLiteral(VESTORIA_PG_CLUSTER_SCRIPT), call, folder_.path());
}

QString OwnServer::crashStopScript() const
{
    return shellCommand(QStringLiteral("pg_cluster_stop")) + QStringLiteral(" immediate");
}

QString OwnServer::startScript() const
{
    return shellCommand(QStringLiteral("pg_cluster_start")) + QStringLiteral(" %1 tls").arg(port_);
}

QString OwnServer::stopCommand() const
{
    return QStringLiteral("/bin/bash -c \"%1\"").arg(crashStopScript());
}

QString OwnServer::startCommand() const
{
    return QStringLiteral("/bin/bash -c \"%1\"").arg(startScript());
}

void OwnServer::stopAsByCrash()
{
    runShell(crashStopScript());
    running_ = false;
}

void OwnServer::start()
{
    runShell(startScript());
    running_ = true;
}

QString OwnServer::ownerSetting() const
{
    return QStringLiteral("host=%1/socket port=%2 user=vestoria_owner").arg(folder_.path()).arg(port_);
}

QString OwnServer::loopbackSetting() const
{
    return QStringLiteral("host=127.0.0.1 port=%1").arg(port_);
}
