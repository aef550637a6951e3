#include "app/commandline.h"
#include "tests/support/casename.h"

#include <gtest/gtest.h>

namespace {

struct CommandLineCase {
    const char* name;
    QStringList arguments;
    // Empty: the program starts as always.
    QString answerStart;
};

class CommandLineTest : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTest, AnswersOnlyItsTwoOptions)
{
    const std::optional<QString> answer = commandLineAnswer(GetParam().arguments, QStringLiteral("2.3.4"));
    if (GetParam().answerStart.isEmpty()) {
        EXPECT_FALSE(answer.has_value()) << answer->toStdString();
        return;
    }
    ASSERT_TRUE(answer.has_value());
    EXPECT_TRUE(answer->startsWith(GetParam().answerStart)) << answer->toStdString();
    EXPECT_TRUE(answer->endsWith(u'\n'));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineTest,
    ::testing::Values(CommandLineCase{"Nothing", {"vestoria"}, {}},
                      CommandLineCase{"Version", {"vestoria", "--version"}, "vestoria 2.3.4\n"},
                      CommandLineCase{"Help", {"vestoria", "--help"}, "Использование: vestoria"},
                      CommandLineCase{"FirstOfTheTwoWins", {"vestoria", "--help", "--version"}, "Использование"},
                      CommandLineCase{"ToolkitOptionIsLeftAlone", {"vestoria", "-platform", "offscreen"}, {}},
                      CommandLineCase{"OptionNameIsNotAValue", {"vestoria", "--version=1"}, {}},
                      CommandLineCase{"ProgramNameIsNotAnOption", {"--help"}, {}}),
    CaseName());

TEST(CommandLine, HelpNamesBothOptionsInRussianAndEnglish)
{
    const QString help = *commandLineAnswer({QStringLiteral("vestoria"), QStringLiteral("--help")}, {});
    const QStringList halves = help.split(QStringLiteral("\n\n"));
    ASSERT_EQ(halves.size(), 2);
    for (const QString& half : halves) {
        EXPECT_TRUE(half.contains(QStringLiteral("--help"))) << half.toStdString();
        EXPECT_TRUE(half.contains(QStringLiteral("--version"))) << half.toStdString();
    }
    EXPECT_TRUE(halves[0].contains(QStringLiteral("показать версию")));
    EXPECT_TRUE(halves[1].contains(QStringLiteral("show the program's version")));
}

} // namespace
