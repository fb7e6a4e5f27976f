#include "duty/TransportModes.h"

namespace TransportModes {

namespace {

constexpr const char* kModes[Count] = {
    "1 - Seeverkehr",
    "2 - Eisenbahnverkehr",
    "3 - Straßenverkehr",
    "4 - Luftverkehr",
    "5 - Postsendungen",
    "7 - Festinstallierte Transporteinrichtungen",
    "8 - Binnenschiffahrt",
    "9 - Eigener Antrieb",
};

} // namespace

QString entry(int position)
{
    return position >= 0 && position < Count ? QString::fromUtf8(kModes[position]) : QString();
}

int positionOfCode(int code)
{
    if (code <= 0)
        return 0;
    return code <= 5 ? code - 1 : code - 2;
}

} // namespace TransportModes
