#pragma once

#include <QDialog>

class QPlainTextEdit;

// "Texteingabe": the stamp lines that take two or three rows are typed
// here rather than in place.
class CDlgTexteingabe : public QDialog
{
    Q_OBJECT

public:
    // text: the field's text, lines joined by CR LF.
    explicit CDlgTexteingabe(const QString& text, QWidget* parent = nullptr);

    // The text typed, lines joined by CR LF.
    QString text() const;

private:
    QPlainTextEdit* m_edit;
};
