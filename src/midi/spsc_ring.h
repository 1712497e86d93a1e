#pragma once
// A fixed-capacity single-producer/single-consumer ring. The MIDI driver's thread pushes, the
// user-interface thread pops; neither allocates nor locks after construction.
#include <atomic>
#include <cstddef>
#include <memory>

namespace veka {

template <typename T>
class TSpscRing {
public:
    explicit TSpscRing(size_t capacity) : Capacity_(capacity), Slots_(std::make_unique<T[]>(capacity + 1)) {}

    size_t Capacity() const { return Capacity_; }

    // Producer side. False when the ring is full (the item is not stored).
    bool Push(const T& item) {
        const size_t head = Head_.load(std::memory_order_relaxed);
        const size_t next = Advance(head);
        if (next == Tail_.load(std::memory_order_acquire)) return false;
        Slots_[head] = item;
        Head_.store(next, std::memory_order_release);
        return true;
    }

    // Consumer side. False when the ring is empty.
    bool Pop(T& item) {
        const size_t tail = Tail_.load(std::memory_order_relaxed);
        if (tail == Head_.load(std::memory_order_acquire)) return false;
        item = Slots_[tail];
        Tail_.store(Advance(tail), std::memory_order_release);
        return true;
    }

    // Either side; exact when called from the consumer with the producer idle.
    size_t Size() const {
        const size_t head = Head_.load(std::memory_order_acquire);
        const size_t tail = Tail_.load(std::memory_order_acquire);
        return head >= tail ? head - tail : head + Capacity_ + 1 - tail;
    }

private:
    size_t Advance(size_t i) const { return i == Capacity_ ? 0 : i + 1; }

    const size_t Capacity_;
    std::unique_ptr<T[]> Slots_;  // one slot more than the capacity tells full from empty
    alignas(64) std::atomic<size_t> Head_{0};
    alignas(64) std::atomic<size_t> Tail_{0};
};

}  // namespace veka
