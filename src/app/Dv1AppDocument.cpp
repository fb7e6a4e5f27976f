#include "app/Dv1AppDocument.h"

#include "dv1/DV1File.h"

const QString Dv1AppDocument::TemplateStrings =
    QStringLiteral("\nDV1form\nZollwertanm. (D.V.1)\nDV1 Form. (*.fdv)\n.fdv\nDV1-Dokument\nDV1-Dokument");

Dv1AppDocument::Dv1AppDocument(DocTemplate& docTemplate)
    : AppDocument(docTemplate)
{
}

bool Dv1AppDocument::read(const QString& path, QString* error)
{
    if (!DV1File::load(path, m_doc, error))
        return false;
    m_doc.setModified(false);
    // A refused file opens as a new document without a file, so that saving
    // can never replace it.
    m_doc.setPath(m_doc.loadStatus() == CDV1_Doc::LoadOk ? path : QString());
    return true;
}
