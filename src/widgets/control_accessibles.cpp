#include "widgets/control_accessibles.h"

#include <QLabel>
#include <QPointer>
#include <QTimer>

#include <array>

#include "module/value_texts.h"
#include "widgets/edge_font_panel.h"
#include "widgets/effect_pictures.h"
#include "widgets/veka_grid.h"
#include "widgets/veka_grid_accessible.h"
#include "widgets/veka_keyboard.h"
#include "widgets/veka_ribbon.h"

namespace veka {

namespace {

constexpr int kSpokenVelocity = 100;  // a key pressed by an assistive tool
constexpr int kSpokenNoteMs = 300;    // and how long it sounds

// The ribbon: a slider over the values the pointer can give (0 to 64 steps of the width).
class TRibbonAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TRibbonAccessible(TVekaRibon* ribbon) : QAccessibleWidget(ribbon, QAccessible::Slider) {}
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return QString::number(Ribbon()->Value());
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return Ribbon()->Value(); }
    void setCurrentValue(const QVariant& value) override {
        TVekaRibon* ribbon = Ribbon();
        const int before = ribbon->Value();
        ribbon->SetValue(value.toInt());
        if (ribbon->Value() != before) emit ribbon->OnChange(ribbon->Value());
    }
    QVariant maximumValue() const override { return 64 * (Ribbon()->width() - 4 - TVekaRibon::kLeft); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 64; }

private:
    TVekaRibon* Ribbon() const { return static_cast<TVekaRibon*>(widget()); }
};

// The title panel reads as its caption.
class TPanelAccessible : public QAccessibleWidget {
public:
    explicit TPanelAccessible(TEdgeFontPanel* panel) : QAccessibleWidget(panel, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        QString text = QAccessibleWidget::text(t);
        if ((t == QAccessible::Name || t == QAccessible::Value) && text.isEmpty())
            text = static_cast<TEdgeFontPanel*>(widget())->Caption();
        return text;
    }
};

// One key of the on-screen keyboard: a button named by its note, down while it sounds.
class TKeyAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TKeyAccessible(TVekaKeyboard* keyboard, int note) : Keyboard_(keyboard), Note_(note) {}
    bool isValid() const override { return Keyboard_; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Parent() ? Parent()->window() : nullptr; }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return Parent(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? SpokenNoteName(Note_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!Keyboard_) return {};
        QRect key = KeyRect();
        return QRect(Keyboard_->mapToGlobal(key.topLeft()), key.size());
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!Keyboard_) {
            state.invalid = true;
            return state;
        }
        state.pressed = Keyboard_->KeyDown(Note_);
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name != pressAction() || !Keyboard_) return;
        emit Keyboard_->OnNoteDown(Note_, kSpokenVelocity);
        QTimer::singleShot(kSpokenNoteMs, Keyboard_.data(), [keyboard = Keyboard_] {
            if (keyboard) emit keyboard->OnNoteUp();
        });
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QAccessibleInterface* Parent() const {
        return Keyboard_ ? QAccessible::queryAccessibleInterface(Keyboard_.data()) : nullptr;
    }
    QRect KeyRect() const {
        const int white = TVekaKeyboard::WhiteIndexOf(Note_);
        const int w = TVekaKeyboard::OneKeyWidth;
        if (white >= 0) return QRect(white * w, 0, w, TVekaKeyboard::kHeight - TVekaKeyboard::kStripHeight);
        const int below = TVekaKeyboard::WhiteIndexOf(Note_ - 1);
        return QRect(below * w + w * 2 / 3, 0, w * 2 / 3, TVekaKeyboard::kBlackHeight);
    }

    QPointer<TVekaKeyboard> Keyboard_;
    int Note_;
};

class TKeyboardAccessible : public QAccessibleWidget {
public:
    explicit TKeyboardAccessible(TVekaKeyboard* keyboard) : QAccessibleWidget(keyboard, QAccessible::Grouping) {}
    ~TKeyboardAccessible() override {
        for (QAccessible::Id id : Keys_)
            if (id) QAccessible::deleteAccessibleInterface(id);
    }
    int childCount() const override { return 128; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= 128) return nullptr;
        QAccessible::Id& id = Keys_[size_t(index)];
        if (id) return QAccessible::accessibleInterface(id);
        auto* key = new TKeyAccessible(static_cast<TVekaKeyboard*>(widget()), index);
        id = QAccessible::registerAccessibleInterface(key);
        return key;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (size_t i = 0; i < Keys_.size(); ++i)
            if (Keys_[i] && QAccessible::accessibleInterface(Keys_[i]) == child) return int(i);
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
        const TKeyAtPoint key = TVekaKeyboard::KeyAt(local.x(), local.y());
        return key.Note >= 0 ? child(key.Note) : nullptr;
    }

private:
    mutable std::array<QAccessible::Id, 128> Keys_{};
};

QAccessibleInterface* ControlFactory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("veka::TVekaGrid")) return new TVekaGridAccessible(static_cast<TVekaGrid*>(widget));
    if (className == QLatin1String("veka::TVekaRibon")) return new TRibbonAccessible(static_cast<TVekaRibon*>(widget));
    if (className == QLatin1String("veka::TEdgeFontPanel"))
        return new TPanelAccessible(static_cast<TEdgeFontPanel*>(widget));
    if (className == QLatin1String("veka::TVekaKeyboard"))
        return new TKeyboardAccessible(static_cast<TVekaKeyboard*>(widget));
    if (className == QLatin1String("veka::TEffectPicture")) return new QAccessibleWidget(widget, QAccessible::Graphic);
    return nullptr;
}

}  // namespace

void InstallControlAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(ControlFactory);
        return true;
    }();
    (void)installed;
}

void TellValue(QWidget* control, int value) {
    if (!QAccessible::isActive()) return;
    QAccessibleValueChangeEvent change(control, value);
    QAccessible::updateAccessibility(&change);
}

QLabel* LabelFor(const QString& text, QWidget* control, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(control);
    control->setAccessibleName(label->text().remove(QLatin1Char('&')).trimmed());
    return label;
}

QString SpokenNoteName(int note) { return QString::fromStdString(NoteText(note)).remove(QLatin1Char(' ')); }

}  // namespace veka
