#include "print/PaperFormatCheck.h"

#include <QLocale>
#include <QPageLayout>
#include <QRectF>

#include <cmath>

namespace PaperFormatCheck {

namespace {

constexpr double A4Width = 210.0;
constexpr double A4Height = 297.0;
constexpr double Tolerance = 1.0;

} // namespace

bool isA4Portrait(const QPageLayout& layout)
{
    // The sheet as it goes through the printer, turned by the orientation.
    const QRectF sheet = layout.fullRect(QPageLayout::Millimeter);
    return std::abs(sheet.width() - A4Width) <= Tolerance && std::abs(sheet.height() - A4Height) <= Tolerance;
}

QString question(const QPageLayout& layout, const QString& printerName)
{
    if (isA4Portrait(layout))
        return QString();
    const QRectF sheet = layout.fullRect(QPageLayout::Millimeter);
    const QLocale german(QLocale::German);
    QString paper = QStringLiteral("%1 × %2 mm").arg(german.toString(sheet.width(), 'f', 0),
                                                      german.toString(sheet.height(), 'f', 0));
    const QString name = layout.pageSize().name();
    if (!name.isEmpty())
        paper = name + QStringLiteral(" (") + paper + QLatin1Char(')');
    const QString orientation = sheet.width() > sheet.height() ? QStringLiteral("quer") : QStringLiteral("hochkant");
    const QString printer = printerName.isEmpty() ? QStringLiteral("Im Drucker")
                                                  : QStringLiteral("Im Drucker \"%1\"").arg(printerName);
    return QStringLiteral("%1 ist nicht das Papierformat A4 hochkant eingestellt, sondern %2 %3.\n"
                          "Die Formulare sind für A4 hochkant eingerichtet; auf anderem Papier liegt der Druck "
                          "nicht in den Feldern.\n\nMöchten Sie trotzdem drucken?")
        .arg(printer, paper, orientation);
}

} // namespace PaperFormatCheck
