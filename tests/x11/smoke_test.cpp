#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

bool runs(const QString &program, const QStringList &arguments, QString *output = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit)
        return false;
    if (output)
        *output = QString::fromLocal8Bit(process.readAllStandardOutput());
    return process.exitCode() == 0;
}

// True when the picture holds more than one colour.
bool hasContent(const QImage &image)
{
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            if (image.pixel(x, y) != first)
                return true;
    return false;
}

TEST(Smoke, ProgramMapsItsMainWindowOnTheDisplay)
{
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("DISPLAY")) << "run under xvfb-run";
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());

    QProcess program;
    program.setProgram(QStringLiteral(FENDRAKE_BINARY));
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start();
    ASSERT_TRUE(program.waitForStarted(10000));

    QString windows;
    for (int attempt = 0; attempt < 40 && windows.trimmed().isEmpty(); ++attempt) {
        QTest::qWait(250);
        runs("xdotool", {"search", "--onlyvisible", "--name", "Fendrake 4.02"}, &windows);
    }
    EXPECT_FALSE(windows.trimmed().isEmpty()) << "no visible window titled Fendrake 4.02";

    const QString shot = scratch.filePath("screen.png");
    EXPECT_TRUE(runs("import", {"-window", "root", shot}));
    EXPECT_TRUE(QFileInfo::exists(shot));
    const QImage image(shot);
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(hasContent(image)) << "the screen is one colour";

    program.kill();
    program.waitForFinished(10000);
}

} // namespace
