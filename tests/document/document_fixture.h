#pragma once
// A document as the program starts it, on port A of the virtual module, with timers on a fake
// clock the test advances and the commands' questions answered from a script.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "document/document.h"
#include "document/recovery_file.h"
#include "document/scripted_prompts.h"
#include "midi/virtual_module.h"
#include "temp_dir.h"

namespace veka::test {

// Timers on the fake clock: Run(ms) moves the clock on and fires each timer when it is due.
class TManualTimers : public ITimerSource {
public:
    explicit TManualTimers(TFakePumpWait& clock) : Clock_(clock) {}
    struct TTimer : ITimer {
        TManualTimers* Owner = nullptr;
        std::function<void()> Timeout;
        bool On = false;
        int64_t Due = 0;
        void Start(int ms) override {
            On = true;
            Due = Owner->Clock_.Now + ms;
        }
        void Stop() override { On = false; }
        bool Active() const override { return On; }
        ~TTimer() override { std::erase(Owner->Timers_, this); }
    };
    std::unique_ptr<ITimer> MakeTimer(std::function<void()> timeout) override {
        auto timer = std::make_unique<TTimer>();
        timer->Owner = this;
        timer->Timeout = std::move(timeout);
        Timers_.push_back(timer.get());
        return timer;
    }
    void Run(int ms) {
        const int64_t end = Clock_.Now + ms;
        for (;;) {
            TTimer* next = nullptr;
            for (TTimer* t : Timers_)
                if (t->On && t->Due <= end && (!next || t->Due < next->Due)) next = t;
            if (!next) break;
            Clock_.Now = std::max(Clock_.Now, next->Due);
            next->On = false;
            next->Timeout();
        }
        Clock_.Now = end;
    }

private:
    TFakePumpWait& Clock_;
    std::vector<TTimer*> Timers_;
};

class TDocumentFixture : public ::testing::Test {
protected:
    test::TTempDir Dir;
    TFakePumpWait Clock;
    TManualTimers Timers{Clock};
    TScriptedPrompts Prompts;
    TRecordingFrame Frame;
    std::shared_ptr<TVirtualModule> Module;
    std::unique_ptr<TDocument> Doc;
    bool Held = false, Working = false;
    int FileSignals = 0;
    std::vector<std::string> Status;
    TSubscription FileWatch, StatusWatch;

    void SetUp() override {
        StartVirtualModule(mtSC8850, VEKA_TEST_DEFAULT_DIR);
        Module = TMidiDevices::Instance().VirtualModule();
        Open();
    }
    void TearDown() override {
        Doc.reset();
        TMidiDevices::Instance().SetVirtualModule(nullptr);
    }
    // A document as the program starts it, on port A of the virtual module.
    void Open() {
        FileWatch.Reset();
        StatusWatch.Reset();
        Doc.reset();
        auto image = std::make_unique<TVGS>(VEKA_TEST_DEFAULT_DIR, mtSC8850);
        image->Language = TLanguage::English;
        Doc = std::make_unique<TDocument>(std::move(image), Clock, Timers, RecoveryPath(Dir.Path.string()));
        Doc->GestureHeld = [this] { return Held; };
        Doc->Working = [this] { return Working; };
        TMidiOutput& out = Doc->Transmitter().Port(0);
        out.SetProductName(TVirtualModule::OutputName(0));
        out.Open();
        FileWatch = Doc->OnFileChanged.Subscribe([this] { ++FileSignals; });
        StatusWatch = Doc->OnStatus.Subscribe([this](const std::string& text) { Status.push_back(text); });
    }
    int ModuleVolume(int part) const {
        const auto& a = Doc->Image().Part(0, part, ppVolume).Address.Bytes;
        return Module->Memory(0, a[0], a[1], a[2]);
    }
    bool Kept() const { return std::filesystem::exists(Doc->RecoveryPath()); }
};

}  // namespace veka::test
