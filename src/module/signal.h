#pragma once
// TSignal: an event with any number of listeners. A listener subscribes with a function and
// keeps the TSubscription it gets back; destroying (or resetting) the subscription removes the
// listener, also while the signal is being raised, so a window that closes in the middle of a
// gesture is never called again. A signal that dies first leaves its subscriptions harmless.
// Single-threaded by design: every notification happens on the user-interface thread.
#include <cstddef>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace veka {

namespace signal_detail {

// What a subscription needs to remove its listener without knowing the signal's arguments.
struct TSlotsBase {
    virtual ~TSlotsBase() = default;
    virtual void Remove(size_t id) = 0;
};

}  // namespace signal_detail

class TSubscription {
public:
    TSubscription() = default;
    TSubscription(std::weak_ptr<signal_detail::TSlotsBase> entries, size_t id) : Slots_(std::move(entries)), Id_(id) {}
    ~TSubscription() { Reset(); }
    TSubscription(TSubscription&& other) noexcept : Slots_(std::move(other.Slots_)), Id_(other.Id_) {
        other.Slots_.reset();
    }
    TSubscription& operator=(TSubscription&& other) noexcept {
        if (this != &other) {
            Reset();
            Slots_ = std::move(other.Slots_);
            Id_ = other.Id_;
            other.Slots_.reset();
        }
        return *this;
    }
    TSubscription(const TSubscription&) = delete;
    TSubscription& operator=(const TSubscription&) = delete;

    // Removes the listener now; nothing happens when it was removed already.
    void Reset() {
        if (auto entries = Slots_.lock()) entries->Remove(Id_);
        Slots_.reset();
    }
    bool Connected() const { return !Slots_.expired(); }

private:
    std::weak_ptr<signal_detail::TSlotsBase> Slots_;
    size_t Id_ = 0;
};

template <typename... Args>
class TSignal {
public:
    using TListener = std::function<void(Args...)>;

    TSignal() : Slots_(std::make_shared<TSlots>()) {}
    TSignal(const TSignal&) = delete;
    TSignal& operator=(const TSignal&) = delete;

    [[nodiscard]] TSubscription Subscribe(TListener listener) {
        const size_t id = ++Slots_->NextId;
        Slots_->Entries.push_back({id, std::move(listener)});
        return TSubscription(Slots_, id);
    }

    // Calls every listener in the order they subscribed. A listener added during the call is
    // first called by the next one; a listener removed during the call is not called again.
    void operator()(Args... args) const {
        const std::shared_ptr<TSlots> keep = Slots_;  // a listener may destroy the signal's owner
        ++keep->Depth;
        const size_t count = keep->Entries.size();
        for (size_t i = 0; i < count && i < keep->Entries.size(); ++i) {
            if (keep->Entries[i].Id == 0) continue;
            // A copy, so that a listener removing itself does not destroy the function it runs in.
            const TListener listener = keep->Entries[i].Listener;
            listener(args...);
        }
        if (--keep->Depth == 0) keep->Compact();
    }

    size_t ListenerCount() const {
        size_t n = 0;
        for (const auto& entry : Slots_->Entries) n += entry.Id != 0;
        return n;
    }
    bool Empty() const { return ListenerCount() == 0; }

private:
    struct TEntry {
        size_t Id;  // 0: removed, waiting for the end of a raise
        TListener Listener;
    };
    struct TSlots : signal_detail::TSlotsBase {
        std::vector<TEntry> Entries;
        size_t NextId = 0;
        int Depth = 0;
        void Remove(size_t id) override {
            for (auto& entry : Entries)
                if (entry.Id == id) {
                    entry.Id = 0;
                    entry.Listener = nullptr;
                }
            if (Depth == 0) Compact();
        }
        void Compact() {
            std::erase_if(Entries, [](const TEntry& entry) { return entry.Id == 0; });
        }
    };

    std::shared_ptr<TSlots> Slots_;
};

}  // namespace veka
