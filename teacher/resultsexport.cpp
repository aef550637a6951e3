#include "teacher/resultsexport.h"

#include "data/table.h"
#include "platform/applicationtitle.h"
#include "platform/filedialog.h"
#include "platform/messagebox.h"
#include "teacher/csvwriter.h"

#include <QDate>
#include <QDir>
#include <QSaveFile>
#include <QStandardPaths>

void exportResults(QWidget* parent, const Table& results, const QList<DBGridColumn>& columns)
{
    const QString suggested =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(QStringLiteral("Результаты тестирования %1.csv").arg(QDate::currentDate().toString(Qt::ISODate)));
    const QString path = chooseFile(parent, {FileDialogRequest::Purpose::Save, QStringLiteral("Экспорт в CSV"),
                                             suggested, QStringLiteral("Файлы CSV (*.csv);;Все файлы (*)")});
    if (path.isEmpty())
        return;
    const QByteArray csv = recordsAsCsv(results, columns);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit()) {
        showMessageBox({applicationTitle(),
                        QStringLiteral("Не удалось сохранить файл %1: %2.")
                            .arg(QDir::toNativeSeparators(path), file.errorString()),
                        MessageIcon::Error});
        return;
    }
    showMessageBox({applicationTitle(),
                    QStringLiteral("Записей сохранено: %1. Файл: %2")
                        .arg(results.recordCount())
                        .arg(QDir::toNativeSeparators(path)),
                    MessageIcon::Information});
}
