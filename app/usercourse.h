#pragma once

#include <QString>

// A student's own copy of an installed course. The installed course is read-only (it belongs to
// the package), but a test and its result must be stored, so the program works on a copy in the
// user's data folder: made on first start (db1.mdb and Teoria/; the skins stay shared through a
// link), never overwritten afterwards. An installed course of a newer version than the copy's is
// offered once, and taking it moves the old copy, results and all, into a folder beside it.
class UserCourse {
public:
    UserCourse(const QString& installedFolder, const QString& userFolder, const QString& version);

    // Makes or refreshes the copy as needed and returns its folder. Throws AppError naming the
    // folder and the reason when the copy cannot be made (a data folder that cannot be written).
    QString prepare() const;

    // The file in the user's folder that says which version the copy was made from.
    static constexpr const char* stampFileName = "course.ini";

private:
    QString path(const QString& name) const;
    void offerNewerCourse() const;
    void copyCourse(const QString& replacedVersion) const;
    void moveAside(const QString& replacedVersion) const;
    void linkSkins() const;
    QString stamp(const QString& key) const;
    void setStamp(const QString& key, const QString& value) const;

    QString installed_;
    QString user_;
    QString version_;
};
