#pragma once
// The few settings the windows read, as a read-only view of the settings record: the options by
// name, the grid font and the title bars' gradient. Windows never change settings through it.
#include <algorithm>
#include <string>

#include "module/exclusive.h"
#include "document/settings.h"

namespace veka {

// Grids never take a larger font than this, whatever the settings hold.
constexpr int kMaxGridFontSize = 20;

class TOptionsView {
public:
    // Implicit on purpose: a window built by hand (a test) takes a record as it stands.
    TOptionsView(const TSettingsData& data) : Data_(&data) {}  // NOLINT(google-explicit-constructor)

    bool On(TOption option) const { return Data_->Option(option); }
    bool GradationBar() const { return Data_->GradationBar; }
    const std::string& GridFontName() const { return Data_->FontName; }
    int GridFontSize() const { return std::min(Data_->FontSize, kMaxGridFontSize); }
    THexSpacing SysxSpace() const { return Data_->SysxSpace; }

private:
    const TSettingsData* Data_;
};

}  // namespace veka
