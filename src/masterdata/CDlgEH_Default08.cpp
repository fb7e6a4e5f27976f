#include "masterdata/CDlgEH_Default08.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "settings/OkCancelButtons.h"
#include "settings/StringTable.h"

namespace {

QString title()
{
    return StringTable::text(StringTable::ApplicationTitle);
}

bool askCreate(QWidget* parent)
{
    QMessageBox box(QMessageBox::Question, title(), QStringLiteral("Soll die Datenbankdatei neu erstellt werden?"),
                    QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

QPushButton* button(const QString& text, const char* name, const QString& tip, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

} // namespace

CDlgEH_Default08::CDlgEH_Default08(const QString& boxText, QWidget* parent) : QDialog(parent), m_boxText(boxText)
{
    setWindowTitle(QStringLiteral("Adressdaten"));

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("addresses"));
    m_list->setToolTip(QStringLiteral("Auflistung aller gespeicherten Datensätze"));
    m_address = new QPlainTextEdit(this);
    m_address->setObjectName(QStringLiteral("address"));
    m_address->setToolTip(QStringLiteral("Hier können Sie die Daten editieren"));
    m_address->setTabChangesFocus(true);
    m_address->setLineWrapMode(QPlainTextEdit::NoWrap);
    const QFontMetrics fm(m_address->font());
    m_address->setFixedHeight(fm.lineSpacing() * AddressTable::LineCount + 2 * m_address->frameWidth() + 10);
    m_address->setMinimumWidth(fm.averageCharWidth() * 45);
    m_customs = new QLineEdit(this);
    m_customs->setObjectName(QStringLiteral("customsNumber"));
    m_customs->setToolTip(QStringLiteral("Eingebe der Zollnummer des Empfängers"));
    m_customs->setMaxLength(AddressTable::CustomsNumberWidth);
    auto* customsLabel = new QLabel(QStringLiteral("&Zollnummer:"), this);
    customsLabel->setBuddy(m_customs);

    m_edit = button(QStringLiteral("&Bearbeiten"), "edit", QStringLiteral("Ausgewählten Datensatz editieren"), this);
    m_new = button(QStringLiteral("&Neuer Datensatz"), "new", QStringLiteral("Neuen Datensat erstellen"), this);
    m_take = button(QStringLiteral("Übernehmen"), "ok",
                    QStringLiteral("Daten in Dokument übernehmen und den Dialog beenden"), this);
    m_take->setDefault(true);
    m_cancel = button(QStringLiteral("Abbrechen"), "cancel",
                      QStringLiteral("Abbruch des Dialogs, ohne die Änderungen zu sichern"), this);
    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    buttons->addButton(m_take, QDialogButtonBox::AcceptRole);
    buttons->addButton(m_cancel, QDialogButtonBox::RejectRole);
    buttons->addButton(m_edit, QDialogButtonBox::ActionRole);
    buttons->addButton(m_new, QDialogButtonBox::ActionRole);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_list, 0, 0, 3, 1);
    layout->addWidget(m_address, 0, 1, 1, 2);
    layout->addWidget(customsLabel, 1, 1);
    layout->addWidget(m_customs, 1, 2);
    layout->setRowStretch(2, 1);
    layout->addWidget(buttons, 0, 3, 3, 1);

    connect(m_take, &QPushButton::clicked, this, &CDlgEH_Default08::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CDlgEH_Default08::reject);
    connect(m_edit, &QPushButton::clicked, this, [this] { startEditing(false); });
    connect(m_new, &QPushButton::clicked, this, [this] { startEditing(true); });
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        m_model.selectRow(row);
        showRecord();
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] {
        if (!m_model.editing())
            accept();
    });
    setEditing(false);
}

bool CDlgEH_Default08::openTable(const QString& path)
{
    switch (m_model.open(path, [this] { return askCreate(this); })) {
    case AddressPickerModel::OpenResult::Opened:
        break;
    case AddressPickerModel::OpenResult::Declined:
        return false;
    case AddressPickerModel::OpenResult::Failed:
        QMessageBox::warning(this, title(), m_model.errorMessage());
        return false;
    }
    m_model.selectRow(m_model.rowFor(m_boxText));
    fillList();
    setEditing(false);
    return true;
}

void CDlgEH_Default08::fillList()
{
    const QSignalBlocker block(m_list);
    m_list->clear();
    for (const AddressPickerModel::Entry& e : m_model.entries()) {
        auto* item = new QListWidgetItem(e.firstLine, m_list);
        item->setData(Qt::UserRole, e.record);
    }
    m_list->setCurrentRow(m_model.selectedRow());
    showRecord();
}

void CDlgEH_Default08::showRecord()
{
    m_address->setPlainText(QString(m_model.shownAddress()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_customs->setText(m_model.shownCustomsNumber());
}

void CDlgEH_Default08::setEditing(bool editing)
{
    // Browsing, the list has the keyboard and the boxes only show; editing,
    // the boxes take it and the list waits.
    m_list->setEnabled(!editing);
    m_address->setReadOnly(!editing);
    m_customs->setReadOnly(!editing);
    m_address->setFocusPolicy(editing ? Qt::StrongFocus : Qt::NoFocus);
    m_customs->setFocusPolicy(editing ? Qt::StrongFocus : Qt::NoFocus);
    m_edit->setVisible(!editing);
    m_new->setVisible(!editing);
    m_edit->setEnabled(m_model.selectedRow() >= 0);
    m_take->setText(editing ? QStringLiteral("Speichern") : QStringLiteral("Übernehmen"));
    m_take->setEnabled(editing || m_model.selectedRow() >= 0);
    if (editing) {
        m_address->setFocus();
        m_address->moveCursor(QTextCursor::End);
    } else {
        m_list->setFocus();
    }
}

void CDlgEH_Default08::startEditing(bool newRecord)
{
    if (newRecord)
        m_model.beginNew();
    else if (!m_model.beginEdit())
        return;
    showRecord();
    setEditing(true);
}

void CDlgEH_Default08::accept()
{
    if (!m_model.editing()) {
        if (m_model.selectedRow() >= 0)
            QDialog::accept();
        return;
    }
    if (!m_model.save(m_address->toPlainText(), m_customs->text())) {
        refuseEntry(this, m_address, m_model.errorMessage());
        return;
    }
    fillList();
    setEditing(false);
}

void CDlgEH_Default08::reject()
{
    if (m_model.editing()) {
        m_model.cancelEdit();
        showRecord();
        setEditing(false);
        return;
    }
    QDialog::reject();
}
