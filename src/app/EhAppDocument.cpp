#include "app/EhAppDocument.h"

const QString EhAppDocument::TemplateStrings =
    QStringLiteral("\nEhForm\nEinheitspapier\nEhPapier (*.aef)\n.aef\nEinheitspapier\nEinheitspapier");

EhAppDocument::EhAppDocument(DocTemplate& docTemplate)
    : AppDocument(docTemplate)
{
}

int EhAppDocument::requestedForm() const
{
    // A document whose form set is still open counts as an Einheitspapier
    // all the same: the dialogs then offer ".aef".
    const int formSet = m_doc.formSet();
    return formSet >= 0 && formSet <= 3 ? formSet : 0;
}
