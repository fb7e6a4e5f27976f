// kestrovane settings [set SECTION KEY VALUE]: the settings model with its
// values, and a way to change one value without the dialogs.
#include <QTextStream>

#include "settings/SettingsCatalogue.h"
#include "cli/CliCommand.h"

namespace {

QString shown(const QVariant& value, Settings::Kind kind)
{
    if (!value.isValid())
        return QStringLiteral("(berechnet)");
    if (kind == Settings::Kind::String)
        return QLatin1Char('"') + value.toString() + QLatin1Char('"');
    return QString::number(value.toInt());
}

int list(cli::Io& io)
{
    QString section;
    for (const SettingsCatalogue::Item& item : SettingsCatalogue::all()) {
        if (item.section != section) {
            if (!section.isEmpty())
                io.out << '\n';
            section = item.section;
            io.out << '[' << section << "]\n";
        }
        const QVariant current = SettingsCatalogue::currentValue(item);
        io.out << "  " << item.key << " = "
               << (current.isValid() ? shown(current, item.kind) : QStringLiteral("(nicht gesetzt)"))
               << "    Vorgabe: " << shown(item.defaultValue, item.kind) << '\n';
    }
    return 0;
}

int set(const QStringList& args, cli::Io& io)
{
    if (args.size() != 3) {
        io.err << "Aufruf: kestrovane settings set ABSCHNITT SCHLÜSSEL WERT\n";
        return 2;
    }
    const SettingsCatalogue::Item item = SettingsCatalogue::find(args.at(0), args.at(1));
    if (item.key.isEmpty()) {
        io.err << "Unbekannter Schlüssel \"" << args.at(1) << "\" im Abschnitt \"" << args.at(0) << "\".\n";
        return 1;
    }
    QString error;
    if (!SettingsCatalogue::write(item, args.at(2), &error)) {
        io.err << error << '\n';
        return 1;
    }
    io.out << item.section << '/' << item.key << " = " << shown(SettingsCatalogue::currentValue(item), item.kind)
           << '\n';
    return 0;
}

const cli::Registration registration(
    QStringLiteral("settings"), QStringLiteral("settings [set ABSCHNITT SCHLÜSSEL WERT]"),
    [](const QStringList& args, cli::Io& io) {
        if (args.isEmpty())
            return list(io);
        if (args.first() == QLatin1String("set"))
            return set(args.mid(1), io);
        io.err << "Aufruf: kestrovane settings [set ABSCHNITT SCHLÜSSEL WERT]\n";
        return 2;
    });

} // namespace
