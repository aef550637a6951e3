#include "questionbank.h"

#include <QStringList>
#include <stdexcept>

namespace {

const QString answerPrefix = QStringLiteral("Ответ:");
const QString letters = QStringLiteral("ABCDE");

[[noreturn]] void fail(int line, const QString& what)
{
    throw std::runtime_error(("questions, line " + QString::number(line) + ": " + what).toStdString());
}

Question makeQuestion(const QStringList& block, int firstLine, int number)
{
    if (block.size() < 7)
        fail(firstLine, QStringLiteral("a question needs its text, five options and the answer"));
    const QString last = block.back();
    if (!last.startsWith(answerPrefix))
        fail(firstLine + static_cast<int>(block.size()) - 1, QStringLiteral("the last line must be the answer"));
    const QString answer = last.mid(answerPrefix.size()).trimmed();
    if (answer.size() != 1 || !letters.contains(answer))
        fail(firstLine + static_cast<int>(block.size()) - 1, QStringLiteral("the answer must be one of A to E"));
    // The five options are the five lines just above the answer, in the order A to E.
    const qsizetype firstOption = block.size() - 6;
    for (int k = 0; k < 5; ++k) {
        if (!block[firstOption + k].startsWith(letters.mid(k, 1) + u')'))
            fail(firstLine + static_cast<int>(firstOption) + k, QStringLiteral("expected option %1)").arg(letters[k]));
    }
    return {number, block.mid(0, block.size() - 1).join(u'\n'), answer};
}

} // namespace

std::vector<Question> parseQuestions(const QString& text)
{
    std::vector<Question> questions;
    QStringList block;
    int blockStart = 0;
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i <= lines.size(); ++i) {
        const QString line = i < lines.size() ? lines[i].trimmed() : QString();
        if (line.startsWith(u'#'))
            continue;
        if (line.isEmpty()) {
            if (!block.isEmpty())
                questions.push_back(makeQuestion(block, blockStart, static_cast<int>(questions.size()) + 1));
            block.clear();
            continue;
        }
        if (block.isEmpty())
            blockStart = i + 1;
        block << line;
    }
    return questions;
}
