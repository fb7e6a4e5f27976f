#include "app/Common_DlgInternalInfo.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include "settings/StringTable.h"
#include "app/SystemInfoReport.h"

Common_DlgInternalInfo::Common_DlgInternalInfo(const QString& report, const QString& dataDirectory,
                                               QWidget* parent)
    : QDialog(parent)
    , m_text(new QPlainTextEdit(this))
    , m_dataDirectory(dataDirectory)
{
    setWindowTitle(StringTable::choose(QStringLiteral("Systeminformationen"), QStringLiteral("System information")));
    m_text->setReadOnly(true);
    m_text->setPlainText(report);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setMinimumSize(640, 400);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(StringTable::choose(QStringLiteral("Schließen"),
                                                                          QStringLiteral("Close")));
    QPushButton* save = buttons->addButton(
        StringTable::choose(QStringLiteral("In Datei speichern"), QStringLiteral("Save to file")),
        QDialogButtonBox::ActionRole);
    save->setObjectName(QStringLiteral("saveSupportFile"));
    save->setEnabled(!m_dataDirectory.isEmpty());
    connect(save, &QPushButton::clicked, this, [this] {
        if (writeSupportFile()) {
            accept();
            return;
        }
        QMessageBox::warning(this, windowTitle(),
                             StringTable::choose(QStringLiteral("Die Datei %1 konnte nicht geschrieben werden."),
                                                 QStringLiteral("The file %1 could not be written."))
                                 .arg(QDir::toNativeSeparators(supportFilePath())));
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
}

QString Common_DlgInternalInfo::report() const
{
    return m_text->toPlainText();
}

QString Common_DlgInternalInfo::supportFilePath() const
{
    return QDir(m_dataDirectory).filePath(SystemInfoReport::supportFileName());
}

bool Common_DlgInternalInfo::writeSupportFile()
{
    if (m_dataDirectory.isEmpty() || !QDir().mkpath(m_dataDirectory))
        return false;
    QSaveFile file(supportFilePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    file.write(report().toUtf8());
    return file.commit();
}
