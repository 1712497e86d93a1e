// A long randomised session against the virtual module: edits of system, part and drum values, undo and
// redo, the part commands, saves and opens, New, recovery writes and Send All, and the module's
// interface pulled out and plugged in again, in an order a seeded generator picks. At the end the module holds exactly what the image holds, and what
// the program keeps of its past (undo steps, the message history) stayed within its bounds.
// VEKA_SOAK_STEPS sets the length (a few hundred steps in the suite; run it by hand with
// 100000 for the long form), VEKA_SOAK_SEED the seed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "document/document_fixture.h"
#include "document/open_commands.h"
#include "document/part_commands.h"
#include "document/port_return.h"
#include "document/save_commands.h"
#include "document/send_commands.h"
#include "midi/module_compare.h"

namespace veka {
namespace {

struct TQuietView : IOpenView {
    void BringToFront() override {}
    void Reading(const std::string&, bool) override {}
    void Sending(const std::string&) override {}
    std::string SetupOpened(const std::string&) override { return {}; }
    void CustomFileRead(const std::string&, const std::vector<TSetupRecord>&) override {}
};

int EnvironmentNumber(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::atoi(text) : fallback;
}

class SoakTest : public test::TDocumentFixture {
protected:
    std::mt19937 Random{unsigned(EnvironmentNumber("VEKA_SOAK_SEED", 20261209))};
    TQuietView View;
    int CaughtUp = 0;  // times the module had missed something when its port came back
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(Random); }
    int32_t ValueFor(const TOneParameter& p) { return std::uniform_int_distribution<int32_t>(p.Min, p.Max)(Random); }

    // Values whose change the module answers with changes of its own (effect macros and
    // types, the drum part mode and tone map) are left to the tests of those: the virtual
    // module keeps its memory as it is told. So are the user drum sets: File > New leaves the
    // image's sets as they are, while the virtual module's reset clears them (which one a
    // module does is not settled), so after a New or an open they part ways by design.
    void EditSomething() {
        TVGS& image = Doc->Image();
        switch (Pick(0, 2)) {
            case 0: {
                int n = 0;
                do n = Pick(1, kSystemParameterCount);
                while (n == spReverbMacro || n == spChorusMacro || n == spDelayMacro || n == spEfxType);
                image.SetSystemValue(n, ValueFor(image.System(n)));
                break;
            }
            case 1: {
                const int part = Pick(1, kPartsPerPort);
                int n = 0;
                do n = Pick(1, kPartParameterCount);
                while (n == ppRxPort || n == ppRhythm || n == ppToneMap || n == ppMasterCoarseTuning);
                image.SetPartValue(0, part, ValueFor(image.Part(0, part, n)), n);
                break;
            }
            default: {
                const int map = Pick(1, kDrumMapsPerPort), note = Pick(27, 87), n = Pick(1, kDrumParameterCount);
                image.SetDrumValue(0, map, ValueFor(image.Drum(0, map, n, note)), n, note);
                break;
            }
        }
    }

