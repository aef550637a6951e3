#pragma once

#include "app/courseindex.h"

#include <QObject>

#include <atomic>
#include <memory>
#include <thread>

// Builds the course index away from the window's thread, so that the window answers while the
// lectures are read. The worker opens its own connection to the cache and hands the index over
// only when it has finished with it. Destroying the build stops the worker after the document it
// is reading and waits for it: nothing it posts outlives the build.
class CourseIndexBuild : public QObject {
    Q_OBJECT

public:
    CourseIndexBuild(const QString& cacheFile, QList<CourseDocument> documents, QObject* parent = nullptr);
    ~CourseIndexBuild() override;

    // The built index, once finished() has come; empty when the build failed.
    std::unique_ptr<CourseIndex> takeIndex();
    // Why the build failed, in the words the user reads; empty when it did not.
    const QString& failure() const { return failure_; }

signals:
    void progressed(int done, int total);
    void finished();

private:
    void run(const QString& cacheFile, const QList<CourseDocument>& documents);

    std::atomic_bool stopping_{false};
    // Written by the worker before it posts finished(), read after it has come.
    std::unique_ptr<CourseIndex> index_;
    QString failure_;
    std::thread worker_;
};
