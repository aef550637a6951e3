#include "app/courseindexbuild.h"

#include "platform/apperror.h"

CourseIndexBuild::CourseIndexBuild(const QString& cacheFile, QList<CourseDocument> documents, QObject* parent)
    : QObject(parent),
      worker_([this, cacheFile, documents = std::move(documents)] { run(cacheFile, documents); })
{}

CourseIndexBuild::~CourseIndexBuild()
{
    stopping_ = true;
    worker_.join();
}

std::unique_ptr<CourseIndex> CourseIndexBuild::takeIndex()
{
    return std::move(index_);
}

void CourseIndexBuild::run(const QString& cacheFile, const QList<CourseDocument>& documents)
{
    // Posted to this object, the calls run in its thread; those still queued when it is destroyed
    // are dropped with it.
    const auto post = [this](auto call) { QMetaObject::invokeMethod(this, call, Qt::QueuedConnection); };
    try {
        auto index = std::make_unique<CourseIndex>(cacheFile);
        index->update(documents, [&](int done, int total) {
            post([this, done, total] { emit progressed(done, total); });
            return !stopping_;
        });
        index_ = std::move(index);
    } catch (const AppError& error) {
        failure_ = error.message();
    } catch (const std::exception& error) {
        failure_ = QString::fromLocal8Bit(error.what());
    }
    post([this] { emit finished(); });
}
