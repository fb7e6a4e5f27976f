#pragma once

#include "app/AppDocument.h"
#include "form/CEinheitspapierDoc.h"

// An Einheitspapier as the main window handles it.
class EhAppDocument : public AppDocument
{
public:
    // The names of the type: "EhForm1" for new documents, ".aef" files, the
    // file type "Einheitspapier".
    static const QString TemplateStrings;

    explicit EhAppDocument(DocTemplate& docTemplate);

    CEinheitspapierDoc& document() { return m_doc; }
    const CEinheitspapierDoc& document() const { return m_doc; }

    bool isModified() const override { return m_doc.isModified(); }
    void setModified(bool modified) override { m_doc.setModified(modified); }
    int requestedForm() const override;

protected:
    void deleteContents() override { m_doc.deleteContents(); }
    bool read(const QString& path, QString* error) override { return m_doc.load(path, error); }
    bool write(const QString& path, QString* error) override { return m_doc.save(path, error); }
    bool refused() const override { return m_doc.loadStatus() != 0; }

private:
    CEinheitspapierDoc m_doc;
};
