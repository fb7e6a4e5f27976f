#include "app/DocTemplate.h"

#include <QFileInfo>

#include "app/AppDocument.h"
#include "app/FormViewInterface.h"

DocTemplate::DocTemplate(const QString& strings, int requestedForm, DocumentFactory makeDocument,
                         ViewFactory makeView)
    : m_strings(strings.split(QLatin1Char('\n')))
    , m_requestedForm(requestedForm)
    , m_makeDocument(std::move(makeDocument))
    , m_makeView(std::move(makeView))
{
}

QString DocTemplate::string(Part part) const
{
    return m_strings.value(int(part));
}

bool DocTemplate::matchesFile(const QString& path) const
{
    const QString ext = extension();
    return !ext.isEmpty() && QFileInfo(path).fileName().endsWith(ext, Qt::CaseInsensitive);
}

QString DocTemplate::nextUntitledTitle()
{
    return string(DocName) + QString::number(++m_untitledCount);
}

std::unique_ptr<AppDocument> DocTemplate::createDocument()
{
    return m_makeDocument(*this);
}

std::unique_ptr<FormViewInterface> DocTemplate::createView(AppDocument& document, QWidget* parent) const
{
    return m_makeView(document, parent);
}
