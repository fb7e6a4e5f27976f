#include <gtest/gtest.h>

#include "TestSupport.h"
#include "settings/Profile.h"
#include "settings/ViewZoom.h"

using testsupport::clearSettings;

namespace {

const QString EH = QStringLiteral("EHForm_Defaults");
const QString DV1 = QStringLiteral("DV1Form_Defaults");

int stored(const QString& section, const char* key)
{
    return Profile::GetProfileInt(section, QLatin1String(key), -999);
}

} // namespace

TEST(ViewZoom, DefaultFollowsTheDesktopHeight)
{
    const std::pair<int, int> cases[] = {{0, 22}, {489, 22}, {490, 18}, {609, 18},
                                         {610, 16}, {768, 16}, {769, 16}, {770, 14}, {2160, 14}};
    for (const auto& [height, zoom] : cases) {
        EXPECT_EQ(ViewZoom::defaultZoomFactor(height, false), zoom) << height;
        EXPECT_EQ(ViewZoom::defaultZoomFactor(height, true), zoom - 3) << height;
    }
    EXPECT_EQ(ViewZoom::screenScale(96), 100);
    EXPECT_EQ(ViewZoom::screenScale(120), 125);
    EXPECT_EQ(ViewZoom::screenScale(144), 150);
    EXPECT_EQ(ViewZoom::screenScale(97), 101);   // 101.04
    EXPECT_EQ(ViewZoom::screenScale(0), 100);    // no screen
#ifndef Q_OS_WIN
    EXPECT_TRUE(ViewZoom::runningOnWindows8OrLater());
#endif
}

TEST(ViewZoom, LoadOnAnEmptyStoreWritesWhatItUsed)
{
    clearSettings();
    EXPECT_EQ(ViewZoom::loadZoom(EH, {768, false, 96}), 16);
    EXPECT_EQ(stored(EH, "ZoomFactorLU"), 16);
    EXPECT_EQ(stored(EH, "WinFormScaledFactor"), 100);
    EXPECT_EQ(stored(EH, "ZoomFactor"), -999); // the default is not written as a choice

    EXPECT_EQ(ViewZoom::loadZoom(DV1, {768, true, 144}), 13 * 150 / 100);
    EXPECT_EQ(stored(DV1, "ZoomFactorLU"), 13);
    EXPECT_EQ(stored(DV1, "WinFormScaledFactor"), 150);
    EXPECT_EQ(stored(EH, "WinFormScaledFactor"), 100); // each view section on its own
}

TEST(ViewZoom, StoredValuesOverrideTheScreen)
{
    clearSettings();
    Profile::WriteProfileInt(EH, QStringLiteral("ZoomFactor"), 16);
    Profile::WriteProfileInt(QStringLiteral("Settings"), QStringLiteral("WinFormScaledFactorOv"), 125);
    EXPECT_EQ(ViewZoom::loadZoom(EH, {1080, true, 96}), 20);
    EXPECT_EQ(stored(EH, "ZoomFactorLU"), 16);
    EXPECT_EQ(stored(EH, "WinFormScaledFactor"), 100);

    // Truncated, not rounded: 125 * 13 / 100 = 16.25.
    Profile::WriteProfileInt(EH, QStringLiteral("ZoomFactor"), 13);
    EXPECT_EQ(ViewZoom::loadZoom(EH, {1080, true, 96}), 16);

    // Values that would make the form vanish fall back to the screen's.
    Profile::WriteProfileInt(EH, QStringLiteral("ZoomFactor"), 0);
    Profile::WriteProfileInt(QStringLiteral("Settings"), QStringLiteral("WinFormScaledFactorOv"), -50);
    EXPECT_EQ(ViewZoom::loadZoom(EH, {1080, false, 96}), 14);
    EXPECT_EQ(stored(EH, "ZoomFactorLU"), 14);
    Profile::WriteProfileInt(QStringLiteral("Settings"), QStringLiteral("WinFormScaledFactorOv"), 1);
    EXPECT_EQ(ViewZoom::loadZoom(EH, {1080, false, 96}), 1);
}
