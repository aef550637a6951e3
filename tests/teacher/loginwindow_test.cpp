#include "app/tform3.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tslabel.h"
#include "teacher/tform10.h"
#include "teacher/tform9.h"
#include "tests/support/messagerecorder.h"
#include "tests/teacher/teacherprogram.h"
#include "tests/support/casename.h"

#include <QAction>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct LoginCase {
    const char* name;
    QString login;
    QString password;
    bool opensEditor;
};

class LoginWindowTest : public ::testing::TestWithParam<LoginCase> {};

TEST_P(LoginWindowTest, OnlyTheExactAccountOpensTheEditor)
{
    TeacherProgram program;
    ASSERT_TRUE(program.created);
    MessageRecorder boxes;
    Form3->N5->trigger();
    ASSERT_TRUE(Form9->isVisible());
    typeText(Form9->Edit1, GetParam().login);
    typeText(Form9->Edit2, GetParam().password);
    QTest::mouseClick(Form9->sButton1, Qt::LeftButton);

    EXPECT_EQ(Form10->isVisible(), GetParam().opensEditor);
    EXPECT_EQ(Form9->isVisible(), !GetParam().opensEditor);
    EXPECT_EQ(!Form9->Label1->isHidden(), !GetParam().opensEditor);
    // A failed try leaves both boxes as typed.
    EXPECT_EQ(Form9->Edit1->text(), GetParam().login);
    EXPECT_EQ(Form9->Edit2->text(), GetParam().password);
    EXPECT_TRUE(boxes.empty());
}

const QString password = QStringLiteral("Словесница");

INSTANTIATE_TEST_SUITE_P(Cases, LoginWindowTest,
                         ::testing::Values(LoginCase{"RightLoginAndPassword", "1", password, true},
                                           LoginCase{"BothEmpty", "", "", false},
                                           LoginCase{"PasswordWithTrailingBlank", "1", password + u' ', false},
                                           LoginCase{"LoginWithLeadingBlank", " 1", password, false},
                                           LoginCase{"LoginWithTrailingBlank", "1 ", password, false},
                                           LoginCase{"PasswordInOtherCase", "1", QStringLiteral("словесница"), false},
                                           LoginCase{"BoxesSwapped", password, "1", false},
                                           LoginCase{"WrongLogin", "2", password, false},
                                           LoginCase{"EmptyPassword", "1", "", false}),
                         CaseName());

TEST(LoginWindow, WindowShowsTheTextsAndMasksThePassword)
{
    TeacherProgram program;
    ASSERT_TRUE(program.created);
    EXPECT_EQ(Form9->windowTitle(), QStringLiteral("Авторизация"));
    EXPECT_EQ(Form9->Label1->text(), QStringLiteral("Ваш логин  или пароль неверны! "));
    EXPECT_EQ(Form9->Label2->text(), QStringLiteral("Введите логин"));
    EXPECT_EQ(Form9->Label3->text(), QStringLiteral("Введите пароль"));
    EXPECT_EQ(Form9->sButton1->text(), QStringLiteral("Вход"));
    EXPECT_TRUE(Form9->Label1->isHidden());
    EXPECT_EQ(Form9->Label1->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(Form9->Edit2->echoMode(), QLineEdit::Password);
    EXPECT_EQ(Form9->Edit2->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, Form9->Edit2), u'*');
}

TEST(LoginWindow, ErrorLineStaysUntilTheMainWindowOpensTheLoginAgain)
{
    TeacherProgram program;
    ASSERT_TRUE(program.created);
    Form3->N5->trigger();
    typeText(Form9->Edit1, QStringLiteral("x"));
    Form9->sButton1->click();
    ASSERT_FALSE(Form9->Label1->isHidden());

    Form9->Edit1->setText(QStringLiteral("1"));
    Form9->Edit2->setText(password);
    Form9->sButton1->click();
    EXPECT_TRUE(Form10->isVisible());
    EXPECT_FALSE(Form9->isVisible());
    EXPECT_FALSE(Form9->Label1->isHidden());

    Form3->N5->trigger();
    EXPECT_TRUE(Form9->isVisible());
    EXPECT_TRUE(Form9->Label1->isHidden());
    EXPECT_TRUE(Form9->Edit1->text().isEmpty());
    EXPECT_TRUE(Form9->Edit2->text().isEmpty());
}

TEST(LoginWindow, EnterInThePasswordBoxLogsIn)
{
    TeacherProgram program;
    ASSERT_TRUE(program.created);
    Form3->N5->trigger();
    typeText(Form9->Edit1, QStringLiteral("1"));
    typeText(Form9->Edit2, password);
    QTest::keyClick(Form9->Edit2, Qt::Key_Return);
    EXPECT_TRUE(Form10->isVisible());
}

} // namespace
