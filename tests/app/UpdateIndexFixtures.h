#pragma once

#include <QByteArray>
#include <QList>

// Update indexes built by hand from their column layout.
namespace updatefixtures {

struct Line {
    QByteArray name;
    QByteArray version;
    QByteArray downloadPath = "download/setup.exe";
    QByteArray downloadSize = "12,3 MB";
    QByteArray infoPage = "versionsinfo";
    QByteArray reserved = "  r  ";
};

// The 25-character header with N in columns 23-24.
QByteArray header(int n);
// One entry of exactly 176 characters.
QByteArray entry(const Line& line);
// Header and entries, each line ended by eol.
QByteArray index(int n, const QList<Line>& lines, const QByteArray& eol = "\n");

} // namespace updatefixtures
