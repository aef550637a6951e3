#include "teacher/aikenquestions.h"

#include "tests/support/casename.h"

#include <gtest/gtest.h>

namespace {

const QString goodBlock = QStringLiteral("Кто изобрёл телеграф?\nA) Морзе\nB) Попов\nC) Белл\nANSWER: A\n");

TEST(AikenQuestions, ReadsEveryBlockWithItsLineAndTheOptionsAsTheWindowShowsThem)
{
    const QString text =
        goodBlock
        + QStringLiteral("\n\r\nСколько будет\nдва плюс два?\r\nA. три\r\nB. четыре\r\nC. пять\r\nD. шесть\r\n"
                         "E. семь\r\nanswer:b\r\n");
    const AikenFile file = readAikenQuestions(text);
    ASSERT_TRUE(file.refused.empty()) << file.refused.front().reason.toStdString();
    ASSERT_EQ(file.questions.size(), 2u);
    EXPECT_EQ(file.questions[0].line, 1);
    EXPECT_EQ(file.questions[0].text, QStringLiteral("Кто изобрёл телеграф?\nA) Морзе\nB) Попов\nC) Белл"));
    EXPECT_EQ(file.questions[0].answer, QChar(u'A'));
    EXPECT_EQ(file.questions[1].line, 8);
    EXPECT_EQ(file.questions[1].text,
              QStringLiteral("Сколько будет\nдва плюс два?\nA) три\nB) четыре\nC) пять\nD) шесть\nE) семь"));
    EXPECT_EQ(file.questions[1].answer, QChar(u'B'));
}

// Typed on a Russian keyboard, the labels A, B, C, E and the answer come out Cyrillic.
TEST(AikenQuestions, CyrillicLookAlikeLettersCountAsLatin)
{
    const AikenFile file = readAikenQuestions(QStringLiteral("Вопрос\nА) один\nВ) два\nС) три\nОтвет: С"));
    ASSERT_TRUE(file.refused.empty());
    ASSERT_EQ(file.questions.size(), 1u);
    EXPECT_EQ(file.questions[0].text, QStringLiteral("Вопрос\nA) один\nB) два\nC) три"));
    EXPECT_EQ(file.questions[0].answer, QChar(u'C'));
}

struct RefusalCase {
    std::string name;
    QString block;
    int line;
    QString reason;
};

class AikenRefusal : public ::testing::TestWithParam<RefusalCase> {};

// A faulty block is refused at the line at fault; the good block after it is still read.
TEST_P(AikenRefusal, NamesTheLineAndTheReason)
{
    const RefusalCase& c = GetParam();
    const AikenFile file = readAikenQuestions(c.block + QStringLiteral("\n\n") + goodBlock);
    ASSERT_EQ(file.refused.size(), 1u);
    EXPECT_EQ(file.refused[0].line, c.line);
    EXPECT_TRUE(file.refused[0].reason.contains(c.reason)) << file.refused[0].reason.toStdString();
    EXPECT_EQ(file.questions.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AikenRefusal,
    ::testing::Values(
        RefusalCase{"no answer line", QStringLiteral("Вопрос\nA) да\nB) нет"), 3, QStringLiteral("нет строки «ANSWER")},
        RefusalCase{"options out of order", QStringLiteral("Вопрос\nA) да\nC) нет\nANSWER: A"), 3,
                    QStringLiteral("ожидался вариант «B)»")},
        RefusalCase{"a line between the options", QStringLiteral("Вопрос\nA) да\nи ещё\nB) нет\nANSWER: A"), 3,
                    QStringLiteral("ожидался вариант «B)»")},
        RefusalCase{"six options", QStringLiteral("В\nA) 1\nB) 2\nC) 3\nD) 4\nE) 5\nF) 6\nANSWER: A"), 7,
                    QStringLiteral("больше пяти")},
        RefusalCase{"one option", QStringLiteral("Вопрос\nA) да\nANSWER: A"), 3, QStringLiteral("не меньше двух")},
        RefusalCase{"empty option", QStringLiteral("Вопрос\nA) да\nB)\nANSWER: A"), 3, QStringLiteral("нет текста")},
        RefusalCase{"answer beyond the options", QStringLiteral("Вопрос\nA) да\nB) нет\nANSWER: D"), 4,
                    QStringLiteral("A–B")},
        RefusalCase{"answer of two letters", QStringLiteral("Вопрос\nA) да\nB) нет\nANSWER: AB"), 4,
                    QStringLiteral("A–B")},
        RefusalCase{"next question without a blank line",
                    QStringLiteral("Вопрос\nA) да\nB) нет\nANSWER: A\nЕщё вопрос\nA) да\nB) нет\nANSWER: B"), 5,
                    QStringLiteral("без пустой строки")},
        RefusalCase{"options without a question", QStringLiteral("A) да\nB) нет\nANSWER: A"), 2,
                    QStringLiteral("ожидался вариант «A)»")}),
    CaseName());

} // namespace
