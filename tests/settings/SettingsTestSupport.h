#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "settings/CRegeditManagment.h"

// The machine-wide half of the registry manager's store goes to a temporary
// folder too: these tests may run as a user who could write the real one.
inline QString useTemporarySystemStore()
{
    static QTemporaryDir dir;
    static const bool set = [] {
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, dir.path());
        return true;
    }();
    (void)set;
    return dir.path();
}

// The per-user store of the registry manager, without the machine-wide
// values that QSettings would mix in.
class QznUserStore : public QSettings
{
public:
    QznUserStore()
        : QSettings(QSettings::UserScope, QStringLiteral("Qzn"), QStringLiteral("Kestrovane-Import"))
    {
        setFallbacksEnabled(false);
    }
};

// A manager initialised as start-up does it, collecting its messages.
struct TestRegistry {
    CRegeditManagment registry;
    QStringList messages;

    explicit TestRegistry(bool initialise = true)
    {
        useTemporarySystemStore();
        registry.setMessageHandler([this](const QString& m) { messages.append(m); });
        if (initialise)
            registry.Initialise(QStringLiteral("Apr  9 2021"));
    }
};
