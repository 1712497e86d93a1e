#pragma once
// The program's pictures, drawn at run time so there are no image files to ship or lose: the
// toolbar glyphs, the application icon and the splash picture.
#include <QIcon>
#include <QPixmap>

namespace veka {

// One glyph per toolbar button (and the menu commands they stand for).
enum class TToolIcon {
    Open, Save, Patch, Part, Drum, UserDrum, Effect, Matrix, Keyboard, MidiPort, PartCustom, OtherOptions, Copy, History
};

// Drawn for 16, 24, 32 and 48 pixels, each size from the same 32-unit design.
// The disabled form is drawn too: grey and faint.
QIcon ToolbarIcon(TToolIcon icon);
QPixmap DisabledForm(const QPixmap& pixmap);
QIcon AppIcon();
// 400 x 240: the name over a keyboard strip on a dark ground; the bottom 40 pixels are left
// plain for the version label the splash puts there.
QPixmap SplashPicture();

}  // namespace veka
