#include "midi/virtual_module.h"

#include <algorithm>

#include "module/exclusive.h"
#include "module/image.h"
#include "module/setup_reader.h"

namespace veka {

class TVirtualModule::TOutput : public IMidiOutDevice {
public:
    TOutput(std::shared_ptr<TVirtualModule> module, int port) : Module_(std::move(module)), Port_(port) {}
    void Send(std::span<const uint8_t> message) override {
        if (Module_->Plugged(Port_)) Module_->Receive(Port_, message);
    }
    bool Present() override { return Module_->Plugged(Port_); }

private:
    std::shared_ptr<TVirtualModule> Module_;
    int Port_;
};

class TVirtualModule::TInput : public IMidiInDevice {
public:
    explicit TInput(std::shared_ptr<TVirtualModule> module) : Module_(std::move(module)) {}
    ~TInput() override {
        std::lock_guard lock(Module_->InputMutex_);
        Module_->Callback_ = nullptr;
        Module_->Started_ = false;
    }
    void Start() override {
        std::lock_guard lock(Module_->InputMutex_);
        Module_->Started_ = true;
    }
    void Stop() override {
        std::lock_guard lock(Module_->InputMutex_);
        Module_->Started_ = false;
    }
    bool Present() override { return Module_->InputPlugged(); }

private:
    std::shared_ptr<TVirtualModule> Module_;
};

TVirtualModule::TVirtualModule(int model, const std::string& defaultFolder, int deviceId)
    : Model_(std::clamp(model, 1, 3)), DeviceId_(deviceId & 0x7F) {
    for (auto& memory : Memory_) memory.assign(kMemorySize, 0);
    TVGS image(defaultFolder, Model_);
    // At power-on both drum maps of every port hold the first drum set of the module's map.
    for (int port = 0; port < kPorts; ++port)
        for (int map = 1; map <= kDrumMapsPerPort; ++map) image.LoadDrumSet(port, map, 0, image.ToneMapOfModuleType());
    LoadImage(image);
}

TVirtualModule::~TVirtualModule() {
    {
        std::lock_guard lock(QueueMutex_);
        Stopping_ = true;
    }
    QueueSignal_.notify_all();
    if (Thread_.joinable()) Thread_.join();
}

std::string TVirtualModule::OutputName(int port) { return std::string("Virtual Module Port ") + char('A' + (port & 3)); }
std::string TVirtualModule::InputName() { return "Virtual Module Out"; }
int TVirtualModule::PortOfOutputName(const std::string& name) {
    for (int port = 0; port < kPorts; ++port)
        if (name == OutputName(port)) return port;
    return 0;
}

std::unique_ptr<IMidiOutDevice> TVirtualModule::OpenOutput(int port) {
    return std::make_unique<TOutput>(shared_from_this(), std::clamp(port, 0, kPorts - 1));
}

std::unique_ptr<IMidiInDevice> TVirtualModule::OpenInput(TMidiInCallback callback, void* user) {
    {
        std::lock_guard lock(InputMutex_);
        Callback_ = callback;
        User_ = user;
        Started_ = false;
    }
    return std::make_unique<TInput>(shared_from_this());
}

void TVirtualModule::LoadImage(const TVGS& image) {
    // Every value, modified or not, written through the same message builders the editor uses.
    std::vector<TBytes> messages;
    for (int n = 1; n <= kSystemParameterCount; ++n) messages.push_back(BuildSystemMessage(image, n));
    for (int set = 0; set < kUserDrumSetCount; ++set)
        for (int note = 0; note < kNoteCount; ++note)
            for (int n = 1; n <= kUserDrumParameterCount; ++n)
                messages.push_back(BuildDrumMessage(image, true, 0, set, n, note));
    for (int port = 0; port < kPorts; ++port) {
        std::vector<TBytes> portMessages = messages;
        for (int part = 1; part <= kPartsPerPort; ++part)
            for (int n = 1; n < kPartParameterCount; ++n) portMessages.push_back(BuildPartMessage(image, port, part, n));
        for (int map = 1; map <= kDrumMapsPerPort; ++map)
            for (int note = 0; note < kNoteCount; ++note)
                for (int n = 1; n <= kDrumParameterCount; ++n)
                    portMessages.push_back(BuildDrumMessage(image, false, port, map, n, note));
        // The Rx port addresses name their port; each module keeps its own parts' values.
        for (const TBytes& m : portMessages) {
            TBytes local = m;
            if (local.size() > 2) local[2] = uint8_t(DeviceId_);
            ApplyDataSet(port, local);
        }
        PowerOn_[port] = Memory_[size_t(port)];
    }
}

void TVirtualModule::LoadSetupFile(const std::string& fileName, const std::string& defaultFolder) {
    TVGS image(defaultFolder, Model_);
    for (int port = 0; port < kPorts; ++port)
        for (int map = 1; map <= kDrumMapsPerPort; ++map) image.LoadDrumSet(port, map, 0, image.ToneMapOfModuleType());
    image.MaxPart = 2;  // a module answers on every port
    TFixedSetupFileHost host;
    const TSetupReadResult result = ReadSetupFile(image, host, 0, fileName);
    if (!result.Ok()) throw EFileError(fileName + ": " + result.Text(image.Language));
    LoadImage(image);
}

void TVirtualModule::Reset(int port) { Memory_[size_t(port)] = PowerOn_[port]; }

void TVirtualModule::Receive(int port, std::span<const uint8_t> message) {
    if (port < 0 || port >= kPorts || message.empty()) return;
    if (Received_[size_t(port)].size() < 200000) Received_[size_t(port)].emplace_back(message.begin(), message.end());
    if (message[0] != 0xF0 || message.size() < 6 || message.back() != 0xF7) return;
    const uint8_t dev = message[2];
    if (message[1] == 0x7E && message.size() == 6 && message[3] == 0x06 && message[4] == 0x01) {
        // Identity Request: the SC-88 does not answer it.
        if (Model_ == 1 || (dev != DeviceId_ && dev != 0x7F)) return;
        Reply({0xF0, 0x7E, uint8_t(DeviceId_), 0x06, 0x02, 0x41, 0x42, 0x00, 0x00, uint8_t(Model_ == 2 ? 4 : 6),
               0x00, 0x03, 0x00, 0x00, 0xF7},
              {0x7F, 0x7F, 0x7F});
        return;
    }
    if (message[1] != 0x41 || (dev != DeviceId_ && dev != 0x7F)) return;
    if (message[3] == 0x42 && message[4] == 0x12)
        ApplyDataSet(port, message);
    else if (message[3] == 0x42 && message[4] == 0x11)
        AnswerRequest(port, message);
    else if (message[3] == 0x45 && message[4] == 0x12 && message.size() >= 10) {
        if (Checksum(message.subspan(5, message.size() - 7)) != message[message.size() - 2]) return;
        if (message[5] == 0x10 && message[6] == 0x00 && message[7] == 0x00)
            Display_.assign(message.begin() + 8, message.end() - 2);
    }
}

void TVirtualModule::ApplyDataSet(int port, std::span<const uint8_t> message) {
    // F0 41 dev 42 12 a1 a2 a3 data.. cs F7; a wrong checksum is ignored, as the hardware does.
    if (message.size() < 11) return;
    const auto body = message.subspan(5, message.size() - 7);
    if (Checksum(body) != message[message.size() - 2]) return;
    for (uint8_t b : body)
        if (b >= 0x80) return;
    const uint8_t a1 = body[0], a2 = body[1], a3 = body[2];
    if ((a1 == 0x40 && a2 == 0x00 && a3 == 0x7F) || (a1 == 0x00 && a2 == 0x00 && a3 == 0x7F)) {
        Reset(port);  // GS reset, or system mode set
        return;
    }
    size_t index = Index(a1, a2, a3);
    for (size_t i = 3; i < body.size() && index < kMemorySize; ++i, ++index) Memory_[size_t(port)][index] = body[i];
}

void TVirtualModule::AnswerRequest(int port, std::span<const uint8_t> message) {
    // F0 41 dev 42 11 a1 a2 a3 s1 s2 s3 cs F7
    if (message.size() != 13) return;
    const auto body = message.subspan(5, 6);
    if (Checksum(body) != message[11]) return;
    const std::array<uint8_t, 3> address = {body[0], body[1], body[2]};
    const size_t size = std::min<size_t>(Index(body[3], body[4], body[5]), 128);
    const size_t start = Index(address[0], address[1], address[2]);
    if (size == 0 || start + size > kMemorySize) return;
    const auto& memory = Memory_[size_t(port)];
    TBytes reply = BuildDT1(DeviceId_, address, std::span<const uint8_t>(memory.data() + start, size));
    Reply(std::move(reply), address);
}

void TVirtualModule::Reply(std::vector<uint8_t> reply, const std::array<uint8_t, 3>& address) {
    ++ReplyCount_;
    if ((DropEvery_ > 0 && ReplyCount_ % DropEvery_ == 0) ||
        DropAddresses_.count(Index(address[0], address[1], address[2]))) {
        ++RepliesDropped_;
        return;
    }
    ++RepliesSent_;
    if (DelayMs_ <= 0) {
        Deliver(reply);
        return;
    }
    {
        std::lock_guard lock(QueueMutex_);
        Queue_.emplace_back(std::chrono::steady_clock::now() + std::chrono::milliseconds(DelayMs_), std::move(reply));
        if (!Thread_.joinable()) Thread_ = std::thread(&TVirtualModule::Worker, this);
    }
    QueueSignal_.notify_all();
}

void TVirtualModule::Deliver(const std::vector<uint8_t>& reply) {
    std::lock_guard lock(InputMutex_);
    if (Callback_ && Started_ && InputPlugged_.load()) Callback_(User_, 0.0, reply.data(), reply.size());
}

void TVirtualModule::Worker() {
    std::unique_lock lock(QueueMutex_);
    for (;;) {
        if (Stopping_) return;
        if (Queue_.empty()) {
            QueueSignal_.wait(lock);
            continue;
        }
        const auto due = Queue_.front().first;
        if (std::chrono::steady_clock::now() < due) {
            QueueSignal_.wait_until(lock, due);
            continue;
        }
        std::vector<uint8_t> reply = std::move(Queue_.front().second);
        Queue_.pop_front();
        lock.unlock();
        Deliver(reply);
        lock.lock();
    }
}

uint8_t TVirtualModule::Memory(int port, uint8_t a1, uint8_t a2, uint8_t a3) const {
    if (port < 0 || port >= kPorts) return 0;
    return Memory_[size_t(port)][Index(a1, a2, a3)];
}

std::string TVirtualModule::DisplayText() const { return Display_; }

std::vector<std::vector<uint8_t>> TVirtualModule::Received(int port) const {
    return port >= 0 && port < kPorts ? Received_[size_t(port)] : std::vector<std::vector<uint8_t>>{};
}

void TVirtualModule::ClearReceived() {
    for (auto& r : Received_) r.clear();
}

void TVirtualModule::SetReplyDelayMs(int ms) { DelayMs_ = std::max(ms, 0); }
void TVirtualModule::DropEveryNthReply(int n) { DropEvery_ = std::max(n, 0); }
void TVirtualModule::DropRepliesTo(const std::array<uint8_t, 3>& address) {
    DropAddresses_.insert(Index(address[0], address[1], address[2]));
}

}  // namespace veka
