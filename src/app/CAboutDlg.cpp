#include "app/CAboutDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/FormThumbnail.h"
#include "app/UpdateSite.h"
#include "settings/StringTable.h"

CAboutDlg::CAboutDlg(const QString& buildDate, QWidget* parent)
    : QDialog(parent)
{
    const QString title = StringTable::text(StringTable::ApplicationTitle);
    setWindowTitle(StringTable::choose(QStringLiteral("Info über %1"), QStringLiteral("About %1")).arg(title));

    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* picture = new QLabel(this);
    picture->setPixmap(FormThumbnail::picture(0, QSize(60, 85), devicePixelRatioF()));
    row->addWidget(picture, 0, Qt::AlignTop);

    const UpdateSite site = UpdateSite::current();
    const QString url = site.isValid() ? site.text().toHtmlEscaped() : QString();
    auto* text = new QLabel(this);
    text->setObjectName(QStringLiteral("aboutText"));
    text->setTextFormat(Qt::RichText);
    text->setOpenExternalLinks(true);
    text->setText(QStringLiteral("<b>%1</b><br>%2 %3<br>%4 %5<br><br>%6<br>%7")
                      .arg(title.toHtmlEscaped(), QStringLiteral("Version"), QStringLiteral(KV_PRODUCT_VERSION),
                           StringTable::choose(QStringLiteral("Stand:"), QStringLiteral("Build:")),
                           buildDate.toHtmlEscaped(),
                           StringTable::choose(QStringLiteral("Einheitspapier und Zollwertanmeldung D.V.1"),
                                               QStringLiteral("Single administrative document and customs value "
                                                              "declaration D.V.1")),
                           url.isEmpty() ? QString() : QStringLiteral("<a href=\"%1\">%1</a>").arg(url)));
    row->addWidget(text, 1);
    layout->addLayout(row);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}
