#pragma once

#include "app/AppDocument.h"
#include "dv1/CDV1_Doc.h"

// A D.V.1 as the main window handles it.
class Dv1AppDocument : public AppDocument
{
public:
    // The names of the type: "DV1form1" for new documents, ".fdv" files, the
    // file type "DV1-Dokument".
    static const QString TemplateStrings;
    // What the file dialogs preselect while a D.V.1 is active.
    static constexpr int RequestedForm = 99;

    explicit Dv1AppDocument(DocTemplate& docTemplate);

    CDV1_Doc& document() { return m_doc; }
    const CDV1_Doc& document() const { return m_doc; }

    bool isModified() const override { return m_doc.isModified(); }
    void setModified(bool modified) override { m_doc.setModified(modified); }
    int requestedForm() const override { return RequestedForm; }

protected:
    void deleteContents() override { m_doc.DeleteContents(); }
    bool read(const QString& path, QString* error) override;
    bool write(const QString& path, QString* error) override { return m_doc.OnSaveDocument(path, error); }
    bool refused() const override { return m_doc.loadStatus() != CDV1_Doc::LoadOk; }

private:
    CDV1_Doc m_doc;
};
