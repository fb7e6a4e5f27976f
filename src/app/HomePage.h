#pragma once

#include <QUrl>

// The program's home page on the web and how it is opened.
namespace HomePage {

// The site followed by "/index2.html".
QUrl address();

// The message when no browser is there to show it.
QString noBrowserText();

} // namespace HomePage
