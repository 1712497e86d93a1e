// Every kind of save, stopped at each step of its writes: by a failure (a full disk, a lost
// device) or by a crash there. The file it replaces is whole afterwards, or the new one is; a
// failure is reported, and a full disk says so.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "document/document_fixture.h"
#include "document/layout_file.h"
#include "document/part_order.h"
#include "document/recovery_file.h"
#include "document/save_commands.h"
#include "document/sequencer_link.h"
#include "document/settings.h"
#include "module/difference_list.h"
#include "module/display_data.h"
#include "module/safe_file.h"
#include "module/setup_file.h"
#include "smf/order_file.h"
#include "smf/setup_commands.h"
#include "smf/smf.h"

namespace veka {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Files beside the target that a replacing write left behind.
int TemporaryFiles(const fs::path& folder) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename().string().find(".tmp") != std::string::npos) ++count;
    return count;
}

void RemoveTemporaryFiles(const fs::path& folder) {
    std::vector<fs::path> left;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename().string().find(".tmp") != std::string::npos) left.push_back(entry.path());
    for (const fs::path& path : left) fs::remove(path);
}

class CrashSafeSavesTest : public test::TDocumentFixture {
protected:
    void TearDown() override {
        SetReplaceFault(nullptr);
        test::TDocumentFixture::TearDown();
    }
    // save writes the file at path and returns its error text (empty: done). It runs once
    // without a fault, then once per step with that step failing, then once per step with a
    // crash there; before each run path holds the user's older file.
    void EveryStep(const std::string& kind, const std::string& path, const std::function<std::string()>& save) {
        SCOPED_TRACE(kind);
        const std::vector<uint8_t> old = {'t', 'h', 'e', ' ', 'o', 'l', 'd', ' ', 'f', 'i', 'l', 'e', '\n'};
        const auto writeOld = [&] {
            std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(old.data()), std::streamsize(old.size()));
        };
        const fs::path folder = fs::path(path).parent_path();
        writeOld();
        std::vector<TReplaceStep> steps;
        SetReplaceFault([&steps](TReplaceStep step) {
            steps.push_back(step);
            return 0;
        });
        ASSERT_EQ(save(), "");
        SetReplaceFault(nullptr);
        const std::vector<uint8_t> fresh = FileBytes(path);
        ASSERT_NE(fresh, old);
        // The bytes and the folder reach the disk before the save counts as done.
        const auto rename = std::find(steps.begin(), steps.end(), TReplaceStep::Rename);
        ASSERT_NE(rename, steps.end());
        EXPECT_NE(std::find(steps.begin(), rename, TReplaceStep::Sync), rename) << "the file is renamed before it is synced";
        EXPECT_NE(std::find(rename, steps.end(), TReplaceStep::SyncFolder), steps.end()) << "the folder is not synced";
        const size_t firstRename = size_t(rename - steps.begin());

        for (const int fault : {ENOSPC, kReplaceCrash}) {
            for (size_t at = 0; at < steps.size(); ++at) {
                SCOPED_TRACE((fault == kReplaceCrash ? "a crash at step " : "a full disk at step ") + std::to_string(at));
                writeOld();
                size_t seen = 0;
                SetReplaceFault([&seen, at, fault](TReplaceStep) { return seen++ == at ? fault : 0; });
                const std::string error = save();
                SetReplaceFault(nullptr);
                const std::vector<uint8_t> now = FileBytes(path);
                EXPECT_TRUE(now == old || now == fresh) << "a file that is neither the old nor the new one";
                if (at < firstRename) {
                    EXPECT_EQ(now, old);
                }
                if (fault == kReplaceCrash) {
                    RemoveTemporaryFiles(folder);
                    continue;
                }
                EXPECT_NE(error, "") << "a failed write was reported as done";
                EXPECT_EQ(TemporaryFiles(folder), 0) << "a failed write left its new file behind";
                if (steps[at] == TReplaceStep::Write) {
                    EXPECT_NE(error.find(std::strerror(ENOSPC)), std::string::npos) << error;
                }
            }
        }
        // And after all that, a save that runs through writes the new file.
        writeOld();
        EXPECT_EQ(save(), "");
        EXPECT_EQ(FileBytes(path), fresh);
    }
    TVGS& Image() { return Doc->Image(); }
};

