#include "tests/classroom/studentprogram.h"

#include "app/startup.h"
#include "data/answerjournal.h"
#include "data/classroomschema.h"
#include "data/tdatamodule2.h"
#include "platform/usersettings.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tsradiobutton.h"
#include "skin/controls/tsradiogroup.h"
#include "skin/controls/tstreeview.h"
#include "testing/tform4.h"
#include "testing/tform5.h"
#include "testing/tform6.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTest>

void StudentProgram::SetUp()
{
    // Each test's computer starts with no answers kept from another.
    QFile::remove(AnswerJournal::defaultFileName());
    ClassroomServer::SetUp();
    if (IsSkipped())
        return;
    addQuestions(40);
    publish();
    passwordFile = course.path() + QStringLiteral("/pgpass");
    QFile file(passwordFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("*:*:*:%1:%2\n").arg(classroomSchema::studentRole, studentPassword).toUtf8());
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    userSettings()->setValue(QStringLiteral("Classroom/connection"), studentSetting());
}

void StudentProgram::TearDown()
{
    destroyProgram();
    userSettings()->remove(QStringLiteral("Classroom"));
    ClassroomServer::TearDown();
}

QString StudentProgram::studentSetting(const QString& extra) const
{
    QString setting = roleConnection(classroomSchema::studentRole) + QStringLiteral(" passfile=") + passwordFile;
    if (!extra.isEmpty())
        setting += u' ' + extra;
    return setting;
}

bool StudentProgram::startTest(const QString& name)
{
    if (!createProgram())
        return false;
    Form4->show();
    Form4->Edit1->setText(name);
    QTest::mouseClick(Form4->sButton1, Qt::LeftButton);
    return Form5->isVisible();
}

void StudentProgram::answer(int position, int letter)
{
    Form5->sTreeView1->setCurrentItem(Form5->sTreeView1->topLevelItem(position - 1));
    QCoreApplication::processEvents();
    TsRadioButton* button = Form5->sRadioGroup1->buttons()[letter];
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

QList<qint64> StudentProgram::takeTest(const QString& name)
{
    EXPECT_TRUE(startTest(name));
    const QString session = DataModule2->session();
    for (int position = 1; position <= TForm4::questionsPerTest; ++position)
        answer(position, 1);
    QTest::mouseClick(Form5->sButton1, Qt::LeftButton);
    EXPECT_EQ(Form6->windowTitle().contains(QLatin1String("не")), false) << Form6->windowTitle().toStdString();
    const QList<qint64> drawn = drawnQuestions(session);
    destroyProgram();
    return drawn;
}

QList<qint64> StudentProgram::drawnQuestions(const QString& session) const
{
    QList<qint64> drawn;
    for (const QString& entry : storedEntries(session))
        drawn.append(entry.section(u'|', 0, 0).toLongLong());
    return drawn;
}

QStringList StudentProgram::storedEntries(const QString& session) const
{
    return ownerRows(QStringLiteral("SELECT nom1, otv FROM testing_entries WHERE session = '%1' ORDER BY nom::integer")
                         .arg(session));
}
