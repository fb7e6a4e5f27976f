#include "app/UpdateSite.h"

#include "settings/Profile.h"

UpdateSite UpdateSite::current()
{
    return parse(Profile::get(Settings::UpdateSite));
}

UpdateSite UpdateSite::parse(const QString& text)
{
    UpdateSite site;
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const bool usable = url.isValid() && url.scheme() == QLatin1String("https") && !url.host().isEmpty() &&
                        url.userInfo().isEmpty() && !url.hasQuery() && !url.hasFragment();
    if (!usable) {
        site.m_error = QStringLiteral("Die Adresse \"%1\" (Einstellung %2/%3) ist keine gültige https-Adresse.")
                           .arg(text, QLatin1String(Settings::UpdateSite.section),
                                QLatin1String(Settings::UpdateSite.key));
        return site;
    }
    QString path = url.path();
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    site.m_url = url;
    site.m_url.setPath(path);
    return site;
}

QString UpdateSite::text() const
{
    // Fully encoded: no quote or angle bracket of a typed setting ever
    // reaches a page we write.
    return QString::fromLatin1(m_url.toEncoded());
}

QUrl UpdateSite::address(const QString& relativePath) const
{
    QString path = relativePath;
    while (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    return QUrl(text() + QLatin1Char('/') + path);
}