TEST_F(CrashSafeSavesTest, SetupFilesOfEveryKindAndEffectPresets) {
    TVGS& image = Image();
    image.SetSystemValue(2, 90);
    image.SetPartValue(0, 3, 44, ppVolume);
    image.SetDrumValue(0, 1, 100, 2, 38);
    image.SetUserDrumValue(1, 60, 70, 1);
    image.SetSystemValue(6, 3);  // a reverb value
    const auto write = [&](TDifferenceList& list, const std::string& path) {
        return WriteSetupFile(image, list, path).Text(TLanguage::English);
    };
    EveryStep("whole setup", Dir / "song.ga4", [&] { return WriteWholeSetupFile(image, Dir / "song.ga4").Text(TLanguage::English); });
    EveryStep("one part", Dir / "part.1pg", [&] {
        TDifferenceList list;
        CollectOnePartFile(image, list, 0, 3, false);
        return write(list, Dir / "part.1pg");
    });
    EveryStep("one drum map", Dir / "map.1dg", [&] {
        TDifferenceList list;
        CollectDrumMap(image, list, 0, 1, true);
        return write(list, Dir / "map.1dg");
    });
    EveryStep("one user drum set", Dir / "set.1ug", [&] {
        TDifferenceList list;
        CollectUserDrumSet(image, list, 0);
        return write(list, Dir / "set.1ug");
    });
    EveryStep("custom file", Dir / "live.cst", [&] {
        TDifferenceList list;
        TCustomSelection selection;
        selection.Groups[int(TSystemGroup::Master)] = true;
        selection.GlobalParts = {3};
        CollectCustomFile(image, list, selection);
        return write(list, Dir / "live.cst");
    });
    EveryStep("reverb preset", Dir / "hall.rev",
              [&] { return WriteEffectPreset(image, TSystemGroup::Reverb, Dir / "hall.rev").Text(TLanguage::English); });
}

TEST_F(CrashSafeSavesTest, SongsExclusiveFilesAndDisplayPresets) {
    TVGS& image = Image();
    image.SetPartValue(0, 3, 44, ppVolume);
    EveryStep("song", Dir / "setup.mid", [&] {
        TSMF smf;
        std::string error;
        TSmfWriteOptions options;
        options.Format = 1;
        ExportSmf(image, smf, DefaultOrderList(), Dir / "setup.mid", options, "notice", error);
        return error;
    });
    EveryStep("exclusive file", Dir / "part.syx", [&] {
        Prompts.Choices = {2};
        Prompts.FileNames = {Dir / "part.syx"};
        const size_t warned = Prompts.Warnings.size();
        if (ExportSysxCommand(*Doc, TExportKind::Part, Prompts, Frame)) return std::string();
        return Prompts.Warnings.size() > warned ? Prompts.Warnings.back() : std::string("not written");
    });
    TDisplayPreset preset;
    preset.Text = "Hello";
    preset.Dots.Dot[3][4] = 1;
    EveryStep("display preset", Dir / "hello.dsp", [&] {
        std::string error;
        WriteDisplayPreset(Dir / "hello.dsp", preset, error);
        return error;
    });
}

TEST_F(CrashSafeSavesTest, TheProgramsOwnFiles) {
    TVGS& image = Image();
    image.SetPartValue(0, 3, 44, ppVolume);
    EveryStep("settings file", Dir / "Veka.ini", [&] {
        TSettings settings(Dir / "Veka.ini");
        TSettingsData data;
        data.MainWidth = 800;
        std::string error;
        SaveBulk(settings, data, TBulkContext{}, error);
        return error;
    });
    EveryStep("recovery file", Dir / "Veka.recovery", [&] {
        std::string error;
        WriteRecoveryFile(image, Dir / "Veka.recovery", TRecoveryInfo{}, error);
        return error;
    });
    EveryStep("setup order", Dir / "mine.scd", [&] {
        std::string error;
        WriteOrderFile(DefaultOrderList(), Dir / "mine.scd", error);
        return error;
    });
    EveryStep("part column order", PartOrderFileName(Dir.Path.string(), 0), [&] {
        TSettings settings(Dir / "Order.ini");
        std::vector<TLinkData> list;
        DefaultOrder(list);
        std::string error;
        SaveOrder(list, 0, Dir.Path.string(), settings, "Mine", error);
        return error;
    });
    EveryStep("window layout", Dir / "song.dsk", [&] {
        TLayout layout;
        layout.Windows.push_back({10, 20, 410, 320, 1});
        std::string error;
        WriteLayoutFile(Dir / "song.dsk", layout, error);
        return error;
    });
    EveryStep("sequencer list", Dir / "OtherSeq.Lst", [&] {
        std::string error;
        WriteSequencerList(Dir / "OtherSeq.Lst", {{"rosegarden", "Rosegarden"}}, error);
        return error;
    });
    EveryStep("custom file's comment", Dir / "live.Comment", [&] {
        const std::string comment = "second half";
        std::string error;
        ReplaceFile(CustomCommentFileName(Dir / "live.cst"), std::span(reinterpret_cast<const uint8_t*>(comment.data()), comment.size()), error);
        return error;
    });
}

}  // namespace
}  // namespace veka
