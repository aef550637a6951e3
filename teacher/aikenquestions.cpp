#include "teacher/aikenquestions.h"

#include <QRegularExpression>
#include <QStringList>
#include <optional>

namespace {

constexpr int mostOptions = 5; // the answering window offers the letters A to E
constexpr int fewestOptions = 2;

struct Line {
    int number;
    QString text;
};

// A Latin capital A..E for a label letter. A Russian keyboard types the Cyrillic look-alikes of
// A, B, C and E; they are taken for the Latin letters they look like.
std::optional<QChar> labelLetter(QChar letter)
{
    const QChar upper = letter.toUpper();
    if (upper >= u'A' && upper <= u'E')
        return upper;
    switch (upper.unicode()) {
    case u'А': return QChar(u'A');
    case u'В': return QChar(u'B');
    case u'С': return QChar(u'C');
    case u'Е': return QChar(u'E');
    default: return std::nullopt;
    }
}

QChar optionLetter(qsizetype place)
{
    return QChar(static_cast<char16_t>(u'A' + place));
}

struct Option {
    QChar letter;
    QString text;
};

std::optional<Option> optionOf(const QString& line)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\w)\\s*[).]\\s*(.*)$"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch match = pattern.match(line);
    if (!match.hasMatch())
        return std::nullopt;
    const auto letter = labelLetter(match.captured(1).front());
    if (!letter)
        return std::nullopt;
    return Option{*letter, match.captured(2)};
}

// The letter after "ANSWER:" (or the Russian "Ответ:"), or a null character for a line that is
// no answer line; a question mark when the line names no single letter.
std::optional<QChar> answerOf(const QString& line)
{
    static const QRegularExpression pattern(QStringLiteral("^(ANSWER|ОТВЕТ)\\s*:\\s*(.*)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(line);
    if (!match.hasMatch())
        return std::nullopt;
    const QString letter = match.captured(2).trimmed();
    if (letter.size() != 1)
        return QChar(u'?');
    return labelLetter(letter.front()).value_or(QChar(u'?'));
}

QString quoted(const QString& text)
{
    return QStringLiteral("«%1»").arg(text);
}

// One block: a question, or the reason it is refused.
void readBlock(const QList<Line>& block, AikenFile& file)
{
    auto refuse = [&file](int line, const QString& reason) { file.refused.push_back({line, reason}); };
    QStringList question;
    qsizetype at = 0;
    // The first line is the question even when it looks like an option; the question may go on
    // over more lines until the first option.
    do
        question << block[at++].text;
    while (at < block.size() && !optionOf(block[at].text) && !answerOf(block[at].text));
    QStringList options;
    for (; at < block.size() && !answerOf(block[at].text); ++at) {
        const auto option = optionOf(block[at].text);
        const QChar expected = optionLetter(options.size());
        if (options.size() == mostOptions)
            return refuse(block[at].number, QStringLiteral("больше пяти вариантов ответа (в тесте только A–E)"));
        if (!option || option->letter != expected)
            return refuse(block[at].number,
                          QStringLiteral("ожидался вариант %1 или строка %2")
                              .arg(quoted(QString(expected) + u')'), quoted(QStringLiteral("ANSWER: буква"))));
        if (option->text.isEmpty())
            return refuse(block[at].number,
                          QStringLiteral("у варианта %1 нет текста").arg(quoted(QString(expected) + u')')));
        options << QString(expected) + QStringLiteral(") ") + option->text;
    }
    if (at == block.size())
        return refuse(block.back().number,
                      QStringLiteral("нет строки %1").arg(quoted(QStringLiteral("ANSWER: буква"))));
    if (options.size() < fewestOptions)
        return refuse(block[at].number, QStringLiteral("нужно не меньше двух вариантов ответа"));
    const QChar answer = *answerOf(block[at].text);
    if (answer == u'?' || answer.unicode() - u'A' >= static_cast<int>(options.size()))
        return refuse(
            block[at].number,
            QStringLiteral("ответ должен быть буквой одного из вариантов, A–%1").arg(optionLetter(options.size() - 1)));
    if (at + 1 < block.size())
        return refuse(block[at + 1].number,
                      QStringLiteral("после строки ответа начинается новый вопрос без пустой строки"));
    file.questions.push_back({block.front().number, (question + options).join(u'\n'), answer});
}

} // namespace

AikenFile readAikenQuestions(const QString& text)
{
    AikenFile file;
    QList<Line> block;
    const QStringList lines = text.split(u'\n');
    for (qsizetype index = 0; index <= lines.size(); ++index) {
        const QString line = index < lines.size() ? lines[index].trimmed() : QString();
        if (!line.isEmpty()) {
            block.append({static_cast<int>(index) + 1, line});
            continue;
        }
        if (!block.isEmpty())
            readBlock(block, file);
        block.clear();
    }
    return file;
}
