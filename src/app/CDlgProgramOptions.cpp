#include "app/CDlgProgramOptions.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "settings/StringTable.h"
#include "settings/OkCancelButtons.h"

namespace {

QLabel* indicator(QWidget* parent, QStyle::StandardPixmap picture, const char* name, const QString& tip)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    const int size = parent->style()->pixelMetric(QStyle::PM_SmallIconSize);
    label->setPixmap(parent->style()->standardIcon(picture).pixmap(size, size));
    label->setToolTip(tip);
    return label;
}

} // namespace

CDlgProgramOptions::CDlgProgramOptions(const QString& dataDirectory, QWidget* parent)
    : QDialog(parent)
    , m_options(dataDirectory)
{
    setWindowTitle(QStringLiteral("Programmeinstellungen"));
    m_options.load();

    auto* layout = new QVBoxLayout(this);
    auto* tables = new QGroupBox(QStringLiteral("Stammdaten"), this);
    auto* grid = new QGridLayout(tables);
    m_rows[Address] = makeRow(Address, m_options.addressPath, QStringLiteral("Adressdaten"));
    m_rows[Goods] = makeRow(Goods, m_options.goodsPath, QStringLiteral("Warendaten"));
    for (Table t : {Address, Goods}) {
        const Row& r = m_rows[t];
        auto* label = new QLabel(t == Address ? QStringLiteral("&Adressdaten:") : QStringLiteral("&Warendaten:"),
                                 tables);
        label->setBuddy(r.path);
        grid->addWidget(label, t, 0);
        grid->addWidget(r.path, t, 1);
        grid->addWidget(r.browse, t, 2);
        grid->addWidget(r.init, t, 3);
        grid->addWidget(r.yes, t, 4);
        grid->addWidget(r.no, t, 4);
    }
    grid->setColumnStretch(1, 1);
    layout->addWidget(tables);

    m_paperCheck = new QCheckBox(QStringLiteral("&Papierformat überprüfen"), this);
    m_paperCheck->setObjectName(QStringLiteral("paperCheck"));
    m_paperCheck->setChecked(m_options.checkPaperFormat);
    m_paperCheck->setToolTip(QStringLiteral("Vor dem Druck prüfen, ob im Drucker das Papierformat A4 hochkant "
                                            "eingestellt ist"));
    layout->addWidget(m_paperCheck);
    m_formCheck = new QCheckBox(QStringLiteral("&Formular vor dem Druck prüfen"), this);
    m_formCheck->setObjectName(QStringLiteral("formCheck"));
    m_formCheck->setChecked(m_options.checkFormBeforePrint);
    m_formCheck->setToolTip(QStringLiteral("Vor dem Druck auf Fehler prüfen (fehlende Angaben, unbekannte Codes, "
                                           "falsche Summen, zu lange Texte) und sie anbieten"));
    layout->addWidget(m_formCheck);
    layout->addStretch();
    layout->addWidget(okCancelButtons(this));

    setMinimumWidth(760);
    m_rows[Address].path->setFocus();
}

CDlgProgramOptions::Row CDlgProgramOptions::makeRow(Table table, const QString& path, const QString& what)
{
    const QString prefix = table == Address ? QStringLiteral("address") : QStringLiteral("goods");
    Row r;
    r.path = new QLineEdit(path, this);
    r.path->setObjectName(prefix + QStringLiteral("Path"));
    r.path->setToolTip(QStringLiteral("Pfad und Name der Datenbankdatei für die %1").arg(what));
    r.browse = new QPushButton(QStringLiteral("...."), this);
    r.browse->setObjectName(prefix + QStringLiteral("Browse"));
    r.browse->setAutoDefault(false);
    r.browse->setToolTip(QStringLiteral("Datenbankdatei für die %1 auswählen").arg(what));
    r.init = new QPushButton(QStringLiteral("Initialisierung"), this);
    r.init->setObjectName(prefix + QStringLiteral("Init"));
    r.init->setAutoDefault(false);
    r.init->setToolTip(QStringLiteral("Beim Schließen mit OK eine neue, leere Datei für die %1 anlegen; "
                                      "die bisherige Datei wird daneben gesichert")
                           .arg(what));
    r.yes = indicator(this, QStyle::SP_MessageBoxWarning, table == Address ? "indicator1028" : "indicator1029",
                      QStringLiteral("Die Datei wird beim Schließen mit OK neu angelegt."));
    r.no = indicator(this, QStyle::SP_DialogApplyButton, table == Address ? "indicator1030" : "indicator1031",
                     QStringLiteral("Die Datei bleibt, wie sie ist."));
    r.yes->hide();
    connect(r.browse, &QPushButton::clicked, this, [this, table] { browse(table); });
    connect(r.init, &QPushButton::clicked, this, [this, table] { askRecreate(table); });
    return r;
}

void CDlgProgramOptions::browse(Table table)
{
    QLineEdit* edit = m_rows[table].path;
    QFileDialog dialog(this, QStringLiteral("Datendatei auswählen"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A new name is allowed: the table is made when it is first used.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Datenbankdateien (*.dbf)"));
    dialog.setDefaultSuffix(QStringLiteral("dbf"));
    const QFileInfo current(edit->text());
    if (current.dir().exists())
        dialog.setDirectory(current.dir());
    if (!current.fileName().isEmpty())
        dialog.selectFile(current.fileName());
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        edit->setText(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}

void CDlgProgramOptions::askRecreate(Table table)
{
    const int id = table == Address ? StringTable::ConfirmInitAddressFile : StringTable::ConfirmInitGoodsFile;
    QMessageBox box(QMessageBox::Warning, windowTitle(), StringTable::text(id), QMessageBox::Yes | QMessageBox::No,
                    this);
    box.button(QMessageBox::Yes)->setText(StringTable::choose(QStringLiteral("&Ja"), QStringLiteral("&Yes")));
    box.button(QMessageBox::No)->setText(StringTable::choose(QStringLiteral("&Nein"), QStringLiteral("&No")));
    box.setDefaultButton(QMessageBox::No);
    showRecreate(table, box.exec() == QMessageBox::Yes);
}

void CDlgProgramOptions::showRecreate(Table table, bool recreate)
{
    (table == Address ? m_options.recreateAddressTable : m_options.recreateGoodsTable) = recreate;
    m_rows[table].yes->setVisible(recreate);
    m_rows[table].no->setVisible(!recreate);
}

void CDlgProgramOptions::accept()
{
    m_options.addressPath = m_rows[Address].path->text().trimmed();
    m_options.goodsPath = m_rows[Goods].path->text().trimmed();
    m_options.checkPaperFormat = m_paperCheck->isChecked();
    m_options.checkFormBeforePrint = m_formCheck->isChecked();
    m_outcome = m_options.apply();
    // A table that could not be made anew is said; the settings are stored
    // and the old table is still there, so the dialog closes all the same.
    const QString report = m_outcome.messages.join(QStringLiteral("\n\n"));
    if (!m_outcome.ok)
        QMessageBox::warning(this, windowTitle(), report);
    else if (!report.isEmpty())
        QMessageBox::information(this, windowTitle(), report);
    QDialog::accept();
}
