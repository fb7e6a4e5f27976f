#pragma once

#include <QString>

#include "app/UpdateCheckModel.h"

class UpdateSite;

// The download page "Update.html" that the update check writes into the
// user's documents folder and opens in the browser.
//
// The index it is made from is remote input. Every text taken from it is
// HTML-escaped and none goes into a script; a link is built only from the
// configured site and a path of plain characters (no quote, angle bracket,
// blank or scheme), otherwise the page shows the text without the link.
namespace UpdatePage {

inline constexpr const char* FileName = "Update.html";
inline constexpr const char* PriceListPath = "/index.php/preisliste";

// The page for the entry the check found, over the installed version.
QString html(const UpdateCheckModel& check, const UpdateSite& site);

// A path of the index as a link target below the site; empty when the
// path holds anything but plain path characters.
QString linkTarget(const UpdateSite& site, const QString& path);

// A name the page's script may open as site + "/" + name + ".html": letters,
// digits, ".", "_" and "-" only.
bool isPlainPageName(const QString& name);

} // namespace UpdatePage
