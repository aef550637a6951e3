#pragma once

#include "data/connection.h"
#include "tests/support/testcourse.h"

#include <QString>
#include <gtest/gtest.h>
#include <memory>

// A database of its own on the test server, with a course published on it from a temporary
// course file, dropped again afterwards. The server is the one the test command started; its
// owner's connection string (without a database) is in VESTORIA_TEST_SERVER, its loopback
// address in VESTORIA_TEST_SERVER_TCP. Without them the tests are skipped.
class ClassroomServer : public ::testing::Test {
protected:
    static inline const QString studentPassword = QStringLiteral("ученик");
    static inline const QString teacherPassword = QStringLiteral("Словесница");

    void SetUp() override;
    void TearDown() override;

    // The server's owner connection string without a database, and its loopback address: the
    // test command's server unless a fixture brings its own.
    virtual QString serverSetting() const;
    virtual QString loopbackSetting() const;

    // Publishes the course file on the server again.
    void publish();

    QString ownerConnection() const;
    // A loopback connection string for a role, without its password.
    QString roleConnection(const QString& role) const;
    std::unique_ptr<Connection> connectAs(const QString& role, const QString& password) const;
    // A student's connection with a session of its own, as a student's program has it.
    std::unique_ptr<Connection> studentSession(const QString& session) const;

    // Runs SQL as the owner; gives the rows, each row's columns joined by "|".
    QStringList ownerRows(const QString& sql) const;

    // Fills the course file's question bank with questions numbered 1..count, the correct
    // letter of question n being "ABCDE"[n % 5].
    void addQuestions(int count);

    TestCourse course;
    QString database;
    std::unique_ptr<Connection> owner;
};
