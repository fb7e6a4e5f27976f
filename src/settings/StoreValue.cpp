#include "settings/StoreValue.h"

#include <QSettings>

namespace StoreValue {

namespace {

bool isInteger(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

} // namespace

bool holds(QSettings& store, const QString& key, const QVariant& value)
{
    // A value that only the machine-wide store has would stop counting once
    // that store changes, so only the user's own values count.
    const bool fallbacks = store.fallbacksEnabled();
    store.setFallbacksEnabled(false);
    const QVariant stored = store.value(key);
    store.setFallbacksEnabled(fallbacks);
    if (!stored.isValid())
        return false;
    if (stored.typeId() == value.typeId())
        return stored == value;
    if (isInteger(value) && stored.typeId() == QMetaType::QString) {
        bool ok = false;
        const QString text = stored.toString();
        if (value.typeId() == QMetaType::ULongLong) {
            const qulonglong n = text.toULongLong(&ok);
            return ok && n == value.toULongLong();
        }
        const qlonglong n = text.toLongLong(&ok);
        return ok && n == value.toLongLong();
    }
    return false;
}

bool writeIfChanged(QSettings& store, const QString& key, const QVariant& value)
{
    if (holds(store, key, value))
        return false;
    store.setValue(key, value);
    return true;
}

} // namespace StoreValue
