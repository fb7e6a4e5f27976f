#include "duty/Common_DlgWaehrungsCode.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "duty/ChooserButtons.h"
#include "duty/LinkedListsPanel.h"

namespace {

const char* const kHelp =
    "Wählen Sie die Währung in der Liste der ISO-Codes oder in der Liste der Währungen; beide Listen "
    "zeigen immer dieselbe Zeile.\n\n"
    "Tippen Sie in einer Liste die ersten Buchstaben, springt die Auswahl zum passenden Eintrag. "
    "Das Suchfeld zeigt nur die Währungen, deren Code oder Name den eingegebenen Text enthält; mit "
    "den Pfeiltasten wählen Sie darin weiter.\n\n"
    "Übernehmen (Eingabetaste) trägt den Währungscode ein, Abbrechen (Esc) lässt das Feld unverändert.";

} // namespace

Common_DlgWaehrungsCode::Common_DlgWaehrungsCode(const QString& code, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Währungscodes"));
    m_model.open(code);
    m_panel = new LinkedListsPanel(m_model.lists(),
                                   {QStringLiteral("&ISO Code"), QStringLiteral("&Währung"),
                                    QStringLiteral("In diesem Fenster den ISO-Währungscode auswählen"),
                                    QStringLiteral("In diesem Fenster die Währung auswählen")},
                                   this);
    QDialogButtonBox* buttons
        = ChooserButtons::make(this, QStringLiteral("Abbrechen"), QString::fromUtf8(kHelp), &m_take);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_panel, 1);
    layout->addWidget(buttons);
    resize(sizeHint().width() + 160, 420);

    connect(m_panel, &LinkedListsPanel::selectionChanged, this,
            [this] { m_take->setEnabled(m_model.lists().selectedRow() >= 0); });
    connect(m_panel, &LinkedListsPanel::rowChosen, this, &QDialog::accept);
    m_panel->showSelection();
    m_panel->filterBox()->setFocus();
}
