#pragma once

#include <QString>

// Texts of the load status a document reports after a refused file: the
// message the view shows (with an error beep) when it first appears.
namespace LoadMessages {

// The German text of a load status (a string table id); empty for 0 and
// for ids this table does not hold.
QString text(int loadStatus);

} // namespace LoadMessages
