#pragma once

#include <QString>

class DocTemplate;

// What the main window needs of every open document, whatever its type: the
// file it belongs to, its title, its modified flag, and reading and writing.
// Each document type wraps its own document class in one of these.
class AppDocument
{
public:
    explicit AppDocument(DocTemplate& docTemplate);
    virtual ~AppDocument();

    AppDocument(const AppDocument&) = delete;
    AppDocument& operator=(const AppDocument&) = delete;

    DocTemplate& docTemplate() const { return m_template; }

    // The file of the document; empty until it is saved or when it was opened
    // from a file this program refused.
    QString path() const { return m_path; }
    // The file name, or "EhForm1" and the like for a document without a file.
    QString title() const { return m_title; }

    virtual bool isModified() const = 0;
    virtual void setModified(bool modified) = 0;

    // The form the file dialogs preselect while this document is active.
    virtual int requestedForm() const = 0;

    // A new, empty document of the type.
    void newDocument();
    // Reads path. False with error set when the file cannot be read; the
    // document is then of no use and is thrown away. A file of a format the program refuses is
    // no failure: it opens as a new document without a file (its message is
    // shown by the view), so that saving can never replace the refused file.
    bool openDocument(const QString& path, QString* error);
    // Writes the document to path, replacing an old file only when the new
    // one was written completely. On success the document belongs to path
    // and is unmodified.
    bool saveDocument(const QString& path, QString* error);

protected:
    virtual void deleteContents() = 0;
    virtual bool read(const QString& path, QString* error) = 0;
    virtual bool write(const QString& path, QString* error) = 0;
    // Whether the last read met a format the program does not open.
    virtual bool refused() const = 0;

private:
    void setPath(const QString& path);

    DocTemplate& m_template;
    QString m_path;
    QString m_title;
};
