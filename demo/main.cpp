// demo_generator <demo source folder> <program folder>
// Writes the demo course (db1.mdb and Teoria/) into the program folder. A build tool, not part of
// the program: it draws its pictures without a display.
#include "coursegenerator.h"

#include <QGuiApplication>
#include <cstdio>
#include <exception>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <demo source folder> <program folder>\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        CourseGenerator(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2])).run();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "demo_generator: %s\n", error.what());
        return 1;
    }
    return 0;
}
