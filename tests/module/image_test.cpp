#include <gtest/gtest.h>

#include <filesystem>

#include "image_writer/image_writer.h"
#include "module/exclusive.h"
#include "module/image.h"
#include "test_image.h"

namespace veka {
namespace {

using test::TImageFixture;

TEST(ImageConstruction, PartDefaultsFollowPortPartAndModuleType) {
    TImageFixture f(mtSC88Pro);
    for (int port = 0; port < kPortCount; ++port) {
        EXPECT_EQ(f->Part(port, 10, ppRhythm).Value, 1);
        EXPECT_EQ(f->Part(port, 9, ppRhythm).Value, 0);
        EXPECT_EQ(f->Part(port, 10, ppRxChannel).Value, 9);
        EXPECT_EQ(f->Part(port, 16, ppRxChannel).Value, 15);
        EXPECT_EQ(f->Part(port, 1, ppRxPort).Default, port);
        const TOneParameter& map = f->Part(port, 5, ppToneMap);
        EXPECT_EQ(map.Min, 1);
        EXPECT_EQ(map.Max, 3);
        EXPECT_EQ(map.Value, 3);
    }
    EXPECT_EQ(f->Part(0, 1, 23).ProOnly, 2);
    EXPECT_EQ(f->Part(0, 1, 24).ProOnly, 2);
    EXPECT_EQ(f->Part(0, 1, 22).ProOnly, 1);
    EXPECT_EQ(f->System(35).ProOnly, 1);
    EXPECT_EQ(f->System(36).ProOnly, 2);
    EXPECT_EQ(f->System(64).ProOnly, 2);
    const TOneParameter& coarse = f->Part(0, 1, ppMasterCoarseTuning);
    EXPECT_EQ(coarse.Address.Length, 1);
    EXPECT_EQ(coarse.Size, 0);
}

TEST(ImageConstruction, ControllerBlocksAndSystemTable) {
    TImageFixture f;
    const TOneParameter& bendRate = f->Part(0, 10, 45 + 11 + 3);
    EXPECT_EQ(bendRate.Name, "Bend LFO1 Rate");
    EXPECT_EQ(bendRate.Address.Bytes, (std::array<uint8_t, 3>{0x40, 0x20, 0x13}));
    const TOneParameter& bendPitch = f->Part(0, 1, ppBendPitchControl);
    EXPECT_EQ(bendPitch.Name, "Bend Pitch Control");
    EXPECT_EQ(bendPitch.Min, 64);
    EXPECT_EQ(bendPitch.Default, 66);
    EXPECT_EQ(f->Part(0, 1, 45).Name, "MOD Pitch Control");
    EXPECT_EQ(f->Part(0, 1, 45).Min, 40);
    EXPECT_EQ(f->Part(0, 1, 49).Default, 10);   // MOD LFO1 Pitch
    EXPECT_EQ(f->Part(0, 1, 60).Default, 0);    // Bend LFO1 Pitch
    EXPECT_EQ(f->Part(0, 1, 52).Default, 64);   // MOD LFO2 Rate
    EXPECT_EQ(f->Part(0, 1, 110).Name, "CC2 LFO2 TVA Depth");
    EXPECT_EQ(f->Part(0, 1, 110).Address.Bytes, (std::array<uint8_t, 3>{0x40, 0x21, 0x5A}));
    EXPECT_EQ(f->System(11).Address.Bytes, (std::array<uint8_t, 3>{0x40, 0x01, 0x37}));
    EXPECT_EQ(f->System(56).Name, "Efx Parameter 20");
    EXPECT_EQ(f->System(56).Address.Bytes, (std::array<uint8_t, 3>{0x40, 0x03, 0x16}));
    EXPECT_EQ(f->System(1).Size, 4);
    EXPECT_EQ(f->UserDrum(1, 10, 60).Min, 1);
    EXPECT_EQ(f->UserDrum(1, 11, 60).Max, 62);
}

TEST(ImageConstruction, EveryDrumMapStartsWithThePowerOnKitAndItsPartsShareIt) {
    test::TImageFixture f;
    TVGS& image = *f;
    // The first kit of the module's own map, as the module has it at power-on: unmodified.
    const auto kit = image.Data().ReadDrumSet(4, 0);
    ASSERT_FALSE(kit.empty());
    const TDrumNoteRecord& kick = kit.front();
    for (int port : {0, 3})
        for (int map : {1, 2}) {
            EXPECT_EQ(image.Drum(port, map, 2, kick.Note).Value, kick.Values[1]);
            EXPECT_FALSE(IsModified(image.Drum(port, map, 2, kick.Note)));
            EXPECT_EQ(image.DrumSet(port, map).ToneMap, 4);
            EXPECT_TRUE(image.DrumSet(port, map).Found);
        }
    // The set on a map is the kit its first part plays, whatever the table noted.
    TImageWriter(image).Part(0, 10, ppToneNumber).Value = 16;
    EXPECT_EQ(image.DrumSetOnMap(0, 1).Program, 16);
    EXPECT_EQ(image.DrumSetOnMap(0, 2).Program, 0);
    // A part joining map 1 takes part 10's kit without a message; none joins an empty map.
    EXPECT_TRUE(image.AdoptDrumTone(0, 4, 1));
    EXPECT_EQ(image.Part(0, 4, ppToneNumber).Value, 16);
    EXPECT_FALSE(image.AdoptDrumTone(0, 4, 2));
    EXPECT_FALSE(image.AdoptDrumTone(0, 99, 1));
    EXPECT_TRUE(f.Changes.empty());
}

TEST(ImageConstruction, MissingDefaultFolderNamesTheFile) {
    const auto missing = std::filesystem::temp_directory_path() / "veka-no-such-folder";
    try {
        TVGS image(missing.string());
        FAIL() << "constructed without data";
    } catch (const EFileError& e) {
        EXPECT_NE(std::string(e.what()).find("veka-no-such-folder"), std::string::npos) << e.what();
    }
}

TEST(ImageSetOperations, CommentsAndLinks) {
    TImageFixture f;
    f->SetSystemValue(2, 100);
    f->SetPartValue(0, 1, 100, ppVolume);
    f->SetDrumValue(0, 1, 100, 2, 36);
    f->SetUserDrumValue(0, 36, 64, 1);
    f->SetPartValue(1, 3, 90, ppVolume);
    ASSERT_EQ(f.Changes.size(), 5u);
    EXPECT_EQ(f.Changes[0].Comment, "Master Volume 100");
    EXPECT_EQ(f.Changes[0].Link, (TLinkData{LinkSystem, 2, 0, 0, 0}));
    EXPECT_EQ(f.Changes[1].Comment, "A1 Volume 100");
    EXPECT_EQ(f.Changes[1].Link, (TLinkData{LinkPart, 1, ppVolume, 0, 0}));
    EXPECT_EQ(f.Changes[2].Comment, "Drum Map A1 Key36 Level 100");
    EXPECT_EQ(f.Changes[2].Link, (TLinkData{LinkDrum, 1, 36, 100, 0}));
    EXPECT_EQ(f.Changes[3].Comment, "User Drum0 Key36 Pitch 64");
    EXPECT_EQ(f.Changes[3].Link, (TLinkData{LinkUserDrum, 0, 36, 64, 0}));
    EXPECT_EQ(f.Changes[3].Port, 0);
    EXPECT_EQ(f.Changes[4].Port, 1);
    EXPECT_EQ(f.Changes[4].Comment, "B3 Volume 90");
    EXPECT_EQ(f->Part(1, 3, ppVolume).Value, 90);
    EXPECT_TRUE(IsModified(f->Part(1, 3, ppVolume)));
}

TEST(ImageSetOperations, MasterCoarseTuningAndOutOfRangeIndicesChangeNothing) {
    TImageFixture f;
    f->SetPartValue(0, 1, 70, ppMasterCoarseTuning);
    f->SetSystemValue(0, 1);
    f->SetSystemValue(65, 1);
    f->SetPartValue(4, 1, 1, ppVolume);
    f->SetPartValue(-1, 1, 1, ppVolume);
    f->SetPartValue(0, 0, 1, ppVolume);
    f->SetPartValue(0, 17, 1, ppVolume);
    f->SetPartValue(0, 1, 1, 0);
    f->SetPartValue(0, 1, 1, 112);
    f->SetDrumValue(0, 0, 1, 1, 36);
    f->SetDrumValue(0, 3, 1, 1, 36);
    f->SetDrumValue(0, 1, 1, 1, 128);
    f->SetDrumValue(0, 1, 1, 10, 36);
    f->SetUserDrumValue(2, 36, 1, 1);
    f->SetUserDrumValue(0, -1, 1, 1);
    f->SetUserDrumValue(0, 36, 1, 13);
    f->SetPartTone(4, 1, 1, 0, 4, 0);
    f->LoadDrumSet(0, 3, 0, 4);
    f->CopyPart(0, 0, 1);
    f->InitializePart(0, 17);
    EXPECT_TRUE(f.Changes.empty());
    EXPECT_EQ(f->Part(0, 1, ppMasterCoarseTuning).Value, 64);
    // Reads outside the image answer an empty record.
    EXPECT_EQ(f->Part(4, 1, 1).Name, "");
    EXPECT_EQ(f->Drum(0, 1, 1, 128).Value, 0);
    EXPECT_EQ(f->FindPartByMap(4, 1), -1);
}

TEST(ImageModuleType, ApplyModuleTypeReselectsEveryPart) {
    TImageFixture f(mtSC8850);
    f->SetModuleType(mtSC88Pro);
    f->ApplyModuleType([&](int ms) { f.Waits.push_back(ms); });
    int mapMessages = 0, toneMessages = 0;
    for (const auto& c : f.Changes) {
        if (c.Link.Index == ppToneMap) ++mapMessages;
        if (c.Link.Index == ppToneNumber) ++toneMessages;
    }
    EXPECT_EQ(mapMessages, 64);
    EXPECT_EQ(toneMessages, 64);
    EXPECT_EQ(f.Waits, std::vector<int>(64, 10));
    for (int port = 0; port < kPortCount; ++port)
        for (int part = 1; part <= kPartsPerPort; ++part) {
            const TOneParameter& p = f->Part(port, part, ppToneMap);
            EXPECT_EQ(p.Max, 3);
            EXPECT_EQ(p.Default, 3);
            EXPECT_EQ(p.Value, 3);
        }
    // Drum parts got the drum set of the new map.
    EXPECT_TRUE(f->DrumSet(0, 1).Found);
    EXPECT_NE(f->Drum(0, 1, 2, 36).Default, 0);
}

TEST(ImageLookups, NamesOfTonesAndDrumSets) {
    TImageFixture f;
    EXPECT_EQ(f->DrumSetName(1, 65), "U.DrumSet 66");
    EXPECT_EQ(f->DrumSetName(4, 64), "U.DrumSet 65");
    EXPECT_EQ(f->ToneOrDrumSetName(0, 4, true, 127 - 1), "NO DRUM SET");
    EXPECT_EQ(f->ToneOrDrumSetName(120, 1, false, 127), "NO INSTRUMENT");
    EXPECT_EQ(f->ToneName(0, 1, 0).substr(0, 7), "Piano 1");
    EXPECT_EQ(f->ToneName(0, 1, 0).size(), 12u);
    EXPECT_EQ(f->DrumSetName(2, 0).substr(0, 10), "STANDARD 1");
    // The cached note names follow the set asked for.
    const std::string sc55 = f->DrumNoteName(1, 0, 27);
    const std::string sc88 = f->DrumNoteName(2, 0, 25);
    EXPECT_EQ(sc55.substr(0, 6), "High Q");
    EXPECT_EQ(sc88.substr(0, 10), "Snare Roll");
    EXPECT_EQ(f->DrumNoteName(1, 0, 27), sc55);
    EXPECT_EQ(f->DrumNoteName(1, 0, 127), "");
    EXPECT_EQ(f->PartToneName(0, 10).substr(0, 10), "STANDARD 1");
}

TEST(ImageDrums, LoadDrumSetTakesDefaultsAndUserDrumValues) {
    TImageFixture f;
    f->LoadDrumSet(0, 1, 0, 2);  // SC-88 map STANDARD 1
    EXPECT_TRUE(f->DrumSet(0, 1).Found);
    const TOneParameter& level = f->Drum(0, 1, 2, 25);
    EXPECT_EQ(level.Default, 102);  // measured power-on value of the snare roll
    EXPECT_EQ(level.Value, 102);
    EXPECT_TRUE(f.Changes.empty());  // loading a drum set transmits nothing

    f->SetUserDrumValue(1, 40, 33, 2);
    f->LoadDrumSet(1, 2, 65, 4);
    EXPECT_TRUE(f->DrumSet(1, 2).Found);
    EXPECT_EQ(f->Drum(1, 2, 2, 40).Value, 33);
    EXPECT_EQ(f->Drum(1, 2, 2, 40).Default, f->UserDrum(1, 2, 40).Default);

    f->LoadDrumSet(0, 2, 120, 4);
    EXPECT_FALSE(f->DrumSet(0, 2).Found);

    // A user drum file read afterwards is copied into maps naming its program.
    f->DrumSet(1, 2).Program = 65;
    TImageWriter(*f).UserDrum(1, 3, 41).Value = 5;
    f->CopyUserDrumsIntoMaps();
    EXPECT_EQ(f->Drum(1, 2, 3, 41).Value, 5);
    EXPECT_NE(f->Drum(0, 1, 3, 41).Value, 5);
}

TEST(ImageDrums, SetPartToneSendsInOrderAndSharesDrumSets) {
    TImageFixture f;
    f->SetPartTone(0, 3, 2, 25, 4, 0);  // part A3 becomes drum map 2, TR-808
    ASSERT_EQ(f.Changes.size(), 3u);
    EXPECT_EQ(f.Changes[0].Link.Index, ppRhythm);
    EXPECT_EQ(f.Changes[1].Link.Index, ppToneMap);
    EXPECT_EQ(f.Changes[2].Link.Index, ppToneNumber);
    EXPECT_EQ(f->Part(0, 3, ppToneNumber).Value, 25);
    EXPECT_TRUE(f->DrumSet(0, 2).Found);
    f.Changes.clear();
    f->SetPartTone(0, 3, 2, 26, 4, 0);  // already in drum map 2: no rhythm message
    EXPECT_EQ(f.Changes.size(), 2u);

    TImageWriter(*f).Part(0, 5, ppRhythm).Value = 2;
    f->ShareDrumTone(0, 3, 2);
    EXPECT_EQ(f->Part(0, 5, ppToneNumber).Value, 26);
    EXPECT_EQ(f->Part(0, 10, ppToneNumber).Value, 0);  // map 1 is not shared
    EXPECT_EQ(f->FindPartByMap(0, 2), 3);
    EXPECT_EQ(f->FindDrumPartByProgram(0, 26), 3);
    EXPECT_EQ(f->FindDrumPartByProgram(0, 0), 10);
    EXPECT_EQ(f->FindDrumPartByProgram(0, 99), -1);
}

TEST(ImageEffects, ApplyMacroSetsDefaultsThenTheMacro) {
    TImageFixture f;
    f->ApplyMacro(1, 3);
    ASSERT_EQ(f.Changes.size(), 9u);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(f.Changes[i].Link.Owner, 13 + i);
        EXPECT_EQ(f->System(13 + i).Default, f->System(13 + i).Value);
    }
    EXPECT_EQ(f.Changes[8].Link.Owner, spChorusMacro);
    EXPECT_EQ(f->System(spChorusMacro).Value, 3);
    const auto rec = f->Data().ReadMacro(1, 3);
    ASSERT_TRUE(rec);
    EXPECT_EQ(f->System(14).Default, rec->Values[1]);
    // A macro without a record sends only the macro itself.
    f.Changes.clear();
    f->ApplyMacro(0, 99);
    ASSERT_EQ(f.Changes.size(), 1u);
    EXPECT_EQ(f.Changes[0].Link.Owner, spReverbMacro);
}

TEST(ImageEffects, InsertionTypeDefaults) {
    TImageFixture f;
    TImageWriter(*f).System(57).Value = 100;
    f->ApplySystemSideEffects(spEfxType, 1 * 128 + 0);  // Stereo-EQ
    ASSERT_FALSE(f->InsertionParameters().empty());
    EXPECT_EQ(f->InsertionParameters().size(), f->InsertionTexts().size());
    EXPECT_EQ(f->System(spEfxType).Value, 128);
    const auto& first = f->InsertionParameters().front();
    const TOneParameter& p = f->System(first.Slot + 36);
    EXPECT_EQ(p.Min, first.Min);
    EXPECT_EQ(p.Max, first.Max);
    EXPECT_EQ(p.Value, first.Default);
    EXPECT_EQ(f->System(57).Value, f->System(57).Default);
    ASSERT_EQ(f.Changes.size(), 1u);  // only the type is transmitted
    f->LoadInsertionType(0, 0);
    EXPECT_TRUE(f->InsertionParameters().empty());
}

TEST(ImagePartOperations, CopyExchangeInitialiseKeepPortAndChannel) {
    TImageFixture f;
    TImageWriter(*f).Part(0, 1, ppVolume).Value = 10;
    TImageWriter(*f).Part(0, 1, ppToneNumber).Value = 5;
    f->CopyPart(0, 1, 2);
    EXPECT_EQ(f->Part(0, 2, ppVolume).Value, 10);
    EXPECT_EQ(f->Part(0, 2, ppToneNumber).Value, 5);
    EXPECT_EQ(f->Part(0, 2, ppRxChannel).Value, 1);
    TImageWriter(*f).Part(0, 10, ppPanpot).Value = 0;
    f->ExchangePart(0, 2, 10);
    EXPECT_EQ(f->Part(0, 10, ppVolume).Value, 10);
    EXPECT_EQ(f->Part(0, 2, ppPanpot).Value, 0);
    EXPECT_EQ(f->Part(0, 2, ppRhythm).Value, 1);
    EXPECT_EQ(f->Part(0, 10, ppRxChannel).Value, 9);
    TImageWriter(*f).Part(0, 10, ppRxChannel).Value = 3;
    f->InitializePart(0, 10);
    EXPECT_EQ(f->Part(0, 10, ppRxChannel).Value, 9);
    EXPECT_EQ(f->Part(0, 10, ppVolume).Value, 100);
    EXPECT_TRUE(f.Changes.empty());
}

TEST(ImageNames, PartAndMapNumbering) {
    int port = -1, part = -1;
    EXPECT_TRUE(GlobalPartToPortPart(17, port, part));
    EXPECT_EQ(port, 1);
    EXPECT_EQ(part, 1);
    EXPECT_TRUE(GlobalPartToPortPart(64, port, part));
    EXPECT_EQ(PartName(port, part), "D16");
    EXPECT_FALSE(GlobalPartToPortPart(0, port, part));
    EXPECT_FALSE(GlobalPartToPortPart(65, port, part));
    int map = 0;
    EXPECT_TRUE(GlobalMapToPortMap(1, port, map));
    EXPECT_EQ(DrumMapName(port, map), "A1");
    EXPECT_TRUE(GlobalMapToPortMap(4, port, map));
    EXPECT_EQ(DrumMapName(port, map), "B2");
    EXPECT_FALSE(GlobalMapToPortMap(9, port, map));
    EXPECT_TRUE(ParsePartName("b10", port, part));
    EXPECT_EQ(GlobalPartNumber(port, part), 26);
    EXPECT_FALSE(ParsePartName("A17", port, part));
    EXPECT_FALSE(ParsePartName("A0", port, part));
    EXPECT_FALSE(ParsePartName("E1", port, part));
    EXPECT_FALSE(ParsePartName("A3", port, part, kDrumMapsPerPort));
}

}  // namespace
}  // namespace veka