    // The interface plugged in again: the port is found back and the module is caught up, by
    // the values that differ or by Send All.
    void PlugBackAndCatchUp() {
        Module->Plug(0);
        Doc->Session().LookAtPorts();
        if (Doc->Transmitter().Loss.AnyLost()) ++CaughtUp;
        Prompts.Choices = {Doc->Transmitter().Loss.Cut() ? 0 : Pick(0, 1)};
        OfferWhatWasMissed(Doc->Transmitter(), 0, Prompts, Frame);
        ASSERT_FALSE(Doc->Transmitter().Loss.AnyLost());
        ASSERT_FALSE(Doc->Transmitter().PortGone(0));
    }
};

TEST_F(SoakTest, AfterALongRandomSessionTheModuleHoldsTheImageAndThePastStaysBounded) {
    const int steps = EnvironmentNumber("VEKA_SOAK_STEPS", 400);
    TMidiInput& input = Doc->Session().Input;
    input.SetProductName(TVirtualModule::InputName());
    input.Open();
    input.Start();
    Clock.Process = [this] { Doc->Session().Process(); };  // replies are handled in the waits
    const std::string setup = Dir / "soak.ga4", part = Dir / "soak.1pg";
    int opened = 0, saved = 0, undone = 0, unplugs = 0;
    bool unplugged = false;
    for (int step = 0; step < steps; ++step) {
        // Now and then the interface is pulled out, and plugged in again some steps later.
        if (!unplugged && Pick(0, 99) < 2) {
            Module->Unplug(0);
            unplugged = true;
            ++unplugs;
        } else if (unplugged && Pick(0, 9) == 0) {
            unplugged = false;
            PlugBackAndCatchUp();
        }
        // What a command says about the port gone is expected meanwhile.
        const size_t warned = Prompts.Warnings.size();
        const int what = Pick(0, 99);
        if (what < 55) {
            EditSomething();
        } else if (what < 67) {
            if (Doc->UndoHistory().CanUndo()) ++undone;
            Doc->Undo(Prompts);
        } else if (what < 73) {
            Doc->Redo(Prompts);
        } else if (what < 78) {
            const int a = Pick(1, kPartsPerPort), b = Pick(1, kPartsPerPort);
            Prompts.Answers = {std::make_pair(a, b)};
            RunPartCommand(TPartCommand(Pick(1, 3)), Doc->Image(), Doc->Transmitter(), Doc->Session().Focus, Prompts, Frame);
        } else if (what < 83) {
            Prompts.FileNames = {setup};
            if (SaveAllDataCommand(*Doc, Prompts, Frame)) ++saved;
        } else if (what < 86) {
            Prompts.Choices = {Pick(0, kPartsPerPort - 1)};
            Prompts.Confirmations = {Pick(0, 1) == 1};
            Prompts.FileNames = {part};
            SaveObjectCommand(*Doc, TSetupFileKind::OnePart, Prompts, Frame);
        } else if (what < 90) {
            const std::string& file = Pick(0, 1) || !std::filesystem::exists(part) ? setup : part;
            if (!std::filesystem::exists(file)) continue;
            Prompts.SaveAnswers = {TSaveChanges::Discard};
            Prompts.Choices = {Pick(0, kPartsPerPort - 1), Pick(0, kDrumMapsPerPort - 1)};  // the part, its map
            if (OpenSetupFile(*Doc, file, TOpenWay::ByName, true, Prompts, Frame, View).Sent) ++opened;
        } else if (what < 92) {
            Doc->New(true, Prompts);
        } else if (what < 97) {
            Doc->WriteRecoveryNow();
        } else {
            RunSendAll(Doc->Transmitter(), Pick(0, 1) == 1, Prompts, Frame);
        }
        if (unplugged) Prompts.Warnings.resize(warned);
        // Questions left unasked by a command that stopped early are not carried over.
        Prompts.Answers.clear();
        Prompts.Choices.clear();
        Prompts.Confirmations.clear();
        Prompts.FileNames.clear();
        Prompts.SaveAnswers.clear();
        Timers.Run(Pick(0, 1) ? 10 : 1000);  // edits settle into steps, or run together
        Module->ClearReceived();
        ASSERT_LE(Doc->UndoHistory().Bytes(), Doc->UndoHistory().ByteLimit());
        ASSERT_LE(Doc->Transmitter().History.Entries().size(), THistory::kMaxEntries);
    }
    if (unplugged) PlugBackAndCatchUp();
    EXPECT_TRUE(Prompts.Warnings.empty()) << Prompts.Warnings.front();
    EXPECT_GT(unplugs, steps / 200);
    EXPECT_GT(CaughtUp, steps / 400);
    // The run did what it is for.
    EXPECT_GT(undone, steps / 20);
    EXPECT_GT(saved, 0);
    EXPECT_GT(opened, 0);

    TRequestSelection everything{};
    for (TRequestItem item : {riPartsA, riMap1A, riMap2A, riUserDrum65, riUserDrum66, riReverb, riChorus, riDelay, riEq,
                              riInsertion, riMaster})
        everything[item] = true;
    const TModuleComparison comparison =
        CompareWithModule(Doc->Session().Request, Doc->Image(), VEKA_TEST_DEFAULT_DIR, everything);
    EXPECT_TRUE(comparison.Unread.empty()) << comparison.Unread.size() << " values unanswered";
    for (const TSetupDifference& difference : comparison.Differences)
        ADD_FAILURE() << "the module differs from the image: " << difference.Where << " " << difference.Name << ": " << difference.First
                      << " in the image, " << difference.Second << " in the module";
}

}  // namespace
}  // namespace veka
