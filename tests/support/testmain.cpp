#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Tests never need a screen; without this, listing them (as CTest does to find them) would
    // fail on a machine without a display unless the caller remembered the variable.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // What the program remembers for its user (zoom, reading places) stays with this run.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    // And what it keeps in the user's data folder (the classroom journal) too.
    qputenv("XDG_DATA_HOME", (settings.path() + QStringLiteral("/data")).toUtf8());
    return RUN_ALL_TESTS();
}
