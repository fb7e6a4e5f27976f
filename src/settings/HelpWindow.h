#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;
class QToolButton;

// The manual in a window of its own: a page of the manual with the links
// between the pages, "Inhalt", back and forward. Esc closes it.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    // folder: the manual's folder; empty when it was not found, and then
    // the window says where it looked (searched).
    HelpWindow(const QString& folder, const QStringList& searched, QWidget* parent = nullptr);

    // A page of the manual, with the anchor of its section ("dv1.html#feld1").
    void showPage(const QString& page);
    // The page shown, relative to the manual's folder, with its anchor.
    QString currentPage() const;

    QTextBrowser* browser() const { return m_browser; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_folder;
    QTextBrowser* m_browser;
    QToolButton* m_back;
    QToolButton* m_forward;
};
