#include "platform/copyfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

QString copyFolder(const QString& from, const QString& to)
{
    QDirIterator entries(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString source = entries.next();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(source));
        if (!QDir().mkpath(QFileInfo(target).path()))
            return QStringLiteral("%1: не удаётся создать папку")
                .arg(QDir::toNativeSeparators(QFileInfo(target).path()));
        QFile file(source);
        if (!file.copy(target))
            return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(target), file.errorString());
    }
    return {};
}
