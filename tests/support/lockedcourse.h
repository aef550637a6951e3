#pragma once

#include "data/connection.h"

#include <sqlite3.h>

// Another program holds a write lock on the course (db1.mdb in the working directory) while it
// lives; the program's connection gives up waiting for it almost at once.
class LockedCourse {
public:
    explicit LockedCourse(Connection& programConnection)
    {
        programConnection.setBusyTimeout(20);
        sqlite3_open("db1.mdb", &other_);
        sqlite3_exec(other_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    }
    ~LockedCourse() { release(); }
    LockedCourse(const LockedCourse&) = delete;
    LockedCourse& operator=(const LockedCourse&) = delete;

    void release()
    {
        if (!other_)
            return;
        sqlite3_exec(other_, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other_);
        other_ = nullptr;
    }

private:
    sqlite3* other_ = nullptr;
};
