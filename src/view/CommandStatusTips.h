#pragma once

#include <QString>

namespace CommandStatusTips {

// What the status bar says of a form view's command while its menu item is
// highlighted or the mouse rests on its tool button. Empty for a command
// this table does not know (the command sets its own).
QString text(int id);

} // namespace CommandStatusTips
