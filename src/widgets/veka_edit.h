#pragma once
// TVekaEdit: a number field edited the way a grid cell is: drag up or down to step the value
// (step 10 with Ctrl), keypad plus and minus step it, and typed digits are taken at once.
#include <QLineEdit>
#include <QString>

namespace veka {

class TVekaEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TVekaEdit(QWidget* parent = nullptr);

    int Value() const { return Value_; }
    // Clamps to [Min, Max], the upper bound first, and shows the value's text.
    void SetValue(int value);
    int Min() const { return Min_; }
    int Max() const { return Max_; }
    void SetMin(int min) { Min_ = min; }
    void SetMax(int max) { Max_ = max; }
    int Step() const { return Step_; }

signals:
    // Emitted after the user changed the value (drag, keypad, typed text).
    void OnEditValueChange(TVekaEdit* sender, int value);
    // The next two hand the receiver a text to fill in, which the field reads back as soon as
    // the emission returns: they need a direct connection (the default in the field's thread).
    // Asks for the text of a value; *text comes empty, and left empty the decimal number shows.
    void OnTextStringChanging(TVekaEdit* sender, int value, QString* text);
    // Emitted before typed text is taken; may rewrite *text. oldValue is the value before.
    void OnCheckText(TVekaEdit* sender, int oldValue, QString* text);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void StepBy(int delta);
    // Takes the typed text as the value, or puts the value's text back when it is no number.
    void TakeText();
    void ShowValue();

    int Value_ = 0;
    int Min_ = 0;
    int Max_ = 127;
    int Step_ = 1;
    bool Dragging_ = false;
    int PressY_ = 0;
    int LastY_ = 0;
};

}  // namespace veka
