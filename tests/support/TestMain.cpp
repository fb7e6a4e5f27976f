// Main of every test program: a QApplication on the offscreen platform and a
// settings store of its own in a fresh temporary folder, so that no test
// reads or writes the developer's real settings.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "TestSupport.h"

#include <cstdlib>

int main(int argc, char** argv)
{
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (configHome.path() + QStringLiteral("/data")).toLocal8Bit());
    qputenv("HOME", (configHome.path() + QStringLiteral("/home")).toLocal8Bit());
    QDir().mkpath(configHome.path() + QStringLiteral("/home"));
    // Machine-wide values too: as root, a test would otherwise write to the
    // real /etc/xdg. Child processes (the command-line tool) inherit this.
    qputenv("XDG_CONFIG_DIRS", (configHome.path() + QStringLiteral("/system")).toLocal8Bit());
    QDir().mkpath(configHome.path() + QStringLiteral("/system"));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Pavo"));
    QApplication::setApplicationName(QStringLiteral("Kestrovane-Import"));
    // A process that a test started to work beside it runs only its helper.
    if (const int helperResult = testsupport::runRequestedHelper(); helperResult >= 0)
        return helperResult;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
