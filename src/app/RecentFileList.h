#pragma once

#include <QString>
#include <QStringList>

// The list of the last documents opened or saved, newest first, kept in the
// settings section "Recent File List" as "File1" .. "File8". Every change is
// written at once, so a program that ends abnormally keeps its list, and
// every read asks the store, so two running programs see each other's files.
class RecentFileList
{
public:
    explicit RecentFileList(int size = 8);

    int size() const { return m_size; }

    // The stored paths in order, without gaps (an empty entry is skipped).
    QStringList files() const;

    // Puts path at the top; an entry for the same file moves up instead of
    // appearing twice, and the oldest entry drops off a full list.
    void add(const QString& path);
    // Forgets the entry of path (a file that could not be opened).
    void remove(const QString& path);

    // The menu text of entry index (0-based): "&1 path", with the middle of
    // a long path left out.
    static QString menuText(int index, const QString& path, int maxLength = 60);

private:
    void store(const QStringList& files) const;
    static QString normalised(const QString& path);

    int m_size;
};
