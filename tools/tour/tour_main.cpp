// vestoria_tour <program folder> <screenshot folder>
// Starts the program on a copy of the course in the program folder (the tour registers, answers
// and edits, and the course a user meets must stay as it was), walks its main roads and saves a
// PNG of every window it reaches. Message boxes are answered with their first button and printed.
#include "app/startup.h"
#include "app/tform1.h"
#include "platform/apperror.h"
#include "platform/copyfolder.h"
#include "platform/messagebox.h"
#include "platform/programfolder.h"
#include "tools/tour/tour.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc != 3) {
        std::fprintf(stderr, "usage: vestoria_tour <program folder> <screenshot folder>\n");
        return 2;
    }
    QTemporaryDir copy;
    const QString programDir = copy.path();
    if (!copy.isValid() || !copyFolder(QDir(QString::fromLocal8Bit(argv[1])).absolutePath(), programDir).isEmpty()) {
        std::fprintf(stderr, "cannot copy the program folder\n");
        return 1;
    }
    Tour::setOutputFolder(QDir(QString::fromLocal8Bit(argv[2])).absolutePath());
    // The tour starts as a first-time user: nothing remembered from earlier runs, and nothing left
    // behind in the user's own settings.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    QDir::setCurrent(programDir);
    setProgramFolderOverride(programDir);
    setMessageBoxHandler([](const MessageBoxRequest& box) {
        std::printf("message box \"%s\": %s\n", qPrintable(box.title), qPrintable(box.text));
        return box.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    });
    if (!createProgram())
        return 1;
    Form1->show();
    int failures = 0;
    for (const TourLeg& leg : Tour::legs()) {
        std::printf("tour: %s\n", qPrintable(leg.name));
        try {
            leg.run();
        } catch (const std::exception& error) {
            std::printf("tour: leg %s failed: %s\n", qPrintable(leg.name), error.what());
            ++failures;
        }
    }
    for (const QString& shot : Tour::shots())
        std::printf("screenshot: %s\n", qPrintable(shot));
    Form1->close();
    destroyProgram();
    return failures == 0 ? 0 : 1;
}
