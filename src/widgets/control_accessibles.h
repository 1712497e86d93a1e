#pragma once
// What a screen reader finds in the painted controls: the grid as a table (veka_grid_accessible.h),
// the ribbon as a slider with its value, the
// title panel as its caption, the effect pictures as graphics described by their window, the
// on-screen keyboard as a group of keys named by note ("C4", "F#5") that can be pressed.
#include <QAccessibleWidget>

class QLabel;
class QWidget;

namespace veka {

// Installs the factory once; every control of these kinds calls it when it is made.
void InstallControlAccessibility();

// Tells assistive tools that a control's value changed (nothing when none listens).
void TellValue(QWidget* control, int value);

// A note's name as the keyboard's keys are read: "C4" for 60, "C#4" for 61.
QString SpokenNoteName(int note);

// A label that names control: its buddy (Alt+its letter goes there) and its accessible name
// (lists and tables take none from a buddy).
QLabel* LabelFor(const QString& text, QWidget* control, QWidget* parent);

}  // namespace veka
