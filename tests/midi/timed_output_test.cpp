// The thread that sends a song's messages on time for outputs without a queue of their own:
// order, due times, edits between the song's messages, drops, failures and closing.
#include "midi/timed_output.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "midi/jack_output.h"

namespace veka {
namespace {

struct TArrival {
    std::vector<uint8_t> Bytes;
    int64_t At = 0;
};

// What reaches the device, with the steady clock's time of arrival. Two sends that overlap
// would break a message apart on a real port; they are counted.
struct TRecord {
    std::mutex Lock;
    std::condition_variable Arrived;
    std::vector<TArrival> Messages;
    std::atomic<int> InSend{0};
    std::atomic<int> Overlaps{0};
    std::atomic<bool> Fail{false};
    int Refused = 0;  // sends failed while Fail was set
    std::atomic<bool> Present{true};

    // Waits (at most five seconds) until count messages arrived.
    bool WaitFor(size_t count) {
        std::unique_lock<std::mutex> lock(Lock);
        return Arrived.wait_for(lock, std::chrono::seconds(5), [&] { return Messages.size() >= count; });
    }
    bool WaitForRefusal() {
        std::unique_lock<std::mutex> lock(Lock);
        return Arrived.wait_for(lock, std::chrono::seconds(5), [&] { return Refused > 0; });
    }
    std::vector<TArrival> Copy() {
        const std::lock_guard<std::mutex> guard(Lock);
        return Messages;
    }
};

class TRecordingDevice : public IMidiOutDevice {
public:
    explicit TRecordingDevice(TRecord& record) : Record_(record) {}
    void Send(std::span<const uint8_t> message) override {
        if (Record_.InSend.fetch_add(1) != 0) Record_.Overlaps.fetch_add(1);
        if (Record_.Fail) {
            Record_.InSend.fetch_sub(1);
            {
                const std::lock_guard<std::mutex> guard(Record_.Lock);
                ++Record_.Refused;
            }
            Record_.Arrived.notify_all();
            throw EMidiDeviceError("MIDI device Test is not there any more");
        }
        // A long exclusive takes its time on the wire; another send must not cut in.
        if (message.size() > 100) std::this_thread::sleep_for(std::chrono::microseconds(300));
        {
            const std::lock_guard<std::mutex> guard(Record_.Lock);
            Record_.Messages.push_back({std::vector<uint8_t>(message.begin(), message.end()), SteadyMicroseconds()});
        }
        Record_.InSend.fetch_sub(1);
        Record_.Arrived.notify_all();
    }
    bool Present() override { return Record_.Present; }

private:
    TRecord& Record_;
};

std::vector<uint8_t> Note(int key) { return {0x90, uint8_t(key), 100}; }

// One of the song's long exclusive messages, told apart by its index.
std::vector<uint8_t> SongExclusive(int index) {
    std::vector<uint8_t> message(150, uint8_t(index));
    message.front() = 0xF0;
    message.back() = 0xF7;
    return message;
}

TEST(TimedOutput, MessagesGoOutInOrderNoneBeforeItsTimeAndEditsCutInBetweenWhole) {
    TRecord record;
    TTimedOutDevice out(std::make_unique<TRecordingDevice>(record));
    EXPECT_TRUE(out.Timed());
    const int64_t start = SteadyMicroseconds() + 20'000;
    // Two messages share a time; one is due in the past and goes at once. They are long and
    // close together, so the device is busy with one of them most of the time.
    std::vector<int64_t> due;
    for (int i = 0; i < 40; ++i) due.push_back(start + (i / 2) * 700);
    due[0] = SteadyMicroseconds() - 10'000;
    for (int i = 0; i < 40; ++i) ASSERT_TRUE(out.SendAt(SongExclusive(i), due[size_t(i)]));
    // Edits sent from another thread while the song's messages go out: a long exclusive each.
    std::vector<uint8_t> edit(200, 0x11);
    edit.front() = 0xF0;
    edit.back() = 0xF7;
    std::thread editor([&] {
        for (int i = 0; i < 10; ++i) {
            out.Send(edit);
            record.WaitFor(size_t(5 * (i + 1)));  // four of the song's between two edits
        }
    });
    editor.join();
    ASSERT_TRUE(record.WaitFor(50));
    const auto got = record.Copy();
    EXPECT_EQ(record.Overlaps.load(), 0);
    int songIndex = 0, edits = 0;
    for (const TArrival& a : got) {
        if (a.Bytes == edit) {
            ++edits;
            continue;
        }
        ASSERT_LT(songIndex, 40);
        EXPECT_EQ(a.Bytes, SongExclusive(songIndex)) << "the song's messages keep their order";
        EXPECT_GE(a.At, due[size_t(songIndex)]) << "message " << songIndex << " went before its time";
        ++songIndex;
    }
    EXPECT_EQ(songIndex, 40);
    EXPECT_EQ(edits, 10);
}

TEST(TimedOutput, DroppedMessagesNeverGoAndClosingWaitsOnlyForWhatIsStillQueued) {
    TRecord record;
    {
        TTimedOutDevice out(std::make_unique<TRecordingDevice>(record));
        const int64_t now = SteadyMicroseconds();
        ASSERT_TRUE(out.SendAt(Note(1), now + 60'000'000));  // a minute ahead: the stop drops it
        ASSERT_TRUE(out.SendAt(Note(2), now + 60'000'000));
        out.DropScheduled();
        // After the drop the queue takes new messages, sent at their time.
        ASSERT_TRUE(out.SendAt(Note(3), SteadyMicroseconds() + 50'000));
        out.Send(Note(4));  // sent now: ahead of the one still due
        const int64_t closing = SteadyMicroseconds();
        ASSERT_TRUE(out.SendAt(Note(5), closing + 30'000));
        ASSERT_TRUE(out.SendAt(Note(6), closing + 3'600'000'000));  // beyond what closing waits for
    }
    const auto got = record.Copy();
    ASSERT_EQ(got.size(), 3U);
    EXPECT_EQ(got[0].Bytes, Note(4));
    EXPECT_EQ(got[1].Bytes, Note(3));
    EXPECT_EQ(got[2].Bytes, Note(5)) << "a message due while the port closes still goes out";
}

TEST(TimedOutput, AFullQueueRefusesAndAFailedSendIsToldOnceAtTheNextHandOver) {
    TRecord record;
    TTimedOutDevice out(std::make_unique<TRecordingDevice>(record));
    const int64_t later = SteadyMicroseconds() + 60'000'000;
    // A message no queue could hold is an error, not a refusal the player would retry forever.
    const std::vector<uint8_t> huge(TTimedOutDevice::kQueueBytes, 0x01);
    EXPECT_THROW(out.SendAt(huge, later), EMidiDeviceError);
    const std::vector<uint8_t> big(TTimedOutDevice::kQueueBytes / 4, 0x01);
    int taken = 0;
    while (out.SendAt(big, later) && taken < 10) ++taken;
    EXPECT_EQ(taken, 3);
    out.DropScheduled();
    EXPECT_TRUE(out.SendAt(big, later)) << "the drop made room";
    out.DropScheduled();

    record.Fail = true;
    ASSERT_TRUE(out.SendAt(Note(1), SteadyMicroseconds()));
    ASSERT_TRUE(record.WaitForRefusal());
    // The failure reaches the player at its first hand-over once the thread noted it.
    bool told = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!told && std::chrono::steady_clock::now() < deadline) {
        try {
            out.SendAt(Note(3), SteadyMicroseconds() + 60'000'000);
            out.DropScheduled();
            std::this_thread::yield();
        } catch (const EMidiDeviceError& e) {
            told = true;
            EXPECT_STREQ(e.what(), "MIDI device Test is not there any more");
        }
    }
    EXPECT_TRUE(told);
    record.Fail = false;
    EXPECT_TRUE(out.SendAt(Note(4), SteadyMicroseconds())) << "told once, then the output goes on";
    ASSERT_TRUE(record.WaitFor(1));
    EXPECT_EQ(record.Copy().front().Bytes, Note(4));
    record.Present = false;
    EXPECT_FALSE(out.Present());
}

}  // namespace
}  // namespace veka
