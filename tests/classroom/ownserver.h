#pragma once

#include <QString>
#include <QTemporaryDir>

// A PostgreSQL cluster of the test's own, in a temporary folder, that the test may stop as a
// crash would and start again, and that takes TLS connections with a certificate made for it.
class OwnServer {
public:
    OwnServer();
    ~OwnServer();
    OwnServer(const OwnServer&) = delete;
    OwnServer& operator=(const OwnServer&) = delete;

    bool isRunning() const { return running_; }
    // Stops the server at once, without a word to its clients ("immediate").
    void stopAsByCrash();
    void start();

    // The owner's connection string without a database, over the cluster's socket folder.
    QString ownerSetting() const;
    QString loopbackSetting() const;
    int port() const { return port_; }
    // Shell commands that stop and start it, for a program that does so itself.
    QString stopCommand() const;
    QString startCommand() const;

private:
    // The script functions' calls, as bash runs them.
    QString shellCommand(const QString& call) const;
    QString crashStopScript() const;
    QString startScript() const;

    QTemporaryDir folder_;
    int port_ = 0;
    bool running_ = false;
};
