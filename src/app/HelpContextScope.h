#pragma once

#include "app/CKestrovaneImportApp.h"

// Sets the application's help topic while a dialog is open and puts the
// previous one back when it closes.
struct HelpContextScope {
    CKestrovaneImportApp& app;
    int previous;
    HelpContextScope(CKestrovaneImportApp& a, int context) : app(a), previous(a.helpContext())
    {
        app.setHelpContext(context);
    }
    ~HelpContextScope() { app.setHelpContext(previous); }
    HelpContextScope(const HelpContextScope&) = delete;
    HelpContextScope& operator=(const HelpContextScope&) = delete;
};
