#pragma once
// TVekaGrid: the value grid of every editor window. Each cell carries its value with bounds,
// default and the identity of the parameter it shows; values are edited in place by vertical
// mouse drag, Shift/Ctrl + wheel, keypad plus and minus, Backspace or double-click (default) and
// typed numbers. The grid knows nothing of the module: the owning window turns OnCellChange
// (every step) and OnPutLink (a finished gesture that changed the value) into module changes.
#include <QAbstractScrollArea>
#include <QFont>
#include <QFontMetrics>
#include <QStaticText>
#include <QStringDecoder>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "widgets/veka_cursors.h"
#include "module/one_parameter.h"

class QLineEdit;

namespace veka {

inline constexpr int kCellTextMax = 32;      // characters (code points) of TOneCell::Text
inline constexpr int kFreshColumnWidth = 64;  // width of a new column and Spare of a new cell

constexpr TLinkData FreshCellLink() {
    TLinkData link;
    link.Spare = kFreshColumnWidth;
    return link;
}

struct TOneCell {
    int32_t Max = 0, Min = 0, Default = 0, Value = 0;
    std::array<uint8_t, 3> Address{};
    uint8_t AddressLength = 0;
    std::string Text;  // header caption, or the text shown when ShowAs is 1
    uint8_t Flag = 1;
    TLinkData Link = FreshCellLink();  // Link.Spare of a row-0 cell: the column's width
    uint8_t ShowAs = 0;                // 0 = Value in decimal, 1 = Text, other = nothing
};

// A value cell made from a parameter record: its range, default, value and address, each less
// shift (a parameter shown centred on zero), and its link.
void FillCellFromParameter(TOneCell& cell, const TOneParameter& p, int32_t shift, const TLinkData& link);

// Cuts text to its first kCellTextMax characters (UTF-8 aware).
void CutCellText(std::string& text);

class TVekaGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int kMaxCols = 131, kMaxRows = 1101;

    explicit TVekaGrid(QWidget* parent = nullptr);  // 5 x 5 cells, 1 fixed row, 1 fixed col
    ~TVekaGrid() override;

    // --- Dimensions. Setting them discards every cell (fresh records) and focuses the first
    // value cell; SetGridSize with the present counts keeps everything.
    int ColCount() const { return Cols_; }
    int RowCount() const { return Rows_; }
    int FixedCols() const { return FixedCols_; }
    void SetFixedCols(int count);
    int FixedRows() const { return FixedRows_; }
    void SetFixedRows(int count);
    void SetGridSize(int cols, int rows);
    void SetColumnCount(int cols);
    void SetRowCountCells(int rows);

    // --- Cells. Out-of-range indices are ignored (reads give a fresh cell).
    TOneCell GetCell(int col, int row) const;
    void PutCell(int col, int row, const TOneCell& cell);  // no event
    TOneCell& Cell(int col, int row);  // direct access; call RepaintCell/viewport()->update() after
    void RepaintCell(int col, int row);
    int32_t GetCellValue(int col, int row) const;
    // Clamps, raises OnCellChange, then OnPutLink when the value differs from the gesture's start.
    void SetCellValue(int col, int row, int32_t value);
    // The same as a gesture of its own (an assistive tool's): starts from the cell's value.
    void SetCellValueAsEdit(int col, int row, int32_t value);
    // Shows a value changed elsewhere in the first value cell with the same Owner and Index;
    // stored as given, no event.
    void SetLinkedValue(const TLinkData& link, int32_t value);
    // Adds delta to the focused cell (clamped) and raises OnCellChange; no OnPutLink.
    void IncCellValue(int delta);
    // Moves column from to column to with its cells and width; OnColumnMoved runs first.
    void MoveColumn(int from, int to);

