#include "duty/PreferenceCodes.h"

namespace PreferenceCodes {

namespace {

constexpr CodeText kFirstDigit[] = {
    {"1", "Abgabenbegünstigung erga omnes (ohne Präferenznachweis)"},
    {"2", "Allgemeine Zollpräferenzen (APS)"},
    {"3", "Andere Zollpräferenzen (EUR.1, ATR oder gleichwertiges Dokument)"},
};

constexpr CodeText kLastTwoDigits[] = {
    {"00", "Keiner der nachstehenden Fälle"},
    {"10", "Zollaussetzung"},
    {"15", "Zollaussetzung mit besonderer Verwendung"},
    {"18", "Zollaussetzung mit Bescheinigung über die Beschaffenheit der Ware"},
    {"20", "Zollkontingent"},
    {"23", "Zollkontingent mit besonderer Verwendung"},
    {"25", "Zollkontingent mit Bescheinigung über die Beschaffenheit der Ware"},
    {"28", "Zollkontingent nach passiver Veredelung"},
    {"40", "Besondere Verwendung nach dem Gemeinsamen Zolltarif"},
    {"50", "Bescheinigung über die Beschaffenheit der Ware"},
};

} // namespace

std::span<const CodeText> firstDigit()
{
    return kFirstDigit;
}

std::span<const CodeText> lastTwoDigits()
{
    return kLastTwoDigits;
}

} // namespace PreferenceCodes
