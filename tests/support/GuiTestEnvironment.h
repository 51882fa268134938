#pragma once
// Offscreen unless the caller chose a platform, and a private runtime folder, so GUI tests
// also run by hand and without a display.
#include <QDir>
#include <QFile>
#include <QString>
#include <QtGlobal>

#include <unistd.h>

inline void PrepareGuiTestEnvironment()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        const QString dir = QDir::tempPath() + QStringLiteral("/moneycalc-runtime-%1").arg(getuid());
        QDir().mkpath(dir);
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", dir.toLocal8Bit());
    }
}
