#pragma once
// TDisplayWindow: a 16 x 16 dot picture and a line of text for the module's display, sent as
// model-45 messages, and the ".dsp" presets in the program folder that keep them.
#include <QWidget>

#include "windows/veka_temp_form.h"
#include "module/display_data.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace veka {

// The dot picture: off dots orange, on dots black; a press applies the pen to a dot, a drag
// to every other dot it enters once. From the keys: the arrows move a cursor, Space applies the
// pen there, Shift with an arrow moves and applies (a line).
class TDotGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCellWidth = 16, kCellHeight = 8;  // the display's 8 x 4 dots, twice
    enum TPen { penBlack = 0, penClear = 1, penReverse = 2 };

    explicit TDotGrid(QWidget* parent = nullptr);
    TDisplayDots Dots;
    int Pen = penBlack;
    // Column and row of a point, false outside the picture.
    bool DotAt(const QPoint& pos, int& column, int& row) const;
    QSize sizeHint() const override;
    int CursorColumn() const { return CursorColumn_; }
    int CursorRow() const { return CursorRow_; }
    // The words a screen reader says of a dot, in the window's language: off, on.
    QString OffWord, OnWord;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Space draws here; no shortcut of the program takes it away.
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Apply(int column, int row);
    void UpdateDot(int column, int row);
    void TellCursor();  // the dot under the cursor, as its accessible value
    bool Dragging_ = false;
    int CursorColumn_ = 0, CursorRow_ = 0;
    int LastColumn_ = -1, LastRow_ = -1;
};

class TDisplayWindow : public TVekaTempForm {
    Q_OBJECT
public:
    TDisplayWindow(const TWindowServices& services, IMessageOut& out, QWidget* parent = nullptr);

    TDotGrid* Grid() const { return GRID_; }
    QLineEdit* TextEdit() const { return Edit1_; }
    QComboBox* Presets() const { return cbPreset_; }
    QToolButton* PenButton(int pen) const;

    // Handlers.
    void ToolbarButton971Click(int pen);
    void ToolbarButton974Click();  // all clear
    void ToolbarButton975Click();  // all black
    void Button1Click();           // send the picture
    void Button2Click();           // send the text
    void Button3Click();           // close
    void SpeedButton1Click();      // save as preset
    void cbPresetChange(int index);

    // The names of the ".dsp" files in the preset folder, sorted.
    void FillPresets();

private:
    IMessageOut& Out_;
    TDotGrid* GRID_ = nullptr;
    QButtonGroup* Pens_ = nullptr;
    QLineEdit* Edit1_ = nullptr;
    QComboBox* cbPreset_ = nullptr;
};

}  // namespace veka
