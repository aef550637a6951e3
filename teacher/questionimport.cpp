#include "teacher/questionimport.h"

#include "data/table.h"
#include "platform/applicationtitle.h"
#include "platform/filedialog.h"
#include "platform/messagebox.h"
#include "platform/textdecoding.h"
#include "teacher/aikenquestions.h"
#include "teacher/questionstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace {

// A question file is a few hundred kilobytes at most; anything far larger is no question file.
constexpr qint64 largestFile = 16 * 1024 * 1024;

void tell(const QString& text, MessageIcon icon)
{
    showMessageBox({applicationTitle(), text, icon});
}

} // namespace

QString refusalReport(const QString& fileName, const AikenFile& file)
{
    QStringList lines;
    lines << QStringLiteral("Файл %1: вопросов прочитано: %2, отклонено блоков: %3. Ничего не добавлено — "
                            "исправьте файл и повторите импорт.")
                 .arg(fileName)
                 .arg(file.questions.size())
                 .arg(file.refused.size());
    for (const RefusedBlock& block : file.refused)
        lines << QStringLiteral("Строка %1: %2.").arg(block.line).arg(block.reason);
    return lines.join(u'\n');
}

void importQuestions(QWidget* parent, Table& bank)
{
    const QString path = chooseFile(parent, {FileDialogRequest::Purpose::Open, QStringLiteral("Импорт вопросов"),
                                             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                             QStringLiteral("Текстовые файлы (*.txt);;Все файлы (*)")});
    if (path.isEmpty())
        return;
    const QString fileName = QFileInfo(path).fileName();
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return tell(
            QStringLiteral("Не удалось открыть файл %1: %2.").arg(QDir::toNativeSeparators(path), source.errorString()),
            MessageIcon::Error);
    if (source.size() > largestFile)
        return tell(QStringLiteral("Файл %1 слишком велик для файла вопросов.").arg(fileName), MessageIcon::Error);
    const AikenFile file = readAikenQuestions(decodeUndeclaredText(source.readAll()));
    if (!file.refused.empty())
        return tell(refusalReport(fileName, file), MessageIcon::Warning);
    if (file.questions.empty())
        return tell(QStringLiteral("В файле %1 нет ни одного вопроса.").arg(fileName), MessageIcon::Warning);
    const MessageAnswer answer =
        showMessageBox({applicationTitle(),
                        QStringLiteral("Файл %1: вопросов прочитано: %2. Добавить их в банк вопросов?")
                            .arg(fileName)
                            .arg(file.questions.size()),
                        MessageIcon::Question, MessageButtons::OkCancel});
    if (answer != MessageAnswer::Ok)
        return;
    // A question being edited is stored before the bank grows, as any move of the editor would.
    if (bank.state() == Table::State::Edit || bank.state() == Table::State::Insert)
        bank.post();
    const int first = appendQuestions(bank.connection(), file.questions);
    // A refresh keeps to the records the table already knew; opening it again reads the new ones.
    bank.close();
    bank.open();
    const int last = first + static_cast<int>(file.questions.size()) - 1;
    tell(QStringLiteral("Вопросов добавлено: %1 (номера %2–%3).").arg(file.questions.size()).arg(first).arg(last),
         MessageIcon::Information);
}
