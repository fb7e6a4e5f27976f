#pragma once

#include <QStringList>

#include "cli/CliCommand.h"
#include "cli/DocumentKinds.h"

// The D.V.1 parts of the general commands.
class CDV1_Doc;
class QTextStream;

namespace cli {

// dump and convert of .fdv files.
DocumentKind dv1DocumentKind();

// Reads a D.V.1 for print and render. False, with "FILE: reason" on err,
// when the file cannot be read or is refused: a refused file reads as an
// empty form, and putting that out would pass off a blank sheet as the
// document.
bool loadDv1(CDV1_Doc& doc, const QString& path, QTextStream& err);

// "new --dv1 OUT.fdv" (args without the flag): an empty D.V.1 of two pages.
int newDv1Document(const QStringList& args, Io& io);

} // namespace cli
