// Two program instances appending to one table at the same time: each must
// find the other's records in the file and write behind them.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QThread>

#include <cstdio>

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

// One of the two program instances, run in a process of its own.
int appendRecords()
{
    const QString table = qEnvironmentVariable("KV_DBF_APPEND_TABLE");
    const QString tag = qEnvironmentVariable("KV_DBF_APPEND_TAG");
    CdBaseDocument t;
    if (!t.OnOpenDocument(table)) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(table));
        return 1;
    }
    // Both helpers know the table as empty when they start appending.
    testsupport::writeFile(table + QStringLiteral(".ready-") + tag, "1");
    if (!waitForFile(table + QStringLiteral(".go"), 30000)) {
        std::fprintf(stderr, "no start signal\n");
        return 1;
    }
    for (int i = 0; i < kPerProcess; ++i) {
        if (t.NewRecord() <= 0 || t.SetString(0, QStringLiteral("%1%2").arg(tag).arg(i)) != 0
            || t.WriteRecord(t.GetCurrentRecord()) <= 0) {
            std::fprintf(stderr, "record %d of %s not written\n", i, qPrintable(tag));
            return 1;
        }
    }
    return 0;
}

const testsupport::HelperRegistration appendHelper("dbf-append", appendRecords);

} // namespace

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
        helpers.append(testsupport::startHelper(
            "dbf-append", {QStringLiteral("KV_DBF_APPEND_TABLE=") + path,
                           QStringLiteral("KV_DBF_APPEND_TAG=") + QLatin1String(tag)}));
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
