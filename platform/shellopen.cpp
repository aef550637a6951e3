#include "platform/shellopen.h"

#include "platform/programfolder.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace {
ShellOpenHandler& handler()
{
    static ShellOpenHandler current;
    return current;
}
} // namespace

void setShellOpenHandler(ShellOpenHandler replacement)
{
    handler() = std::move(replacement);
}

QString shellOpenTarget(const QString& path)
{
    return QDir::cleanPath(QDir::current().absoluteFilePath(nativePath(path)));
}

void shellOpen(const QString& path)
{
    if (handler()) {
        handler()(path);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(shellOpenTarget(path)));
}
