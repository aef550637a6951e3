#include "app/commandline.h"
#include "app/startup.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    // Answered before the toolkit starts, so that they work in a terminal without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (const std::optional<QString> answer = commandLineAnswer(arguments, QStringLiteral(VESTORIA_VERSION))) {
        std::fputs(answer->toLocal8Bit().constData(), stdout);
        return 0;
    }
    // Reading the desktop's font configuration takes longer than making the application object and
    // the start window together; it goes on beside them.
    startReadingFonts();
    QApplication application(argc, argv);
    // The name gives the user's data folder, where an installed program keeps its course copy.
    QApplication::setApplicationName(QStringLiteral("Vestoria"));
    QApplication::setApplicationVersion(QStringLiteral(VESTORIA_VERSION));
    return runProgram();
}
