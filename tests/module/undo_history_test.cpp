// Undo and redo of the image: each kind of step restores the image exactly (the whole image
// compared), the steps' titles, the redo list, the bound, and what a step sends.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <utility>

#include "image_writer/image_writer.h"
#include "module/difference_list.h"
#include "module/image_snapshot.h"
#include "module/setup_file.h"
#include "module/setup_reader.h"
#include "module/undo_history.h"
#include "temp_dir.h"
#include "test_image.h"

namespace veka {
namespace {

using test::TImageFixture;
using test::TTempDir;

bool SameImage(const TVGS& image, const TImageSnapshot& s) {
    const TImageSnapshot now = TImageSnapshot::Capture(image);
    if (now.States != s.States || now.ModuleType != s.ModuleType) return false;
    for (size_t i = 0; i < s.DrumSets.size(); ++i)
        if (now.DrumSets[i].Program != s.DrumSets[i].Program || now.DrumSets[i].ToneMap != s.DrumSets[i].ToneMap ||
            now.DrumSets[i].Found != s.DrumSets[i].Found)
            return false;
    return true;
}

// Each step below is committed, undone (the image as before, exactly) and redone (the image
// as after, exactly).
void ExpectRoundTrip(TVGS& image, TUndoHistory& history, const std::function<void()>& step, const char* what) {
    SCOPED_TRACE(what);
    const TImageSnapshot before = TImageSnapshot::Capture(image);
    step();
    const TImageSnapshot after = TImageSnapshot::Capture(image);
    ASSERT_TRUE(history.Commit(image, what));
    ASSERT_NE(history.Undo(image), nullptr);
    EXPECT_TRUE(SameImage(image, before));
    ASSERT_NE(history.Redo(image), nullptr);
    EXPECT_TRUE(SameImage(image, after));
    EXPECT_FALSE(history.Commit(image));  // redo left nothing pending
}

TEST(UndoHistory, EveryKindOfStepRestoresTheWholeImage) {
    TImageFixture f;
    f->MaxPart = 2;
    TUndoHistory history(*f);
    TVGS& image = *f;
    ExpectRoundTrip(image, history, [&] { image.SetPartValue(1, 3, 90, ppVolume); }, "typed value");
    ExpectRoundTrip(image, history, [&] { image.SetPartTone(0, 10, 1, 25, 3, 0); }, "drum set from the browser");
    ExpectRoundTrip(image, history, [&] { image.SetPartTone(2, 4, 0, 5, 2, 8); }, "tone from the browser");
    ExpectRoundTrip(image, history, [&] { image.ApplyMacro(0, 5); image.SetSystemValue(spReverbMacro, 5); }, "macro");
    ExpectRoundTrip(image, history, [&] { image.ApplySystemSideEffects(spEfxType, 0x0110); }, "insertion type");
    ExpectRoundTrip(image, history, [&] { image.CopyPart(0, 10, 2); }, "part copy");
    ExpectRoundTrip(image, history, [&] { image.ExchangePart(1, 3, 4); }, "exchange");
    ExpectRoundTrip(image, history, [&] { image.InitializePart(1, 4); }, "initialise");
    ExpectRoundTrip(image, history, [&] { image.SetDrumValue(3, 2, 70, 2, 36); }, "drum map");
    ExpectRoundTrip(image, history, [&] { image.SetUserDrumValue(1, 40, 9, 11); }, "user drum");
    ExpectRoundTrip(image, history, [&] { image.StoreControllerValue(0, 1, ppPanpot, 20); }, "ribbon");
    ExpectRoundTrip(image, history, [&] { TImageWriter(image).Part(3, 16, 40).Value = 70; }, "data request");
    // A file read (every section), then the whole history back to the power-on image.
    TTempDir dir;
    {
        TImageFixture other;
        other->MaxPart = 2;
        other->SetPartValue(2, 7, 33, ppPanpot);
        other->SetPartTone(1, 2, 2, 48, 3, 0);
        other->SetSystemValue(2, 80);
        ASSERT_TRUE(WriteWholeSetupFile(*other, dir / "x.ga4").Ok());
    }
    ExpectRoundTrip(image, history, [&] {
        TFixedSetupFileHost host;
        ASSERT_TRUE(ReadSetupFile(image, host, 0, dir / "x.ga4").Ok());
    }, "file read");
    EXPECT_EQ(history.Depth(), 13u);
    TImageFixture fresh;
    while (history.Undo(image)) {}
    EXPECT_TRUE(SameImage(image, TImageSnapshot::Capture(*fresh)));
    EXPECT_EQ(history.RedoDepth(), 13u);
    // The insertion type's parameter kinds came back with it.
    EXPECT_EQ(image.InsertionParameters().size(), fresh->InsertionParameters().size());
}

TEST(UndoHistory, TitlesRedoListAndPendingChanges) {
    TImageFixture f;
    TUndoHistory history(*f);
    EXPECT_EQ(history.Undo(*f), nullptr);
    EXPECT_FALSE(history.Commit(*f));  // nothing changed: no step
    f->SetPartValue(1, 3, 90, ppVolume);
    history.Commit(*f);
    EXPECT_EQ(UndoStepTitle(*history.NextUndo(), TLanguage::English), "Volume of B3");
    EXPECT_EQ(UndoStepTitle(*history.NextUndo(), TLanguage::Japanese), "B3 の Volume");
    f->SetPartTone(0, 1, 0, 5, 2, 8);
    history.Commit(*f);
    EXPECT_EQ(UndoStepTitle(*history.NextUndo(), TLanguage::English), "2 values of A1");  // tone map and tone; the rhythm mode stayed
    f->SetSystemValue(2, 10);
    f->SetPartValue(0, 2, 10, ppVolume);
    history.Commit(*f);
    EXPECT_EQ(UndoStepTitle(*history.NextUndo(), TLanguage::Japanese), "2 個の値");
    f->SetDrumValue(0, 1, 20, 3, 40);
    history.Commit(*f, "Open");
    EXPECT_EQ(UndoStepTitle(*history.NextUndo(), TLanguage::English), "Open");

    // Undo takes a change not yet committed as its own step first.
    f->SetPartValue(0, 5, 11, ppPanpot);
    const TUndoStep* undone = history.Undo(*f);
    ASSERT_NE(undone, nullptr);
    EXPECT_EQ(UndoStepTitle(*undone, TLanguage::English), "Panpot of A5");
    EXPECT_EQ(f->Part(0, 5, ppPanpot).Value, 64);
    EXPECT_EQ(f->Drum(0, 1, 3, 40).Value, 20);
    // A new change ends the redo list; redo then has nothing to do.
    history.Undo(*f);
    EXPECT_EQ(history.RedoDepth(), 2u);
    f->SetPartValue(0, 6, 1, ppVolume);
    EXPECT_EQ(history.Redo(*f), nullptr);
    EXPECT_EQ(history.RedoDepth(), 0u);
    EXPECT_EQ(f->Part(0, 6, ppVolume).Value, 1);
    history.Clear();
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.Bytes(), 0u);
}

TEST(UndoHistory, TheBoundDropsTheOldestStepsButNeverTheNewest) {
    TImageFixture f;
    TUndoHistory history(*f, 4000);
    for (int i = 0; i < 20; ++i) {
        f->SetPartValue(0, 1, i, ppVolume);
        history.Commit(*f);
    }
    EXPECT_LE(history.Bytes(), 4000u);
    EXPECT_LT(history.Depth(), 20u);
    EXPECT_GT(history.Depth(), 1u);
    for (int note = 0; note < kNoteCount; ++note) f->SetDrumValue(0, 1, 5, 3, note);
    history.Commit(*f);
    EXPECT_EQ(history.Depth(), 1u);  // larger than the bound alone: kept
    EXPECT_NE(history.Undo(*f), nullptr);
}

TEST(UndoHistory, ParametersToSendFollowTheModulesOwnLoading) {
    TImageFixture f;
    TUndoHistory history(*f);
    // A drum set chosen: the tone goes last; the drum notes the module loads itself go only
    // where the image holds something else than the set's default.
    f->SetPartValue(0, 2, 50, ppVolume);
    f->SetPartTone(0, 2, 1, 25, 3, 0);
    TImageWriter(*f).Drum(0, 1, 3, 40).Value = f->Drum(0, 1, 3, 40).Default + 1;
    history.Commit(*f);
    const TUndoStep& step = *history.NextUndo();
    const std::vector<int> redo = ParametersToSend(step, false);
    auto place = [](int index) { return PlaceOfIndex(index); };
    ASSERT_GE(redo.size(), 4u);
    EXPECT_EQ(place(redo[0]).Link, (TLinkData{LinkPart, 2, ppVolume, 0, 0}));
    EXPECT_EQ(place(redo[1]).Link.Index, ppRhythm);
    EXPECT_EQ(place(redo[2]).Link.Index, ppToneMap);
    EXPECT_EQ(place(redo[3]).Link.Index, ppToneNumber);
    ASSERT_EQ(redo.size(), 5u);
    EXPECT_EQ(place(redo[4]).Link, (TLinkData{LinkDrum, 1, 40, 3, 0}));
    // Back: the part's own values with its tone last, then the note edited after the set came.
    const std::vector<int> undo = ParametersToSend(step, true);
    ASSERT_EQ(undo.size(), 5u);
    EXPECT_EQ(place(undo[3]).Link.Index, ppToneNumber);
    EXPECT_EQ(place(undo[4]).Link, (TLinkData{LinkDrum, 1, 40, 3, 0}));

    // Twelve scale tuning steps of one part: one message.
    for (int n = ppScaleTuningC; n <= ppScaleTuningB; ++n) f->SetPartValue(1, 5, 70, n);
    history.Commit(*f);
    const std::vector<int> scale = ParametersToSend(*history.NextUndo(), true);
    ASSERT_EQ(scale.size(), 1u);
    EXPECT_EQ(place(scale[0]).Link, (TLinkData{LinkPart, 5, ppScaleTuningC, 0, 0}));
    EXPECT_EQ(place(scale[0]).Port, 1);
}

TEST(ImageSnapshot, FlatIndicesAndPlacesNameTheSameParameters) {
    TImageFixture f;
    for (int index = 0; index < kFlatParameterCount; ++index) {
        const TParameterPlace p = PlaceOfIndex(index);
        ASSERT_EQ(IndexOfPlace(p.Port, p.Link), index);
    }
    EXPECT_EQ(&RecordAt(*f, IndexOfPlace(2, TLinkData{LinkDrum, 2, 127, 9, 0})), &f->Drum(2, 2, 9, 127));
    EXPECT_EQ(&RecordAt(*f, IndexOfPlace(0, TLinkData{LinkUserDrum, 1, 0, 12, 0})), &f->UserDrum(1, 12, 0));
    EXPECT_EQ(IndexOfPlace(4, TLinkData{LinkPart, 1, 1, 0, 0}), -1);
    EXPECT_EQ(IndexOfPlace(0, TLinkData{LinkPart, 1, 112, 0, 0}), -1);
    EXPECT_EQ(IndexOfPlace(0, TLinkData{LinkSystem, 0, 0, 0, 0}), -1);
    // The walk meets every parameter once, each at its own index.
    std::set<const TOneParameter*> records;
    int mismatches = 0;
    ForEachParameter(std::as_const(*f), [&](int index, const TOneParameter& p) {
        records.insert(&p);
        if (&p != &RecordAt(std::as_const(*f), index)) ++mismatches;
    });
    EXPECT_EQ(records.size(), size_t(kFlatParameterCount));
    EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace veka

namespace veka {
namespace {

TEST(UndoHistory, RepeatedEditsOfOneParameterMergeIntoOneStep) {
    test::TImageFixture f;
    TUndoHistory history(*f);
    for (int v = 101; v <= 110; ++v) {
        f->SetPartValue(0, 1, v, ppVolume);
        history.Commit(*f, {}, true);
    }
    EXPECT_EQ(history.Depth(), 1u);
    f->SetPartValue(0, 1, 50, ppPanpot);  // another parameter: a step of its own
    history.Commit(*f, {}, true);
    EXPECT_EQ(history.Depth(), 2u);
    history.Undo(*f);
    history.Undo(*f);
    EXPECT_EQ(f->Part(0, 1, ppVolume).Value, 100);
    history.Redo(*f);
    EXPECT_EQ(f->Part(0, 1, ppVolume).Value, 110);
    // Back where it started: the merged step goes.
    f->SetPartValue(0, 1, 100, ppVolume);
    history.Commit(*f, {}, true);
    EXPECT_EQ(history.Depth(), 0u);
    // A command is never extended.
    f->SetPartValue(0, 1, 90, ppVolume);
    history.Commit(*f, "Open", true);
    f->SetPartValue(0, 1, 80, ppVolume);
    history.Commit(*f, {}, true);
    EXPECT_EQ(history.Depth(), 2u);
}

}  // namespace
}  // namespace veka
