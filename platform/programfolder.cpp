#include "platform/programfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& overrideFolder()
{
    static QString folder;
    return folder;
}
} // namespace

void setProgramFolderOverride(const QString& folder)
{
    overrideFolder() = folder;
}

QString programFolder()
{
    QString folder = overrideFolder().isEmpty() ? QCoreApplication::applicationDirPath() : overrideFolder();
    folder = QDir::toNativeSeparators(folder);
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder;
}

QString nativePath(const QString& path)
{
#ifdef Q_OS_WIN
    return path;
#else
    QString result = path;
    result.replace(u'\\', u'/');
    return result;
#endif
}
