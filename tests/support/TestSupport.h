#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <string>

class QProcess;

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

// Appends a comment line to a settings file; the store keeps it only as long
// as it does not write the file again. Returns false if the file cannot be
// opened.
bool markUnwritten(const QString& path);
// Whether the mark is still there: nothing rewrote the file since.
bool stillUnwritten(const QString& path);

QString dataFile(const QString& name);

struct ProcessResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};
// Runs the command-line tool with the test's settings store; environment
// holds further "NAME=value" entries (LC_ALL=de_DE.UTF-8, say).
ProcessResult runCli(const QStringList& args, const QStringList& environment = {});

// The locale of the program's users. The set-up scripts generate it.
inline constexpr char GermanLocaleName[] = "de_DE.UTF-8";

// Puts this process into the German C library locale (decimal comma in
// printf and strtod) for the object's lifetime. active() tells whether the
// machine has the locale; a test must assert it rather than pass unchecked.
class GermanLocale
{
public:
    GermanLocale();
    ~GermanLocale();
    GermanLocale(const GermanLocale&) = delete;
    GermanLocale& operator=(const GermanLocale&) = delete;
    bool active() const { return m_active; }

private:
    std::string m_saved;
    bool m_active = false;
};

// Work that a test runs in processes of its own, such as two program
// instances writing one table at once. The test starts its own program with
// startHelper(); the shared main then runs the named helper instead of the
// tests, so helpers never show up in the test list.
using HelperFunction = int (*)();
struct HelperRegistration {
    HelperRegistration(const char* name, HelperFunction function);
};
// The exit code of the helper named in KV_TEST_HELPER, or -1 when the
// process is not a helper.
int runRequestedHelper();
// Starts this test program as the named helper with the extra environment
// ("NAME=value" entries); the caller owns and waits for the process.
QProcess* startHelper(const char* name, const QStringList& environment);

// A text of exactly n UTF-16 units that changes from unit to unit and holds
// line breaks, umlauts and the characters on both sides of U+00FF/U+0100, so
// that a misread length, offset or byte order cannot go unnoticed. It ends
// in a letter, so trimming leaves it whole.
QString varyingText(int n);

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
