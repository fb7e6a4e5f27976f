#include "app/AppDocument.h"

#include <QFileInfo>

#include "app/DocTemplate.h"

AppDocument::AppDocument(DocTemplate& docTemplate)
    : m_template(docTemplate)
{
}

AppDocument::~AppDocument() = default;

void AppDocument::setPath(const QString& path)
{
    m_path = path;
    m_title = path.isEmpty() ? m_template.nextUntitledTitle() : QFileInfo(path).fileName();
}

void AppDocument::newDocument()
{
    deleteContents();
    setModified(false);
    setPath(QString());
}

bool AppDocument::openDocument(const QString& path, QString* error)
{
    if (!read(path, error))
        return false;
    setPath(refused() ? QString() : QFileInfo(path).absoluteFilePath());
    return true;
}

bool AppDocument::saveDocument(const QString& path, QString* error)
{
    if (!write(path, error))
        return false;
    setPath(QFileInfo(path).absoluteFilePath());
    setModified(false);
    return true;
}
