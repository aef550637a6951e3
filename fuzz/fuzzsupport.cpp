#include "fuzz/fuzzsupport.h"

#include <QGuiApplication>

void ensureGuiApplication()
{
    static int argc = 3;
    static char name[] = "fuzz";
    static char platformOption[] = "-platform";
    static char offscreen[] = "offscreen";
    static char* argv[] = {name, platformOption, offscreen, nullptr};
    static QGuiApplication application(argc, argv);
}
