#pragma once

#include <QDialog>

#include <array>
#include <optional>

#include "masterdata/StammDatenDialogModel.h"
#include "settings/HelpContext.h"

class QGroupBox;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;

// "Stammdateneingabe" / "Stammdatenauswahl": the goods master data, to
// maintain (from the menu) or to pick a record for box 31 of a goods
// position. The logic is StammDatenDialogModel's; this class shows it.
//
// Use: construct, then load() (false: the table could not be read, the
// message has been shown, do not exec()); exec(); in selection use read
// chosenValues() after Accepted.
class CDlgStammDatenEingabe : public QDialog
{
    Q_OBJECT

public:
    using Use = StammDatenDialogModel::Use;
    using Values = StammDatenDialogModel::Values;

    // help: the program's help topic, set to the part the user works in
    // while the dialog lives (none in tests that do not ask).
    CDlgStammDatenEingabe(Use use, const QString& dataDirectory, HelpContext* help = nullptr,
                          QWidget* parent = nullptr);
    ~CDlgStammDatenEingabe() override;

    bool load();
    Values chosenValues() const { return m_model.result(); }
    StammDatenDialogModel& model() { return m_model; }

    // The help topic of the part that has the focus.
    int helpContext() const { return m_helpContext; }

    void accept() override;
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void connectControls();
    // Shows the model's state: lists, boxes, buttons, captions.
    void showState();
    void showSelection();
    void showValues(const Values& values);
    Values boxValues() const;
    void pickedIn(QListView* list);
    void onEditOrSave();
    void onNew();
    void onDefaults();
    void onDoubleClick();
    void limitDescription();
    void focusMoved(QWidget* now);
    QLineEdit* focusedOriginBox() const;
    void showError(const QString& text);

    StammDatenDialogModel m_model;
    QLineEdit* m_search = nullptr;
    QListView* m_descriptionList = nullptr;
    QListView* m_numberList = nullptr;
    QGroupBox* m_group = nullptr;
    QPlainTextEdit* m_description = nullptr;
    std::array<QLineEdit*, 5> m_number{};
    std::array<QLineEdit*, 2> m_origin{};
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_helpButton = nullptr;
    QPushButton* m_new = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_defaults = nullptr;
    bool m_showing = false;
    HelpContext* m_help;
    std::optional<HelpContext::Scope> m_helpScope;
    int m_helpContext = StammDatenDialogModel::HelpLists;
    // The program's focus changes reach the dialog only while it is whole.
    QMetaObject::Connection m_focusWatch;
};
