#pragma once
// A module image on the generated default data, with its events recorded.
#include <memory>
#include <string>
#include <vector>

#include "module/difference_list.h"
#include "module/image.h"

namespace veka::test {

struct TRecordedChange {
    int Port;
    TOneParameter Record;
    TLinkData Link;
    std::string Comment;
};

struct TImageFixture {
    std::unique_ptr<TVGS> Image;
    std::vector<TRecordedChange> Changes;
    std::vector<int> Waits;
    TDifferenceList List;  // the records collected for a setup file
    TSubscription ChangeSubscription;

    explicit TImageFixture(int moduleType = mtSC8850)
        : Image(std::make_unique<TVGS>(VEKA_TEST_DEFAULT_DIR, moduleType)) {
        ChangeSubscription = Image->OnChange.Subscribe([this](const TChangeNotice& change) {
            Changes.push_back({change.Port, change.Record, change.Link, change.Comment});
        });
    }
    TVGS& operator*() { return *Image; }
    TVGS* operator->() { return Image.get(); }
};

}  // namespace veka::test
