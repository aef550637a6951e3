#include "app/usercourse.h"

#include "data/tdatamodule2.h"
#include "platform/apperror.h"
#include "platform/applicationtitle.h"
#include "platform/copyfolder.h"
#include "platform/messagebox.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QVersionNumber>

namespace {
const QString teoria = QStringLiteral("Teoria");
const QString skins = QStringLiteral("Skins");
const QString copiedFromKey = QStringLiteral("copiedFrom");
const QString offeredKey = QStringLiteral("offered");

[[noreturn]] void fail(const QString& folder, const QString& reason)
{
    throw AppError(
        QStringLiteral("%1: не удаётся подготовить копию курса (%2)").arg(QDir::toNativeSeparators(folder), reason));
}
} // namespace

UserCourse::UserCourse(const QString& installedFolder, const QString& userFolder, const QString& version)
    : installed_(installedFolder),
      user_(userFolder),
      version_(version)
{}

QString UserCourse::path(const QString& name) const
{
    return QDir(user_).filePath(name);
}

QString UserCourse::prepare() const
{
    if (!QDir().mkpath(user_))
        fail(user_, QStringLiteral("папку нельзя создать"));
    // The database is moved into place last, so its presence means a whole copy.
    if (!QFileInfo::exists(path(QString::fromLatin1(TDataModule2::databaseFileName))))
        copyCourse({});
    else
        offerNewerCourse();
    linkSkins();
    return user_;
}

void UserCourse::offerNewerCourse() const
{
    const QString copiedFrom = stamp(copiedFromKey);
    const QVersionNumber installed = QVersionNumber::fromString(version_);
    if (QVersionNumber::fromString(copiedFrom) >= installed || stamp(offeredKey) == version_)
        return;
    setStamp(offeredKey, version_);
    const QString text =
        QStringLiteral("Установлена новая версия курса (%1), а ваша копия курса сделана с версии %2. Заменить "
                       "вашу копию новым курсом? Прежняя копия вместе с результатами тестирования сохранится в "
                       "папке %3. Если ответить «Нет», вопрос больше не будет задан до следующей версии.")
            .arg(version_, copiedFrom.isEmpty() ? QStringLiteral("?") : copiedFrom, QDir::toNativeSeparators(user_));
    if (showMessageBox({applicationTitle(), text, MessageIcon::Question, MessageButtons::YesNo}) == MessageAnswer::Yes)
        copyCourse(copiedFrom);
}

void UserCourse::copyCourse(const QString& replacedVersion) const
{
    const QString database = QString::fromLatin1(TDataModule2::databaseFileName);
    // Everything is copied into a folder of its own first: an interrupted copy never looks like a
    // course, and the next start simply begins again.
    QDir incoming(path(QStringLiteral(".incoming")));
    if (!incoming.removeRecursively() || !QDir().mkpath(incoming.path()))
        fail(incoming.path(), QStringLiteral("папку нельзя создать"));
    const QString failure = copyFolder(QDir(installed_).filePath(teoria), incoming.filePath(teoria));
    if (!failure.isEmpty())
        fail(user_, failure);
    QFile installedDatabase(QDir(installed_).filePath(database));
    if (!installedDatabase.copy(incoming.filePath(database)))
        fail(user_, installedDatabase.fileName() + QStringLiteral(": ") + installedDatabase.errorString());
    // The package's files may be read-only for everyone; the copy is the user's to write.
    QFile::setPermissions(incoming.filePath(database),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);

    moveAside(replacedVersion);
    if (!QDir().rename(incoming.filePath(teoria), path(teoria))
        || !QDir().rename(incoming.filePath(database), path(database)))
        fail(user_, QStringLiteral("файлы курса нельзя переместить на место"));
    incoming.removeRecursively();
    setStamp(copiedFromKey, version_);
}

void UserCourse::moveAside(const QString& replacedVersion) const
{
    // Whatever of an earlier copy is in the way is kept, never deleted: it may hold results.
    const QStringList inTheWay = QDir(user_).entryList({QString::fromLatin1(TDataModule2::databaseFileName), teoria},
                                                       QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    if (inTheWay.isEmpty())
        return;
    const QString backup = path(QStringLiteral("Прежний курс %1 %2")
                                    .arg(replacedVersion.isEmpty() ? QStringLiteral("?") : replacedVersion,
                                         QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh-mm-ss"))));
    if (!QDir().mkpath(backup))
        fail(backup, QStringLiteral("папку нельзя создать"));
    for (const QString& entry : inTheWay) {
        if (!QDir().rename(path(entry), QDir(backup).filePath(entry)))
            fail(user_, QStringLiteral("прежнюю копию нельзя перенести в папку %1").arg(backup));
    }
}

void UserCourse::linkSkins() const
{
    // A link, so that the skins stay those of the installed program, even after it moved (from
    // /usr/local to /usr, say). A real folder the user put in its place is the user's and stays.
    const QFileInfo link(path(skins));
    const QString target = QDir(installed_).filePath(skins);
    if (link.exists() && !link.isSymLink())
        return;
    if (link.isSymLink()) {
        if (link.symLinkTarget() == target)
            return;
        QFile::remove(link.filePath());
    }
    // Without the link only the built-in skin is offered; that is no reason to stop.
    QFile::link(target, link.filePath());
}

QString UserCourse::stamp(const QString& key) const
{
    return QSettings(path(QString::fromLatin1(stampFileName)), QSettings::IniFormat).value(key).toString();
}

void UserCourse::setStamp(const QString& key, const QString& value) const
{
    QSettings settings(path(QString::fromLatin1(stampFileName)), QSettings::IniFormat);
    settings.setValue(key, value);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        fail(user_, QStringLiteral("файл %1 нельзя записать").arg(QString::fromLatin1(stampFileName)));
}
