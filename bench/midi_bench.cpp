// Cost of one framed exclusive message through the transmitter (the 7 ms pause after it left
// out), and throughput of the input ring between the driver's thread and the user interface.
#include <benchmark/benchmark.h>

#include <array>
#include <thread>

#include "midi/midi_session.h"
#include "midi/virtual_module.h"
#include "module/image.h"

namespace {

using namespace veka;

// The virtual module stands in for the device: it keeps and applies each message as a module
// would, so its work is part of the figure.
void BM_SendSysx(benchmark::State& state) {
    StartVirtualModule(mtSC8850, VEKA_BENCH_DEFAULT_DIR);
    const auto module = TMidiDevices::Instance().VirtualModule();
    TVGS image(VEKA_BENCH_DEFAULT_DIR);
    TFakePumpWait wait;
    TTransmitter transmitter(image, wait);
    transmitter.Port(0).SetProductName(TVirtualModule::OutputName(0));
    if (!transmitter.Port(0).Open()) {
        state.SkipWithError(transmitter.Port(0).LastError().c_str());
        return;
    }
    const std::vector<uint8_t> data(size_t(state.range(0)), 0x2A);
    const std::array<uint8_t, 3> address = {0x40, 0x11, 0x00};
    int64_t messages = 0;
    for (auto _ : state) {
        std::string text = transmitter.SendSysx(0, address, data);
        benchmark::DoNotOptimize(text);
        // What the fake clock and the module record grows with every message.
        if (++messages % 4096 == 0) {
            module->ClearReceived();
            wait.Waits.clear();
        }
    }
    state.SetItemsProcessed(messages);
    if (module->Memory(0, address[0], address[1], address[2]) != data.front())
        state.SkipWithError("the messages did not reach the module");
    transmitter.Port(0).Close();
    TMidiDevices::Instance().SetVirtualModule(nullptr);
}
BENCHMARK(BM_SendSysx)->Arg(1)->Arg(16)->Arg(128)->Arg(245)->Unit(benchmark::kMicrosecond);

// A producer thread feeds Receive as the driver's thread would; this thread takes the events
// out with NextEvent. The producer holds back while the ring (or the exclusive buffer pool) is
// full, so the figure is the ring's, not the loss path's. Argument: 0 for three-byte channel
// messages, else the length of an exclusive message.
void BM_InputRing(benchmark::State& state) {
    StartVirtualModule(mtSC8850, VEKA_BENCH_DEFAULT_DIR);
    TMidiInput input;
    input.Capacity = 4096;
    input.SetSysexBufferSize(1024);
    input.SetSysexBufferCount(64);
    input.SetProductName(TVirtualModule::InputName());
    input.Open();
    input.Start();

    const size_t length = state.range(0) > 0 ? size_t(state.range(0)) : 3;
    std::vector<uint8_t> message(length, 0x11);
    message.front() = state.range(0) > 0 ? 0xF0 : 0x90;
    if (state.range(0) > 0) message.back() = 0xF7;
    // At most one exclusive buffer is between NextEvent's pop and its return to the pool.
    const size_t limit = state.range(0) > 0 ? size_t(input.SysexBufferCount() - 1) : size_t(input.Capacity);
    constexpr int64_t kBatch = 1 << 16;

    int64_t events = 0;
    for (auto _ : state) {
        std::thread producer([&] {
            for (int64_t i = 0; i < kBatch; ++i) {
                while (input.PendingCount() >= limit) std::this_thread::yield();
                input.Receive(0.0, message.data(), message.size());
            }
        });
        int64_t taken = 0;
        while (taken < kBatch) {
            if (auto event = input.NextEvent()) {
                benchmark::DoNotOptimize(event->Status);
                ++taken;
            } else {
                std::this_thread::yield();  // as the user interface goes back to its event loop
            }
        }
        producer.join();
        events += taken;
    }
    state.SetItemsProcessed(events);
    state.counters["lost"] = double(input.LostCount());
    input.Close();
    TMidiDevices::Instance().SetVirtualModule(nullptr);
}
BENCHMARK(BM_InputRing)->Arg(0)->Arg(64)->Arg(1000)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
