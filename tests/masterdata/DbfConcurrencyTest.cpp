// Two program instances appending to one table at the same time: each must
// find the other's records in the file and write behind them.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSet>
#include <QThread>

#include "DbfFixtures.h"
#include "TestSupport.h"
#include "masterdata/CdBaseDocument.h"

using testsupport::TempDir;

namespace {

constexpr int kPerProcess = 1500;

bool waitForFile(const QString& path, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!QFile::exists(path)) {
        if (timer.elapsed() > ms)
            return false;
        QThread::usleep(200);
    }
    return true;
}

} // namespace

// Run by the test below in a process of its own; does nothing otherwise.
TEST(DbfConcurrency, AppendHelper)
{
    const QString table = qEnvironmentVariable("KV_DBF_APPEND_TABLE");
    if (table.isEmpty())
        GTEST_SKIP() << "helper of AppendsOfTwoProcessesAreAllKept";
    const QString tag = qEnvironmentVariable("KV_DBF_APPEND_TAG");
    CdBaseDocument t;
    ASSERT_TRUE(t.OnOpenDocument(table));
    // Both helpers know the table as empty when they start appending.
    testsupport::writeFile(table + QStringLiteral(".ready-") + tag, "1");
    ASSERT_TRUE(waitForFile(table + QStringLiteral(".go"), 30000));
    for (int i = 0; i < kPerProcess; ++i) {
        ASSERT_GT(t.NewRecord(), 0);
        ASSERT_EQ(t.SetString(0, QStringLiteral("%1%2").arg(tag).arg(i)), 0);
        ASSERT_GT(t.WriteRecord(t.GetCurrentRecord()), 0);
    }
}

TEST(DbfConcurrency, AppendsOfTwoProcessesAreAllKept)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("shared.dbf"));
    {
        CdBaseDocument t;
        t.AddField(QStringLiteral("NAME"), 'C', 12, 0);
        ASSERT_EQ(t.CreateTable(path, 0), 1);
    }
    QList<QProcess*> helpers;
    for (const char* tag : {"A", "B"}) {
        auto* p = new QProcess;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("KV_DBF_APPEND_TABLE"), path);
        env.insert(QStringLiteral("KV_DBF_APPEND_TAG"), QString::fromLatin1(tag));
        p->setProcessEnvironment(env);
        p->setProcessChannelMode(QProcess::MergedChannels);
        p->start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--gtest_filter=DbfConcurrency.AppendHelper")});
        helpers.append(p);
    }
    EXPECT_TRUE(waitForFile(path + QStringLiteral(".ready-A"), 60000));
    EXPECT_TRUE(waitForFile(path + QStringLiteral(".ready-B"), 60000));
    testsupport::writeFile(path + QStringLiteral(".go"), "1");
    for (QProcess* p : helpers) {
        EXPECT_TRUE(p->waitForFinished(120000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAll().toStdString();
        delete p;
    }

    CdBaseDocument t;
    ASSERT_TRUE(t.OnOpenDocument(path));
    ASSERT_EQ(t.GetRecordCount(), 2 * kPerProcess);
    QSet<QString> names;
    for (qint64 n = 1; n <= 2 * kPerProcess; ++n) {
        ASSERT_EQ(t.ReadRecord(n), n);
        QString name;
        t.GetString(0, name);
        names.insert(name);
    }
    for (const char* tag : {"A", "B"}) {
        for (int i = 0; i < kPerProcess; ++i)
            EXPECT_TRUE(names.contains(QStringLiteral("%1%2").arg(QLatin1String(tag)).arg(i))) << tag << i;
    }
    const QByteArray file = testsupport::readFile(path);
    EXPECT_EQ(file.size(), 33 + 32 + 2 * kPerProcess * 13 + 1);
    EXPECT_EQ(file.back(), '\x1A');
}
