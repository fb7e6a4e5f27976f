#pragma once

#include <QIcon>

// The tool bar's pictures, drawn in code so they need no image files and
// stay sharp on any screen.
namespace AppIcons {

enum Kind { New, Open, Save, Cut, Copy, Paste, Print, About };

QIcon icon(Kind kind);

// The program's own icon: a small Einheitspapier.
QIcon applicationIcon();

} // namespace AppIcons