    // --- Layout.
    // Row height from the font, value column widths from their header cells' Link.Spare, and
    // the widget's height to whole rows (plus a horizontal scroll bar when columns are hidden).
    void FitHeight();
    int FittedHeight() const { return FittedHeight_; }  // the height the last FitHeight chose
    int Col() const { return Col_; }
    int Row() const { return Row_; }
    void SetFocusCell(int col, int row);  // value cells only; scrolls it into view, no OnClick
    int ColWidth(int col) const;
    void SetColWidth(int col, int width);  // also stored in the row-0 cell's Link.Spare
    int RowHeight() const { return RowHeight_; }
    void SetRowHeight(int height);
    int TopRow() const;
    int LeftCol() const;
    void SetTopRow(int row);
    void SetLeftCol(int col);
    int VisibleRowCount() const;  // value rows wholly visible from TopRow
    int VisibleColCount() const;  // value columns wholly visible from LeftCol
    QRect CellRect(int col, int row) const;  // viewport coordinates; empty when not visible
    bool CellAt(const QPoint& viewportPos, int& col, int& row) const;
    // The selected range (focused cell and anchor); a value drag may widen it until release.
    QRect Selection() const;
    bool PointerOverValueCell() const { return OverValueCell_; }

    // --- What assistive tools read (veka_grid_accessible.cpp presents it as a table).
    // The text a cell shows: its value, its text, or nothing.
    QString ShownText(int col, int row) const;
    // A value row's name: RowNameForSpeech when the window gives one ("A1"), else the texts of
    // the fixed columns. A value column's name: the texts of its fixed rows ("Volume").
    QString SpokenRowName(int row) const;
    QString SpokenColumnName(int col) const;
    std::function<QString(int row)> RowNameForSpeech;
    // Moves the cursor as a click would (OnClick follows).
    void FocusCellByUser(int col, int row) { MoveFocus(col, row, true); }

    bool SpeakerCursor = false;
    bool AllowColumnMove = false;
    bool AllowColumnSizing = true;

    int EditStep() const { return EditStep_; }  // 1, or 10 while Ctrl is held
    QLineEdit* InplaceEditor() const { return Editor_; }

    QSize sizeHint() const override;

signals:
    // Every event is emitted synchronously while the grid is inside the action that raised it;
    // the receivers must be connected directly (the default for the grid's own thread).
    void OnCellChange(int col, int row, const TOneCell& cell);
    void OnPutLink(const TOneCell& cell);
    void OnMouseInc(int col, int row, int inc);
    void OnChange();  // scrolled
    void OnClick();   // after every click or focus move by mouse or key
    void OnDblClick();
    void OnColumnMoved(int from, int to);  // emitted before the grid moves the cells
    // The window's own mouse handling, after the grid's.
    void OnMouseDown(QMouseEvent* event);
    void OnMouseMove(QMouseEvent* event);
    void OnMouseUp(QMouseEvent* event);
    // Emitted before the grid's key handling (except Ctrl+arrow) with *handled false; a
    // receiver that sets it swallows the key. The flag lives only during the emission, so a
    // queued connection could not answer.
    void OnKeyDown(QKeyEvent* event, bool* handled);
    void OnEnter();  // the grid got the focus
    void OnExit();   // the focus left the grid and its editor
    // The invalid-value message. A connected receiver takes the place of the grid's own warning
    // box (tests connect one); with none the grid shows the box itself.
    void ShowWarning(const QString& text);

protected:
    bool event(QEvent* event) override;
    // A header cut to its column shows its whole caption as a tooltip.
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class TGesture { None, ValueDrag, Sizing, Moving };

    // Cell store (veka_grid.cpp).
    bool Valid(int col, int row) const { return col >= 0 && col < Cols_ && row >= 0 && row < Rows_; }
    bool IsValueCell(int col, int row) const {
        return Valid(col, row) && col >= FixedCols_ && row >= FixedRows_;
    }
    TOneCell* At(int col, int row);
    const TOneCell* At(int col, int row) const;
    void Reallocate(int cols, int rows);
    void PutLinkTest(int col, int row);
    static int32_t Clamp(int64_t value, const TOneCell& cell);

    // Geometry and scrolling (veka_grid.cpp).
    int FixedWidth() const;
    int FixedHeight() const;
    int ColX(int col) const;  // left edge in viewport coordinates, or INT_MIN when hidden
    int RowY(int row) const;
    int MaxTopRow() const;
    int MaxLeftCol() const;
    void UpdateScrollBars();
    void EnsureVisible(int col, int row);
    void MoveFocus(int col, int row, bool byUser);
    void RepaintHeaders();
    bool ShowsFocusFrame() const;
    int SizingColumnAt(const QPoint& pos) const;

