#pragma once

#include <QIcon>
#include <QPixmap>

// The tool bar's pictures, drawn in code so they need no image files and
// stay sharp on any screen.
namespace AppIcons {

enum Kind { New, Open, Save, Cut, Copy, Paste, Print, Preview, Pdf, PreviousPage, NextPage, ZoomIn, ZoomOut, About };

QIcon icon(Kind kind);

// The program's own icon: a small Einheitspapier.
QIcon applicationIcon();
QPixmap applicationPixmap(int size);

// The file manager's picture of a document: form 0..3 an Einheitspapier
// form set, 99 the D.V.1, on a square of size pixels.
QPixmap documentPixmap(int form, int size);

} // namespace AppIcons
