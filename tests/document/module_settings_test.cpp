// The one step that brings the settings record into force on the image and the session.
#include <gtest/gtest.h>

#include <algorithm>

#include "midi/midi_fixture.h"
#include "document/module_settings.h"
#include "document/settings.h"

namespace veka {
namespace {

using test::TMidiFixture;

TEST(ModuleSettings, TheRecordReachesImageTransmitterRouterAndRequest) {
    TMidiFixture f(mtSC8850, 0);
    TSettingsData data;
    data.ModuleType = mtSC8850;
    data.MaxPart = 2;
    data.DeviceId = 0x11;
    data.TransWait = 9;
    data.DataReqWait = 2000;
    data.SysxSpace = THexSpacing::None;
    data.SetOption(TOption::MidiEcho, true);
    f.Session->Focus.Port = 3;
    const TModuleSettingsChange change = ApplyModuleSettings(data, *f.Session);
    EXPECT_TRUE(change.PortCount);
    EXPECT_FALSE(change.ModuleType);
    EXPECT_EQ(f.Image->ActivePortCount(), 4);
    EXPECT_EQ(f.Image->DeviceId, 0x11);
    EXPECT_EQ(f.Tx().TransWaitMs, 9);
    EXPECT_EQ(f.Tx().SysxSpace, THexSpacing::None);
    EXPECT_EQ(f.Session->Request.DataReqWaitMs, 2000);
    EXPECT_TRUE(f.Session->Router.Thru);
    EXPECT_TRUE(f.Module->Received(0).empty());  // nothing to send for the same module type
    // The messages carry the new device id, and the text has no blanks.
    f.Image->SetPartValue(3, 1, 90, ppVolume);
    EXPECT_EQ(f.Tx().LastHexText.substr(0, 6), "F04111");
    // Fewer ports: the shown port comes back into range.
    data.MaxPart = 1;
    EXPECT_TRUE(ApplyModuleSettings(data, *f.Session).PortCount);
    EXPECT_EQ(f.Session->Focus.Port, 1);
}

TEST(ModuleSettings, AnotherModuleTypeMovesEveryPartsToneMapOnTheModuleToo) {
    TMidiFixture f(mtSC8850, 0);
    TSettingsData data;
    data.MaxPart = 0;
    data.ModuleType = mtSC88;
    f.Clock.Waits.clear();
    const TModuleSettingsChange change = ApplyModuleSettings(data, *f.Session);
    EXPECT_TRUE(change.ModuleType);
    // Each part's tone map is followed by the module's pause on the session's clock.
    EXPECT_EQ(std::count(f.Clock.Waits.begin(), f.Clock.Waits.end(), 10), 64);
    EXPECT_EQ(f.Image->ModuleType(), mtSC88);
    EXPECT_EQ(f.Image->Part(0, 5, ppToneMap).Value, f.Image->ToneMapOfModuleType());
    EXPECT_FALSE(f.Module->Received(0).empty());
    // And back into the record before it is saved (a data request may change the type too).
    TSettingsData saved;
    TakeModuleSettings(*f.Image, saved);
    EXPECT_EQ(saved.ModuleType, mtSC88);
    EXPECT_EQ(saved.MaxPart, 0);
    EXPECT_EQ(saved.DeviceId, f.Image->DeviceId);
    // A value outside the families is taken as the SC-8850 family, as the settings file reads it.
    data.ModuleType = 9;
    ApplyModuleSettings(data, *f.Session);
    EXPECT_EQ(f.Image->ModuleType(), mtSC8850);
}

}  // namespace
}  // namespace veka
