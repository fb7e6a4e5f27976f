#pragma once

#include <QList>

#include <functional>

class QAction;

// The share of a form view in the main window's tool bar: the clipboard,
// printing, turning the pages and the zoom, the same for both forms.
namespace ViewToolBar {

// The commands' ids in order; 0 stands for a separator.
QList<int> commands();

// Gives the view's commands (found by id) their tool bar pictures.
void setIcons(const std::function<QAction*(int id)>& lookup);

} // namespace ViewToolBar
