#pragma once

#include <QString>
#include <QUrl>

// The program's web site, "Settings"/"UpdateSite": the update index, the
// download page's links and the home page are all addresses below it.
//
// Only an https address with a host and nothing but a path is taken: the
// update check trusts what comes from there, so it must never be fetched
// without the server proving who it is.
class UpdateSite
{
public:
    // The site the setting names (or its default).
    static UpdateSite current();
    static UpdateSite parse(const QString& text);

    bool isValid() const { return m_error.isEmpty(); }
    // Why the setting cannot be used, naming the setting and its value.
    QString error() const { return m_error; }
    QUrl url() const { return m_url; }
    // "https://host[:port][/folder]" without a trailing "/".
    QString text() const;

    // The site followed by "/" and a path relative to it.
    QUrl address(const QString& relativePath) const;

private:
    QUrl m_url;
    QString m_error;
};
