#pragma once

#include <QDialog>

#include "duty/BundeslaenderCodeModel.h"

class QListWidget;

// "Ländernummer (Inland)": picks a federal state (or "99 - Ausland") for
// the boxes 17 B and 34 B. The caller may give its own caption.
class Common_DlgBundeslaenderCode : public QDialog
{
    Q_OBJECT

public:
    explicit Common_DlgBundeslaenderCode(const QString& code, const QString& caption = QString(),
                                         QWidget* parent = nullptr);

    // Two digits, "99" for abroad.
    QString code() const { return m_model.resultCode(); }

    QListWidget* list() const { return m_list; }

private:
    BundeslaenderCodeModel m_model;
    QListWidget* m_list;
};
