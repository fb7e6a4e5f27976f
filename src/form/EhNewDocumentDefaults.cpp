#include "form/CEinheitspapierDoc.h"

// The user's new-document defaults (sender, declarant, dates in the stamps)
// are written here. Until they exist a new document stays empty.
void CEinheitspapierDoc::applyNewDocumentDefaults()
{
}
