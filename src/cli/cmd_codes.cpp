#include <QTextStream>

#include <functional>
#include <map>

#include "cli/CliCommand.h"
#include "duty/CountryCodes.h"
#include "duty/CurrencyCodes.h"
#include "duty/CustomsOffices.h"
#include "duty/DutyTypes.h"
#include "duty/FederalStates.h"
#include "duty/PreferenceCodes.h"
#include "duty/TransactionKinds.h"
#include "duty/TransportModes.h"
#include "form/DeclarantRoles.h"
#include "form/FieldStoreJson.h"

namespace {

using FieldStoreJson::Object;
using Entries = QList<QByteArray>;

Object entry(const QString& code, const QString& text)
{
    return std::move(Object().add("code", code).add("text", text));
}

void addCodeTexts(Entries& out, std::span<const CodeText> rows)
{
    for (const CodeText& row : rows)
        out << entry(row.codeString(), row.textString()).toJson();
}

Entries countries()
{
    Entries out;
    addCodeTexts(out, CountryCodes::rows());
    return out;
}

Entries currencies()
{
    Entries out;
    addCodeTexts(out, CurrencyCodes::rows());
    return out;
}

Entries states()
{
    Entries out;
    for (int i = 0; i < FederalStates::Count; ++i)
        out << entry(FederalStates::codeAt(i), FederalStates::entry(i)).toJson();
    return out;
}

Entries dutyTypes()
{
    Entries out;
    addCodeTexts(out, DutyTypes::rows());
    return out;
}

Entries transactions()
{
    Entries out;
    for (const TransactionKinds::Kind& kind : TransactionKinds::rows()) {
        const QString digits = QString::fromLatin1(kind.code).remove(QLatin1Char(' '));
        out << entry(digits, QString::fromUtf8(kind.text))
                   .add("firstDigitText", TransactionKinds::firstDigitText(kind))
                   .toJson();
    }
    return out;
}

// The first digits, then the pairs of digits two and three.
Entries preferences()
{
    Entries out;
    addCodeTexts(out, PreferenceCodes::firstDigit());
    addCodeTexts(out, PreferenceCodes::lastTwoDigits());
    return out;
}

Entries transport()
{
    Entries out;
    for (int i = 0; i < TransportModes::Count; ++i) {
        const QString text = TransportModes::entry(i);
        out << entry(text.section(QLatin1Char(' '), 0, 0), text).toJson();
    }
    return out;
}

Entries roles()
{
    Entries out;
    for (int role = 1; role <= DeclarantRoles::Count; ++role)
        out << entry(QString::number(role), DeclarantRoles::text(role)).toJson();
    return out;
}

Entries offices()
{
    Entries out;
    for (const CustomsOffices::Office& office : CustomsOffices::rows()) {
        out << entry(QString::fromLatin1(office.code), office.name())
                   .add("kind", QString::fromUtf8(office.kind))
                   .add("place", QString::fromUtf8(office.place))
                   .add("category", QString::fromUtf8(office.category))
                   .toJson();
    }
    return out;
}

const std::map<QString, std::function<Entries()>>& lists()
{
    static const std::map<QString, std::function<Entries()>> all = {
        {QStringLiteral("countries"), countries},
        {QStringLiteral("currencies"), currencies},
        {QStringLiteral("states"), states},
        {QStringLiteral("duty-types"), dutyTypes},
        {QStringLiteral("transactions"), transactions},
        {QStringLiteral("preferences"), preferences},
        {QStringLiteral("transport"), transport},
        {QStringLiteral("roles"), roles},
        {QStringLiteral("offices"), offices},
    };
    return all;
}

QString listNames()
{
    QStringList names;
    for (const auto& [name, make] : lists())
        names << name;
    return names.join(QLatin1Char('|'));
}

// Prints one code list as a JSON array in table order, for scripts and for
// checking the lists against the official ones.
int codes(const QStringList& args, cli::Io& io)
{
    const auto it = args.size() == 1 ? lists().find(args.first()) : lists().end();
    if (it == lists().end()) {
        io.err << "Aufruf: kestrovane codes " << listNames() << '\n';
        return 2;
    }
    io.out << '[' << QString::fromUtf8(it->second().join(", ")) << "]\n";
    return 0;
}

const cli::Registration registration(QStringLiteral("codes"), QStringLiteral("codes LISTE"), codes);

} // namespace
