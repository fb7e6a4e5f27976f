#pragma once

#include "print/PrintPreviewDialog.h"

class CEinheitspapierDoc;
class FieldDefinitions;

// The preview of an Einheitspapier: every page with the program's field
// flags, over a pale picture of the form.
class EhPrintPreviewDialog : public PrintPreviewDialog
{
public:
    EhPrintPreviewDialog(const CEinheitspapierDoc& doc, const FieldDefinitions& definitions,
                         const QPrinter& printer, int startPage, QWidget* parent = nullptr);
};
