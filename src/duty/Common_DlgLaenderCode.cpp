#include "duty/Common_DlgLaenderCode.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "duty/ChooserButtons.h"
#include "duty/LinkedListsPanel.h"

namespace {

const char* const kHelp =
    "Wählen Sie das Land in der Liste der Ländercodes oder in der Liste der Länder; beide Listen "
    "zeigen immer dieselbe Zeile.\n\n"
    "Tippen Sie in einer Liste die ersten Buchstaben, springt die Auswahl zum passenden Eintrag. "
    "Das Suchfeld zeigt nur die Länder, deren Code oder Name den eingegebenen Text enthält; mit den "
    "Pfeiltasten wählen Sie darin weiter.\n\n"
    "Übernehmen (Eingabetaste) trägt das gewählte Land ein, Abbrechen (Esc) lässt das Feld unverändert.";

} // namespace

Common_DlgLaenderCode::Common_DlgLaenderCode(int purpose, const QString& name, const QString& code,
                                             QWidget* parent)
    : QDialog(parent)
    , m_model(purpose)
{
    setWindowTitle(m_model.caption());
    m_model.open(name, code);
    m_panel = new LinkedListsPanel(m_model.lists(),
                                   {QStringLiteral("Länder-\n&code"), QStringLiteral("&Land"),
                                    QStringLiteral("In diesem Fenster den ISO-Ländercode auswählen"),
                                    QStringLiteral("In diesem Fenster das Land auswählen")},
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
