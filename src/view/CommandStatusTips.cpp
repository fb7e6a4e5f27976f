#include "view/CommandStatusTips.h"

#include "view/CEinheitspapierView.h"
#include "view/FormCommands.h"

namespace CommandStatusTips {

QString text(int id)
{
    using V = CEinheitspapierView;
    switch (id) {
    case FormCommands::Undo:
        return QStringLiteral("Macht die letzte Änderung rückgängig");
    case FormCommands::Redo:
        return QStringLiteral("Stellt die zuletzt rückgängig gemachte Änderung wieder her");
    case FormCommands::Cut:
        return QStringLiteral("Schneidet die Markierung aus und legt sie in die Zwischenablage");
    case FormCommands::Copy:
        return QStringLiteral("Kopiert die Markierung in die Zwischenablage");
    case FormCommands::Paste:
        return QStringLiteral("Fügt den Inhalt der Zwischenablage in das Feld ein");
    case FormCommands::SelectAll:
        return QStringLiteral("Markiert den ganzen Text des Feldes");
    case FormCommands::InsertMode:
        return QStringLiteral("Wechselt zwischen Einfügen und Überschreiben");
    case FormCommands::NextField:
        return QStringLiteral("Geht zum nächsten Eingabefeld");
    case FormCommands::PreviousField:
        return QStringLiteral("Geht zum vorherigen Eingabefeld");
    case FormCommands::FontLarger:
        return QStringLiteral("Vergrößert die Schrift des Feldes");
    case FormCommands::FontSmaller:
        return QStringLiteral("Verkleinert die Schrift des Feldes");
    case FormCommands::Bold:
        return QStringLiteral("Schaltet die fette Schrift des Feldes ein oder aus");
    case FormCommands::AlignLeft:
        return QStringLiteral("Richtet den Text des Feldes links aus");
    case FormCommands::AlignCenter:
        return QStringLiteral("Zentriert den Text des Feldes");
    case FormCommands::AlignRight:
        return QStringLiteral("Richtet den Text des Feldes rechts aus");
    case FormCommands::InsertChoice:
        return QStringLiteral("Öffnet die Auswahl der Vorgaben für das Feld");
    case FormCommands::FirstPage:
        return QStringLiteral("Zeigt die erste Formularseite");
    case FormCommands::PreviousPage:
        return QStringLiteral("Zeigt die vorherige Formularseite");
    case FormCommands::NextPage:
        return QStringLiteral("Zeigt die nächste Formularseite");
    case FormCommands::LastPage:
        return QStringLiteral("Zeigt die letzte Formularseite");
    case FormCommands::AddPage:
        return QStringLiteral("Fügt eine weitere Formularseite hinzu");
    case FormCommands::ZoomLarger:
        return QStringLiteral("Vergrößert die Anzeige des Formulars");
    case FormCommands::ZoomSmaller:
        return QStringLiteral("Verkleinert die Anzeige des Formulars");
    case V::RemoveLastPage:
        return QStringLiteral("Entfernt das letzte Ergänzungsblatt mit seinen Warenpositionen");
    case V::MoveGoodsPosition:
        return QStringLiteral("Verschiebt eine Warenposition an eine andere Stelle");
    case V::DeleteGoodsPosition:
        return QStringLiteral("Löscht eine Warenposition eines Ergänzungsblatts");
    case V::Renumber:
        return QStringLiteral("Aktualisiert die Nummern in den Feldern 3, 5 und 32");
    case V::FormSet0:
        return QStringLiteral("Stellt das Dokument auf den Vordrucksatz 0737 / 0738 um");
    case V::FormSet1:
        return QStringLiteral("Stellt das Dokument auf den Vordrucksatz 0747 / 0748 um");
    case V::FormSet2:
        return QStringLiteral("Stellt das Dokument auf den Vordrucksatz 0777 / 0778 um");
    case V::FormSet3:
        return QStringLiteral("Stellt das Dokument auf den Vordrucksatz 0779 / 0780 um");
    default:
        return QString();
    }
}

} // namespace CommandStatusTips
