// A student taking a whole test, for the kill test: it prints a line the moment each step has
// returned, so that whoever kills it knows what the program had already told the student was
// done. Lines: "course <folder>", "started", "stored <position> <letter>" (the answer of that
// position was posted by the move that followed it, or by the hand-in), "handed in".

#include "tests/testing/testingcourse.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

void say(const QString& line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// Letters change from position to position, so that a stored answer shows where it landed.
int letterOf(int position)
{
    return position % 5;
}
QString letterName(int position)
{
    return QString(QChar(u'A' + letterOf(position)));
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    TestingCourse run(100);
    say(QStringLiteral("course ") + run.course.path());
    if (!run.started())
        return 1;
    run.startTest(QStringLiteral("Петрова Анна"));
    say(QStringLiteral("started"));
    for (int position = 1; position <= 20; ++position) {
        run.choosePosition(position);
        if (position > 1)
            say(QStringLiteral("stored %1 %2").arg(position - 1).arg(letterName(position - 1)));
        run.chooseAnswer(letterOf(position));
    }
    run.handIn();
    say(QStringLiteral("stored 20 %1").arg(letterName(20)));
    say(QStringLiteral("handed in"));
    // The course is left for the checker, as a killed worker leaves it.
    std::_Exit(0);
}
