#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The rules of the print dialog ("CDlgDrucken") and of the remembered
// printer, without the widgets: which pages it offers, which copies it
// takes, and what the view stores after it closed.
class PrintDialogModel
{
public:
    enum FormKind { Einheitspapier = 0, Dv1 = 1 };
    static constexpr int MinCopies = 1;
    static constexpr int MaxCopies = 9;
    // The store's word for "no remembered printer".
    static constexpr const char* NoPrinter = "@";

    static QString caption(FormKind kind);
    // One entry per page: "Seite %d drucken" (the D.V.1 names its sheets).
    static QStringList pageEntries(FormKind kind, int pageCount);
    // Copies as typed; nothing unless a whole number from 1 to 9.
    static std::optional<int> parseCopies(const QString& text);
    static QString copiesRangeMessage();
    // The print dialog's warning that the printer would cut the texts of the
    // named fields.
    static QString cutWarningText(const QStringList& fieldNames);
    // A printer with fewer columns than rows prints portrait.
    static bool isPortrait(int columns, int rows) { return columns < rows; }

    // The printer to select before the dialog opens, from the view's
    // section: empty unless a printer is stored and "Immer diesen Drucker
    // verwenden" was ticked.
    static QString rememberedPrinter(const QString& viewSection);
    // After OK: the check box, and the printer in use when it is ticked.
    static void storeChoice(const QString& viewSection, bool reuse, const QString& deviceName);
    // After "Druckerauswahl" and the print setup: no remembered printer.
    static void forgetPrinter(const QString& viewSection);
};
