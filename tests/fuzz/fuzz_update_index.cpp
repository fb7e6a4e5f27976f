// Feeds arbitrary bytes to the update index reader as the server's answer,
// and writes the download page from whatever entry it finds: the page must
// never carry markup or a script that came from the index.
#include <QByteArrayView>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "app/UpdateCheckModel.h"
#include "app/UpdateIndex.h"
#include "app/UpdatePage.h"
#include "app/UpdateSite.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const UpdateSite site = UpdateSite::parse(QStringLiteral("https://updates.pavo.example"));
    static const QString program = QStringLiteral("Kestrovane-Import");
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const UpdateIndex::Result result = UpdateIndex::find(bytes, program);
    // A header number below -2 ("-5", say) allows no entry at all.
    if (result.entriesRead > std::max(0, result.headerNumber + 2))
        std::abort();

    UpdateCheckModel model(program, {2, 1, 5});
    model.takeIndex(result);
    if (!model.updateFound())
        return 0;
    const QString page = UpdatePage::html(model, site);
    // Our own script block is the only one.
    if (page.count(QStringLiteral("<script"), Qt::CaseInsensitive) != 1)
        std::abort();
    // The texts the page shows carry no markup of their own: with every "<"
    // in them replaced, the page has just as many tags as before.
    UpdateIndex::Result plain = result;
    plain.entry.version.replace(QLatin1Char('<'), QLatin1Char('_'));
    plain.entry.downloadSize.replace(QLatin1Char('<'), QLatin1Char('_'));
    UpdateCheckModel reference(program, {2, 1, 5});
    reference.takeIndex(plain);
    if (!reference.updateFound() ||
        UpdatePage::html(reference, site).count(QLatin1Char('<')) != page.count(QLatin1Char('<')))
        std::abort();
    return 0;
}
