#pragma once

#include <QString>

class UpdateSite;

// The program's home page on the web and how it is opened.
namespace HomePage {

// The path of the home page below the program's site.
inline constexpr const char* Path = "/index2.html";

// The message when no browser is there to show it.
QString noBrowserText();

// Opens the home page of the site in the user's browser. False with a
// message for the user when the site setting is no usable address or no
// browser could show it.
bool open(const UpdateSite& site, QString* message);

} // namespace HomePage
