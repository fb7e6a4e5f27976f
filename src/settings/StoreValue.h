#pragma once

#include <QString>
#include <QVariant>

class QSettings;

// Writing a value that the store holds already costs a locked rewrite of
// the whole file (and a wait for the disk) and changes nothing, and the
// program does it for the same values at every start: such writes are left
// out.
namespace StoreValue {

// Whether the store itself (not a machine-wide fallback) holds value under
// key. A number read back from a text store is a text, so a number counts
// as held when the stored text reads as the same number.
bool holds(QSettings& store, const QString& key, const QVariant& value);

// Writes value unless the store holds it; true when it wrote.
bool writeIfChanged(QSettings& store, const QString& key, const QVariant& value);

} // namespace StoreValue
