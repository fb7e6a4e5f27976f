#pragma once

#include <QPointer>

#include "app/FormViewInterface.h"

class CEinheitspapierView;
class CKestrovaneImportApp;
class EhAppDocument;

// The Einheitspapier view as the main window sees it: its commands sorted
// into the menus, its status texts, its first display with the program's
// form-set choice.
class EhViewAdapter : public FormViewInterface
{
public:
    // The help topic of "&Formularvorgaben..." (the form defaults dialog).
    static constexpr int FormDefaultsHelp = 132;

    EhViewAdapter(CKestrovaneImportApp& app, EhAppDocument& document, QWidget* parent);
    ~EhViewAdapter() override;

    CEinheitspapierView* view() const { return m_view; }

    QWidget* widget() override;
    bool initialUpdate() override;
    QList<QAction*> menuCommands(Menu menu) const override;
    QAction* command(int id) const override;
    QString statusText(StatusPane pane) const override;
    void setStatusListener(std::function<void()> listener) override;
    void activated() override;
    CheckFindings checkDocument() const override;
    void goToField(int page, int field) override;
    void setChangeListener(std::function<void()> listener) override;

private:
    void runFormDefaults();

    CKestrovaneImportApp& m_app;
    EhAppDocument& m_document;
    QPointer<CEinheitspapierView> m_view;
    QString m_pageText;
    QString m_modeText;
    std::function<void()> m_listener;
    std::function<void()> m_changeListener;
};
