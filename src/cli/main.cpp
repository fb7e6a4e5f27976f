#include "cli/CliCommand.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace cli {

std::map<QString, Command>& registry()
{
    static std::map<QString, Command> commands;
    return commands;
}

QString takeOption(QStringList& args, const QString& name)
{
    const qsizetype i = args.indexOf(name);
    if (i < 0 || i + 1 >= args.size())
        return {};
    const QString value = args.at(i + 1);
    args.remove(i, 2);
    return value;
}

bool takeFlag(QStringList& args, const QString& name)
{
    return args.removeAll(name) > 0;
}

} // namespace cli

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Pavo"));
    QCoreApplication::setApplicationName(QStringLiteral("Kestrovane-Import"));

    QTextStream out(stdout);
    QTextStream err(stderr);
    cli::Io io{out, err};

    QStringList args = app.arguments().mid(1);
    const auto& commands = cli::registry();
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        QTextStream& s = args.isEmpty() ? err : out;
        s << "Aufruf: kestrovane BEFEHL [ARGUMENTE]\n\nBefehle:\n";
        for (const auto& [name, command] : commands)
            s << "  kestrovane " << command.usage << '\n';
        return args.isEmpty() ? 2 : 0;
    }
    const QString name = args.takeFirst();
    const auto it = commands.find(name);
    if (it == commands.end()) {
        err << "Unbekannter Befehl: " << name << '\n';
        return 2;
    }
    const int rc = it->second.run(args, io);
    out.flush();
    err.flush();
    return rc;
}
