#pragma once

#include <QStringList>

#include "cli/CliCommand.h"
#include "cli/DocumentKinds.h"

// The D.V.1 parts of the general commands.
namespace cli {

// dump and convert of .fdv files.
DocumentKind dv1DocumentKind();

// "new --dv1 OUT.fdv" (args without the flag): an empty D.V.1 of two pages.
int newDv1Document(const QStringList& args, Io& io);

} // namespace cli
