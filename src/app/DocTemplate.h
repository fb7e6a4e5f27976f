#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class AppDocument;
class FormViewInterface;
class QWidget;

// One document type of the program: its names and extension, and how a
// document and its view are made. The names come in one text of seven
// parts separated by "\n": window title, document name ("EhForm", which
// also names new documents "EhForm1", "EhForm2" ...), the name offered for
// a new file, the filter text, the extension, the file type id and the file
// type name.
class DocTemplate
{
public:
    using DocumentFactory = std::function<std::unique_ptr<AppDocument>(DocTemplate&)>;
    using ViewFactory = std::function<std::unique_ptr<FormViewInterface>(AppDocument&, QWidget* parent)>;

    enum Part { WindowTitle, DocName, FileNewName, FilterName, FilterExt, RegFileTypeId, RegFileTypeName };

    // requestedForm: what the file dialogs preselect for documents of this
    // type (0 stands for any Einheitspapier form set, 99 for the D.V.1).
    DocTemplate(const QString& strings, int requestedForm, DocumentFactory makeDocument, ViewFactory makeView);

    QString string(Part part) const;
    QString extension() const { return string(FilterExt); }
    int requestedForm() const { return m_requestedForm; }

    // Whether path carries this type's extension (case ignored: files come
    // from other systems too).
    bool matchesFile(const QString& path) const;

    // "EhForm1", "EhForm2" ... in the order new documents are made.
    QString nextUntitledTitle();

    std::unique_ptr<AppDocument> createDocument();
    std::unique_ptr<FormViewInterface> createView(AppDocument& document, QWidget* parent) const;

private:
    QStringList m_strings;
    int m_requestedForm;
    int m_untitledCount = 0;
    DocumentFactory m_makeDocument;
    ViewFactory m_makeView;
};
