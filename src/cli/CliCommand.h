#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <map>

class QTextStream;

namespace cli {

// Streams of the running command, so that tests and scripts see UTF-8 on both.
struct Io {
    QTextStream& out;
    QTextStream& err;
};

using Handler = std::function<int(const QStringList& args, Io& io)>;

struct Command {
    QString usage;   // one line for the help text, e.g. "dump FILE"
    Handler run;
};

std::map<QString, Command>& registry();

// A file-level object of this type adds one subcommand to the tool.
struct Registration {
    Registration(const QString& name, const QString& usage, Handler run)
    {
        registry().emplace(name, Command{usage, std::move(run)});
    }
};

// Takes "--name VALUE" out of args; returns the value or an empty string.
QString takeOption(QStringList& args, const QString& name);
// Takes a flag "--name" out of args; returns whether it was there.
bool takeFlag(QStringList& args, const QString& name);

} // namespace cli
