#pragma once
// A module image on the generated default data, with its events recorded.
#include <memory>
#include <string>
#include <vector>

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

    explicit TImageFixture(int moduleType = mtSC8850)
        : Image(std::make_unique<TVGS>(VEKA_TEST_DEFAULT_DIR, moduleType)) {
        Image->OnChange = [this](int port, const TVGS&, const TOneParameter& record, const TLinkData& link,
                                 const std::string& comment) { Changes.push_back({port, record, link, comment}); };
        Image->PumpWait = [this](int ms) { Waits.push_back(ms); };
    }
    TVGS& operator*() { return *Image; }
    TVGS* operator->() { return Image.get(); }
};

}  // namespace veka::test
