#pragma once

#include <QList>
#include <QString>

#include <functional>

#include "check/CheckFinding.h"

class QAction;
class QWidget;

// What the main window needs of the view of a document: the widget it puts
// into the document's window, the commands it lends to the menus while it is
// active, the texts of the status bar, and the moments when the frame must
// hand control to it.
class FormViewInterface
{
public:
    // The menus of the main window that take commands of the active view,
    // and the tool bar.
    enum class Menu { File, Edit, View, Form, ToolBar };
    // Panes of the status bar: the page ("Einheitspapier - Seite 1 von 2")
    // and the typing mode ("Einfügen" / "Überschreiben").
    enum StatusPane { PagePane = 1, ModePane = 2 };

    virtual ~FormViewInterface() = default;

    virtual QWidget* widget() = 0;

    // The first display of the document: a refused file is reported and a
    // missing form set is asked for. False when the user cancelled that
    // question; the document is then closed again.
    virtual bool initialUpdate() = 0;

    // The view's commands for one menu, in menu order; a null entry stands
    // for a separator.
    virtual QList<QAction*> menuCommands(Menu menu) const = 0;

    // The view's command of a menu id, or null: commands the view handles
    // itself before the program does (its own printer set-up, say).
    virtual QAction* command(int id) const = 0;

    virtual QString statusText(StatusPane pane) const = 0;
    // Called whenever a status text changes.
    virtual void setStatusListener(std::function<void()> listener) = 0;

    // The view's window became the active one.
    virtual void activated() = 0;

    // The plausibility check of the document as it stands now.
    virtual CheckFindings checkDocument() const { return {}; }
    // Moves the focus to a field of a page, as a click into it would.
    virtual void goToField(int page, int field) {}
    // Called whenever the user or a command changed the document.
    virtual void setChangeListener(std::function<void()> listener) {}

protected:
    // The commands of ids as lookup finds them, in order; 0 in ids stands
    // for a separator (a null entry), ids the view does not have are left
    // out, and so are separators at either end or next to each other.
    template<typename Ids, typename Lookup>
    static QList<QAction*> pickCommands(const Ids& ids, const Lookup& lookup)
    {
        QList<QAction*> result;
        for (int id : ids) {
            if (id == 0) {
                if (!result.isEmpty() && result.constLast())
                    result.append(nullptr);
            } else if (QAction* a = lookup(id)) {
                result.append(a);
            }
        }
        if (!result.isEmpty() && !result.constLast())
            result.removeLast();
        return result;
    }
};
