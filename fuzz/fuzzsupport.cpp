#include "fuzz/fuzzsupport.h"

#include "platform/apperror.h"
#include "platform/picture.h"

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

void loadAndDrawPicture(const uint8_t* data, size_t size, const QString& extension)
{
    ensureGuiApplication();
    try {
        Picture::fromData(fuzzBytes(data, size), extension).image();
    } catch (const AppError&) {}
}
