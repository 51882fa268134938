// The calc.exe that the build puts into the program folder: it starts the first installed
// desktop calculator, detached, and quietly does nothing when there is none.
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class CalcLauncherTest : public ::testing::Test
{
protected:
    // A stand-in calculator on the search path that writes its own name into the marker.
    void Install(const QString& calculator)
    {
        QFile standIn(path.filePath(calculator));
        ASSERT_TRUE(standIn.open(QIODevice::WriteOnly));
        standIn.write(QStringLiteral("#!/bin/sh\necho %1 > \"%2\"\n")
                          .arg(calculator, marker)
                          .toUtf8());
        standIn.close();
        standIn.setPermissions(standIn.permissions() | QFile::ExeOwner);
    }

    int RunLauncher()
    {
        QProcess launcher;
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("PATH"), path.path());
        launcher.setProcessEnvironment(environment);
        launcher.start(QStringLiteral(CALC_LAUNCHER), {});
        return launcher.waitForFinished() ? launcher.exitCode() : -1;
    }

    QString Started() const
    {
        QFile file(marker);
        if (!QTest::qWaitFor([&] { return file.exists() && file.size() > 0; }, 10000))
            return {};
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll()).trimmed();
    }

    QTemporaryDir path;
    QTemporaryDir output;
    QString marker = output.filePath(QStringLiteral("started"));
};

TEST_F(CalcLauncherTest, StartsTheFirstInstalledCalculator)
{
    Install(QStringLiteral("xcalc"));
    Install(QStringLiteral("kcalc"));
    Install(QStringLiteral("qalculate-gtk"));
    EXPECT_EQ(RunLauncher(), 0);
    EXPECT_EQ(Started(), "kcalc");
}

TEST_F(CalcLauncherTest, DoesNothingWhenNoneIsInstalled)
{
    EXPECT_EQ(RunLauncher(), 0);
    EXPECT_FALSE(QFile::exists(marker));
}

}  // namespace
