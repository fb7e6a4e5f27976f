#include "print/PrintDialogModel.h"

#include "settings/Profile.h"
#include "print/WholeNumberInput.h"

QString PrintDialogModel::caption(FormKind kind)
{
    return kind == Dv1 ? QStringLiteral("D.V.1 Formular bedrucken") : QStringLiteral("Einheitspaier bedrucken");
}

QStringList PrintDialogModel::pageEntries(FormKind kind, int pageCount)
{
    QStringList entries;
    for (int page = 1; page <= pageCount; ++page) {
        if (kind == Einheitspapier)
            entries.append(QStringLiteral("Seite %1 drucken").arg(page));
        else if (page <= 2)
            entries.append(QStringLiteral("Seite %1 drucken - D.V.1").arg(page));
        else
            entries.append(QStringLiteral("Seite %1 drucken - D.V.1 BIS").arg(page));
    }
    return entries;
}

std::optional<int> PrintDialogModel::parseCopies(const QString& text)
{
    return WholeNumberInput::parse(text, MinCopies, MaxCopies);
}

QString PrintDialogModel::copiesRangeMessage()
{
    return WholeNumberInput::rangeMessage(MinCopies, MaxCopies);
}

QString PrintDialogModel::rememberedPrinter(const QString& viewSection)
{
    const QString name = Profile::get(Settings::Printer, viewSection);
    if (name == QLatin1String(NoPrinter) || name.isEmpty() || Profile::get(Settings::ReUsePrn, viewSection) != 1)
        return {};
    return name;
}

void PrintDialogModel::storeChoice(const QString& viewSection, bool reuse, const QString& deviceName)
{
    Profile::set(Settings::ReUsePrn, viewSection, reuse ? 1 : 0);
    const bool named = reuse && !deviceName.isEmpty();
    Profile::set(Settings::Printer, viewSection, named ? deviceName : QString::fromLatin1(NoPrinter));
}

void PrintDialogModel::forgetPrinter(const QString& viewSection)
{
    Profile::set(Settings::Printer, viewSection, QString::fromLatin1(NoPrinter));
    Profile::set(Settings::ReUsePrn, viewSection, 0);
}

QString PrintDialogModel::cutWarningText(const QStringList& fieldNames)
{
    return QStringLiteral("Achtung: Der Drucker kann nicht bis an den Blattrand drucken. Der Text von %1 "
                          "würde abgeschnitten. Bitte die Ränder prüfen.")
        .arg(fieldNames.join(QStringLiteral(", ")));
}
