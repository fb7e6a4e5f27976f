#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Helpers shared by the test programs.
namespace testsupport {

// A temporary folder that lives as long as the object.
class TempDir
{
public:
    TempDir();
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

// Forgets every value of the settings store (the test's own store, see
// TestMain.cpp): call at the start of a test that depends on defaults.
void clearSettings();

QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& data);
QString dataFile(const QString& name);

struct ProcessResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};
// Runs the command-line tool with the test's settings store.
ProcessResult runCli(const QStringList& args);

// Little-endian byte builders for hand-made file fixtures.
class Bytes
{
public:
    Bytes& u8(unsigned v);
    Bytes& u16(unsigned v);
    Bytes& u32(quint32 v);
    Bytes& raw(const QByteArray& data);
    Bytes& ascii(const char* text);
    Bytes& fill(int n, char c);
    // A string in the archive's UTF-16 form (0xFF, 0xFFFE, length, text).
    Bytes& wide(const QString& text);
    // A string in the archive's single-byte form (length byte, bytes).
    Bytes& narrow(const QByteArray& text);
    Bytes& count(quint32 n);
    const QByteArray& data() const { return m_data; }
    operator QByteArray() const { return m_data; }

private:
    QByteArray m_data;
};

} // namespace testsupport
