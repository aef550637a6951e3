#pragma once

#include "catalogue.h"

#include <QByteArray>
#include <QDir>
#include <QString>

// Makes the demo course in a program folder from the sources in the demo folder: db1.mdb and
// the Teoria folder with its lectures, documents, photos, presentations and media. Whatever the
// folder held of an earlier course is replaced; the same sources always give the same bytes.
class CourseGenerator {
public:
    CourseGenerator(const QString& sourceFolder, const QString& programFolder);
    void run();

private:
    void writeTexts();
    void writePhotos();
    void writePresentations();
    void writeMedia();
    void writeDatabase();
    void checkLectureFiles() const;

    QString readText(const QString& relativePath) const;
    void writeFile(const QString& relativePath, const QByteArray& bytes) const;

    QDir source_;
    QDir program_;
    Catalogue catalogue_;
};
