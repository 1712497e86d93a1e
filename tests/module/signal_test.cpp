// Notifications with many listeners: order, removal by the subscription's end (also in the
// middle of a raise), and the image's notifications with their sender.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

#include "image_writer/image_writer.h"
#include "module/image.h"
#include "module/signal.h"
#include "test_image.h"

namespace veka {
namespace {

TEST(Signal, EveryListenerHearsInOrderUntilItsSubscriptionEnds) {
    TSignal<int> signal;
    std::vector<int> heard;
    TSubscription first = signal.Subscribe([&](int v) { heard.push_back(v); });
    std::optional<TSubscription> second = signal.Subscribe([&](int v) { heard.push_back(10 * v); });
    signal(1);
    EXPECT_EQ(heard, (std::vector<int>{1, 10}));
    second.reset();  // a window closed
    signal(2);
    EXPECT_EQ(heard, (std::vector<int>{1, 10, 2}));
    EXPECT_EQ(signal.ListenerCount(), 1u);
    // A moved subscription keeps the listener; the moved-from one removes nothing.
    TSubscription moved = std::move(first);
    signal(3);
    EXPECT_EQ(heard.back(), 3);
    moved.Reset();
    EXPECT_TRUE(signal.Empty());
    EXPECT_FALSE(moved.Connected());
}

TEST(Signal, AListenerRemovedDuringARaiseIsNotCalledAgainAndNewOnesWaitForTheNext) {
    TSignal<> signal;
    int a = 0, b = 0, c = 0;
    std::optional<TSubscription> second;
    std::vector<TSubscription> added;
    TSubscription first = signal.Subscribe([&] {
        ++a;
        second.reset();  // the first listener closes the second window mid-gesture
        added.push_back(signal.Subscribe([&] { ++c; }));
    });
    second = signal.Subscribe([&] { ++b; });
    signal();
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 0);
    EXPECT_EQ(c, 0);
    signal();
    EXPECT_EQ(c, 1);
    // A listener that ends its own subscription while it runs.
    std::optional<TSubscription> self;
    int once = 0;
    self = signal.Subscribe([&] {
        ++once;
        self.reset();
    });
    signal();
    signal();
    EXPECT_EQ(once, 1);
}

TEST(Signal, ASubscriptionOutlivingItsSignalIsHarmless) {
    TSubscription kept;
    {
        TSignal<int> signal;
        kept = signal.Subscribe([](int) {});
        EXPECT_TRUE(kept.Connected());
    }
    EXPECT_FALSE(kept.Connected());
    kept.Reset();  // nothing to remove, nothing touched
}

TEST(ImageNotifications, ChangesNameTheirSenderAndMarkTheSetupChanged) {
    test::TImageFixture image;
    int marks = 0;
    std::vector<const void*> senders;
    const TSubscription m = image->OnDataChanged.Subscribe([&] { ++marks; });
    const TSubscription s = image->OnChange.Subscribe([&](const TChangeNotice& c) { senders.push_back(c.Sender); });
    const int windowA = 0, windowB = 0;
    image->SetPartValue(0, 1, 90, ppVolume);
    {
        const TVGS::TSenderScope outer(*image, &windowA);
        image->SetPartValue(0, 1, 91, ppVolume);
        {
            const TVGS::TSenderScope inner(*image, &windowB);
            image->SetSystemValue(2, 100);
        }
        image->SetDrumValue(0, 1, 20, 2, 36);
    }
    image->SetUserDrumValue(0, 36, 5, 1);
    EXPECT_EQ(senders, (std::vector<const void*>{nullptr, &windowA, &windowB, &windowA, nullptr}));
    EXPECT_EQ(marks, 5);
    EXPECT_EQ(image.Changes.size(), 5u);  // the fixture's own listener heard them all too
}

TEST(ImageNotifications, CoarseTuningIsStoredAndHeardOnlyThroughItsOwnOperation) {
    test::TImageFixture image;
    image->SetPartValue(1, 4, 70, ppMasterCoarseTuning);  // no exclusive address: nothing
    EXPECT_TRUE(image.Changes.empty());
    const int before = image->Part(1, 4, ppMasterCoarseTuning).Value;
    EXPECT_NE(before, 70);
    int marks = 0;
    const TSubscription m = image->OnDataChanged.Subscribe([&] { ++marks; });
    image->SetPartCoarseTuning(1, 4, 70);
    EXPECT_EQ(image->Part(1, 4, ppMasterCoarseTuning).Value, 70);
    ASSERT_EQ(image.Changes.size(), 1u);
    EXPECT_EQ(image.Changes[0].Port, 1);
    EXPECT_EQ(image.Changes[0].Link.Kind, LinkPart);
    EXPECT_EQ(image.Changes[0].Link.Owner, 4);
    EXPECT_EQ(image.Changes[0].Link.Index, ppMasterCoarseTuning);
    EXPECT_EQ(marks, 1);
    image->SetPartCoarseTuning(4, 1, 70);  // no Port E
    EXPECT_EQ(image.Changes.size(), 1u);
}

TEST(ImageNotifications, PutsReloadsAndDrumSetsReachEveryListener) {
    test::TImageFixture image;
    std::vector<TPutNotice> puts;
    int reloads = 0, drumSets = 0;
    const TSubscription p1 = image->OnValuePut.Subscribe([&](const TPutNotice& put) { puts.push_back(put); });
    const TSubscription p2 = image->OnValuePut.Subscribe([&](const TPutNotice& put) { puts.push_back(put); });
    const TSubscription r = image->OnReloaded.Subscribe([&] { ++reloads; });
    const TSubscription d = image->OnDrumSetLoaded.Subscribe([&](int port, int map) {
        EXPECT_EQ(port, 1);
        EXPECT_EQ(map, 2);
        ++drumSets;
    });
    const int window = 0;
    image->NotifyPut(1, TLinkData{LinkPart, 3, ppVolume, 0, 0}, 103, &window);
    ASSERT_EQ(puts.size(), 2u);
    EXPECT_EQ(puts[1].Value, 103);
    EXPECT_EQ(puts[1].Sender, &window);
    image->NotifyReloaded();
    EXPECT_EQ(reloads, 1);
    image->LoadDrumSet(1, 2, 0, 3);
    EXPECT_EQ(drumSets, 1);
}

TEST(ImageNotifications, ADrumPartRecordsItsDrumSetInItsMap) {
    test::TImageFixture image;
    TImageWriter(*image).Part(2, 10, ppRhythm).Value = 2;
    TImageWriter(*image).Part(2, 10, ppToneMap).Value = 3;
    TImageWriter(*image).Part(2, 10, ppToneNumber).Value = 128 + 25;
    image->RecordDrumSetOfPart(2, 10);
    EXPECT_EQ(image->DrumSet(2, 2).ToneMap, 3);
    EXPECT_EQ(image->DrumSet(2, 2).Program, 25);
    TImageWriter(*image).Part(2, 3, ppRhythm).Value = 0;  // a normal part records nothing
    TImageWriter(*image).Part(2, 3, ppToneNumber).Value = 40;
    image->RecordDrumSetOfPart(2, 3);
    EXPECT_EQ(image->DrumSet(2, 1).Program, 0);
}

}  // namespace
}  // namespace veka
