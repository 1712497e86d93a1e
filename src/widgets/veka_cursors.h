#pragma once
// The program's own mouse pointers: a pointing finger, the up-down arrows of a value drag (with
// "10" while Ctrl makes the steps tens) and the speaker shown over the row headers that play
// a part. Drawn once with QPainter on first use, so no image files have to ship.
#include <QCursor>

namespace veka {

enum class TVekaCursor { Finger, UpDown, UpDown10, Speaker };

// Needs a running QGuiApplication; the cursors live until the process ends.
const QCursor& VekaCursor(TVekaCursor which);

}  // namespace veka
