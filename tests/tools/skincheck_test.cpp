#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct SkinCheckRun {
    int status = -1;
    QString output;
};

// Runs the checker as it is run over ssh or in CI: no display and no platform chosen.
SkinCheckRun runWithoutDisplay(const QString& skin)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(SKINCHECK_PROGRAM), {skin});
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAll())};
}

struct CheckCase {
    const char* name;
    std::function<QString(const QTemporaryDir&)> skin; // the argument given
    int status;
    QString said; // a line the output holds
};

class SkinCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(SkinCheckTest, RunsWithoutADisplayAndJudgesTheSkin)
{
    QTemporaryDir folder;
    const SkinCheckRun run = runWithoutDisplay(GetParam().skin(folder));
    EXPECT_EQ(run.status, GetParam().status) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains(GetParam().said)) << run.output.toStdString();
}

QString randomBytesSkin(const QTemporaryDir& folder)
{
    QRandomGenerator bytes(15);
    QByteArray noise(4096, '\0');
    for (char& byte : noise)
        byte = static_cast<char>(bytes.bounded(256));
    QFile options(folder.filePath(QStringLiteral("Noise/Options.dat")));
    QDir(folder.path()).mkpath(QStringLiteral("Noise"));
    options.open(QIODevice::WriteOnly);
    options.write(noise);
    return folder.filePath(QStringLiteral("Noise"));
}

INSTANTIATE_TEST_SUITE_P(
    Skins, SkinCheckTest,
    ::testing::Values(
        CheckCase{"StoredSkin", [](const QTemporaryDir&) { return QStringLiteral("Ferrolux (internal)"); }, 0,
                  QStringLiteral("0 error(s)")},
        CheckCase{"FolderWithTrailingSlash",
                  [](const QTemporaryDir&) { return QStringLiteral(SAMPLE_SKIN_FOLDER "/"); }, 0,
                  QStringLiteral("Skin: Amberlight (external)")},
        CheckCase{"RandomBytes", randomBytesSkin, 1, QStringLiteral("error: no section the program uses")}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
