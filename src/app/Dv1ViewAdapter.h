#pragma once

#include <QPointer>

#include "app/FormViewInterface.h"

class CDV1_View;
class CKestrovaneImportApp;
class Dv1AppDocument;

// The D.V.1 view as the main window sees it: its commands sorted into the
// menus, its status texts, its help topics, its first display.
class Dv1ViewAdapter : public FormViewInterface
{
public:
    Dv1ViewAdapter(CKestrovaneImportApp& app, Dv1AppDocument& document, QWidget* parent);
    ~Dv1ViewAdapter() override;

    CDV1_View* view() const;

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
    CKestrovaneImportApp& m_app;
    QPointer<CDV1_View> m_view;
    QString m_pageText;
    QString m_modeText;
    std::function<void()> m_listener;
    std::function<void()> m_changeListener;
};
