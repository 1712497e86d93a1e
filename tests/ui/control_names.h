#pragma once
// The controls of a window that a screen reader would meet without a name.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QWidget>

#include <string>
#include <vector>

namespace veka::test {

// The controls a screen reader's user meets: what takes the focus, what can be pressed or set,
// and the painted controls that show something (lamps, title panels, pictures).
inline bool Meets(const QWidget& widget) {
    // Named by the area they scroll and the table they head.
    if (qobject_cast<const QScrollBar*>(&widget) || qobject_cast<const QHeaderView*>(&widget)) return false;
    if (widget.objectName().startsWith(QLatin1String("qt_"))) return false;
    static const char* const painted[] = {"veka::TLEDPanel", "veka::TEdgeFontPanel", "veka::TEffectPicture",
                                          "veka::TVekaKeyboard", "veka::TVekaRibon", "veka::TVekaGrid"};
    for (const char* kind : painted)
        if (widget.inherits(kind)) return true;
    return qobject_cast<const QAbstractButton*>(&widget) || qobject_cast<const QComboBox*>(&widget) ||
           qobject_cast<const QLineEdit*>(&widget) || qobject_cast<const QAbstractSlider*>(&widget) ||
           qobject_cast<const QTabBar*>(&widget) || qobject_cast<const QAbstractItemView*>(&widget);
}

// The line edit inside an editable combo box is named by the box.
inline bool PartOfAnother(const QWidget& widget) {
    return qobject_cast<const QLineEdit*>(&widget) && qobject_cast<const QComboBox*>(widget.parentWidget());
}

// The controls under root that a screen reader could not name, as "window: class name".
inline std::vector<std::string> UnnamedControls(QWidget& root) {
    std::vector<std::string> unnamed;
    for (QWidget* widget : root.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&root) || !Meets(*widget) || PartOfAnother(*widget)) continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (accessible && !accessible->text(QAccessible::Name).trimmed().isEmpty()) continue;
        QString where;
        for (QWidget* up = widget->parentWidget(); up && up != &root; up = up->parentWidget())
            if (!up->windowTitle().isEmpty()) {
                where = up->windowTitle();
                break;
            }
        unnamed.push_back((where + QStringLiteral(": ") + QLatin1String(widget->metaObject()->className()) +
                           QLatin1Char(' ') + widget->objectName())
                              .toStdString());
    }
    return unnamed;
}

}  // namespace veka::test
