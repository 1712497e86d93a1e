#pragma once
// Message boxes with a short text ("Completed") come out narrower than their title with the
// frame's buttons beside it, and the window manager cuts the title to "V... 1". Each box keeps
// room for both.
class QMessageBox;

namespace veka {

// Room beside the title for the frame's icon and buttons.
constexpr int kTitleFrameRoom = 160;

// Widens the box to its title plus kTitleFrameRoom; call before it is shown.
void KeepTitleVisible(QMessageBox& box);

}  // namespace veka