    // Painting (veka_grid_paint.cpp).
    void UpdateFontCaches();
    void PaintCell(QPainter& painter, int col, int row, const QRect& rect) const;
    void PaintHeader(QPainter& painter, int col, int row, const QRect& rect) const;
    QString DecodeText(const std::string& text, QChar* buffer) const;

    // Input (veka_grid_input.cpp).
    void OpenEditor(const QString& digit);
    void CommitEditor(int key);
    void HideEditor();
    // A click while the entry is open: false when the click belongs to the entry.
    bool CloseEditorForClick(const QPoint& pos);
    void OnFocusChanged(QWidget* old, QWidget* now);
    void UpdateCursor(const QPoint& pos);
    void SetScreenCursor(int which);  // -1 = none, else a TVekaCursor
    bool CtrlArrow(int key);
    bool NavigationKey(QKeyEvent* event);
    void DefaultWarning(const QString& text);

    // Assistive tools hear of the cursor moving and of the focused cell's shown text changing,
    // however it changed (a key, a drag, another window, an undo, a file).
    void TellFocusMoved();
    void TellFocusedValue();
    void TellCellsRebuilt();
    int SpokenCol_ = -1, SpokenRow_ = -1;
    QString SpokenText_;

    int Cols_ = 0, Rows_ = 0;
    int FixedCols_ = 1, FixedRows_ = 1;
    std::vector<TOneCell> Cells_;  // column after column
    std::vector<int> ColWidths_;
    int RowHeight_ = 24;
    int FittedHeight_ = 0;
    TOneCell Scratch_;  // handed out for out-of-range Cell() calls

    int Col_ = 1, Row_ = 1;
    int AnchorCol_ = 1, AnchorRow_ = 1;
    int LastCol_ = 1, LastRow_ = 1;

    int EditStep_ = 1;
    int32_t StartValue_ = 0;
    bool Armed_ = true;

    TGesture Gesture_ = TGesture::None;
    QPoint PressPos_;
    int LastStepY_ = 0;
    int PressCol_ = -1, PressRow_ = -1;
    int SizingCol_ = -1, SizingStartWidth_ = 0;
    int MoveFrom_ = -1, MoveTo_ = -1;
    bool MoveShown_ = false;
    bool OverValueCell_ = false;
    int ScreenCursor_ = -1;
    int WheelRest_ = 0;

    QLineEdit* Editor_ = nullptr;
    bool InWarning_ = false;
    bool ForwardingKey_ = false;  // a key passed on to the open entry
    int Relayout_ = 0;            // inside a resize: scrolling it causes is no user's scroll
    struct TRelayout {
        explicit TRelayout(int& depth) : Depth(depth) { ++Depth; }
        ~TRelayout() { --Depth; }
        TRelayout(const TRelayout&) = delete;
        TRelayout& operator=(const TRelayout&) = delete;
        int& Depth;
    };
    bool Entered_ = false;  // the focus is in the grid or its editor (kept while the window is inactive)

    // Painting caches, renewed when the font changes. Laid-out texts are kept per value and
    // per text, so a repaint shapes no text it has drawn before.
    struct TStringHash {
        using is_transparent = void;
        size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    struct THeaderText {
        int Width = -1;  // the column width the caption was cut for
        QStaticText Text;
    };
    template <class T>
    using TTextCache = std::unordered_map<std::string, T, TStringHash, std::equal_to<>>;
    const QStaticText& NumberText(int32_t value) const;
    const QStaticText& CellText(const std::string& text) const;
    const QStaticText& HeaderText(const std::string& text, int width) const;

    QFont BoldFont_;
    QFontMetrics Metrics_{QFont()};
    QFontMetrics BoldMetrics_{QFont()};
    int BiWidth_ = 0;
    mutable QStringDecoder Utf8_{QStringDecoder::Utf8};
    mutable std::unordered_map<int32_t, QStaticText> NumberTexts_;
    mutable TTextCache<QStaticText> CellTexts_;
    mutable TTextCache<THeaderText> HeaderTexts_;
};

}  // namespace veka
