#include "settings/HelpWindow.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "settings/HelpTopics.h"

namespace {

QToolButton* button(const QString& text, const QString& tip, const QKeySequence& key, QWidget* parent)
{
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setToolTip(tip);
    b->setShortcut(key);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

} // namespace

HelpWindow::HelpWindow(const QString& folder, const QStringList& searched, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_folder(folder)
    , m_browser(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("Kestrovane-Import - Hilfe"));
    setObjectName(QStringLiteral("helpWindow"));
    auto* contents = button(QStringLiteral("&Inhalt"), QStringLiteral("Inhaltsverzeichnis des Handbuchs"),
                            QKeySequence(Qt::ALT | Qt::Key_Home), this);
    m_back = button(QStringLiteral("&Zurück"), QStringLiteral("Zur vorher gezeigten Seite (Alt+Links)"),
                    QKeySequence(Qt::ALT | Qt::Key_Left), this);
    m_forward = button(QStringLiteral("&Vorwärts"), QStringLiteral("Wieder zur nächsten Seite (Alt+Rechts)"),
                       QKeySequence(Qt::ALT | Qt::Key_Right), this);
    auto* close = button(QStringLiteral("&Schließen"), QStringLiteral("Hilfe schließen (Esc)"), QKeySequence(), this);
    contents->setObjectName(QStringLiteral("contents"));
    m_back->setObjectName(QStringLiteral("back"));
    m_forward->setObjectName(QStringLiteral("forward"));
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    auto* bar = new QHBoxLayout;
    bar->addWidget(contents);
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addStretch(1);
    bar->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_browser, 1);

    m_browser->setObjectName(QStringLiteral("helpText"));
    m_browser->setOpenLinks(true);
    // Addresses outside the manual (the program's web site) go to the
    // browser of the desktop; the manual itself needs none.
    m_browser->setOpenExternalLinks(true);
    if (!m_folder.isEmpty()) {
        m_browser->setSearchPaths({m_folder});
        // The pages link their style sheet for any browser; the text
        // browser takes it as the document's own.
        QFile css(QDir(m_folder).filePath(QStringLiteral("handbuch.css")));
        if (css.open(QIODevice::ReadOnly))
            m_browser->document()->setDefaultStyleSheet(QString::fromUtf8(css.readAll()));
    }
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(contents, &QToolButton::clicked, this,
            [this] { showPage(QString::fromLatin1(HelpTopics::ContentsPage)); });
    connect(close, &QToolButton::clicked, this, &QWidget::close);

    if (m_folder.isEmpty()) {
        QString places;
        for (const QString& s : searched)
            places += QStringLiteral("<li>") + s.toHtmlEscaped() + QStringLiteral("</li>");
        m_browser->setHtml(QStringLiteral("<h1>Hilfe nicht gefunden</h1><p>Das Handbuch von Kestrovane-Import "
                                          "liegt in keinem dieser Ordner:</p><ul>%1</ul>"
                                          "<p>Bitte installieren Sie das Programm neu.</p>")
                               .arg(places));
    }
    m_browser->setFocus();
    resize(760, 820);
}

void HelpWindow::showPage(const QString& page)
{
    if (m_folder.isEmpty())
        return;
    const int hash = page.indexOf(QLatin1Char('#'));
    QUrl url = QUrl::fromLocalFile(QDir(m_folder).filePath(hash < 0 ? page : page.left(hash)));
    if (hash >= 0)
        url.setFragment(page.mid(hash + 1));
    m_browser->setSource(url);
}

QString HelpWindow::currentPage() const
{
    const QUrl source = m_browser->source();
    QString page = QDir(m_folder).relativeFilePath(source.toLocalFile());
    if (source.hasFragment())
        page += QLatin1Char('#') + source.fragment();
    return page;
}

void HelpWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
