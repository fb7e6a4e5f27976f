#include "cli/CliCommand.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <cstring>
#include <memory>

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

namespace {

// Drawing commands need fonts and images, so they get a GUI application; on a
// machine without a display they draw offscreen.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv)
{
    // The check lays texts out as the print does, so it needs the fonts too.
    const bool draws = argc > 1
                       && (std::strcmp(argv[1], "render") == 0 || std::strcmp(argv[1], "print") == 0
                           || std::strcmp(argv[1], "check") == 0);
    if (!draws)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int main(int argc, char** argv)
{
    const std::unique_ptr<QCoreApplication> application = makeApplication(argc, argv);
    QCoreApplication& app = *application;
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
