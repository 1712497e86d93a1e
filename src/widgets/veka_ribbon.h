#pragma once
// TVekaRibon: the ribbon controller, a black bar with a green cursor line. A cursor at x gives
// 64 * (x - 5), from 0 at x = 5 to 16320 at the width - 4; the centre (width / 2 + 1) gives 8192.
// The left button moves the cursor to the pointer and it follows while held; the right button
// centres it. In return mode (pitch bend) the released cursor springs back to the centre. The
// keys move it too.
#include <QWidget>

namespace veka {

class TVekaRibon : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 264;
    static constexpr int kHeight = 18;
    static constexpr int kLeft = 5;

    explicit TVekaRibon(QWidget* parent = nullptr);

    int Value() const { return 64 * (CursorX_ - kLeft); }
    int CursorX() const { return CursorX_; }
    int CentreX() const { return width() / 2 + 1; }
    // Moves the cursor to the place of value (clamped); no event.
    void SetValue(int value);
    bool ReturnMode = true;
    // Ends a drag as a release would: pitch bend goes back to the centre.
    void CancelDrag();

    QSize sizeHint() const override { return QSize(kWidth, kHeight); }

signals:
    // Every move of the cursor by the pointer, with the new value.
    void OnChange(int value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Left and Right move the cursor a step (eight with Ctrl), Page Up and Down further, Home
    // and End to the ends.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void MoveTo(int x);
    void SpringBackFromKeys();

    int CursorX_ = kWidth / 2 + 1;
    bool Dragging_ = false;
    int HeldKey_ = 0;  // the key that moved the cursor, until it is let go
};

}  // namespace veka
