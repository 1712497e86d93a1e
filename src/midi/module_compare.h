#pragma once
// The image against the module: the module's values read back for a selection, every
// parameter that differs, those the module did not answer, and sending only the differences.
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "midi/data_request.h"
#include "module/setup_diff.h"

namespace veka {

struct TModuleComparison {
    // The module as it answered; where it did not answer, the image's own values.
    std::unique_ptr<TVGS> Module;
    std::vector<TSetupDifference> Differences;  // First: the image, Second: the module
    std::vector<int> Unread;                    // flat indices requested and not answered
    TRequestReport Report;
};

// Requests the selection and compares. The request writes into the image, so its state is
// kept before and written back after (no notification): the image ends exactly as it began,
// also when the request throws.
TModuleComparison CompareWithModule(TDataRequest& request, TVGS& image, const std::string& defaultFolder,
                                    const TRequestSelection& selection, const std::string& logPath = {},
                                    const std::atomic<bool>* cancel = nullptr);

// The flat indices of the differences (for SendImageParameters).
std::vector<int> DifferenceIndices(const std::vector<TSetupDifference>& differences);

// Sends the image's value of each parameter as its edit would (one message each, paced, in
// the order of an edit), without changing the image or marking it changed; the number of
// messages sent. A port found gone ends it with EmidioutputError naming the port.
int SendImageParameters(TTransmitter& transmitter, const std::vector<int>& indices);

}  // namespace veka
