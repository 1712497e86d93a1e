#pragma once
// TDrumWindow1: the instruments of the drum set on one drum map, one row per note, one column
// per drum parameter; a tab per port and drum map. Pressing a row header plays the note on the
// part that uses the map; with the drag button down, rows are dragged onto the user drum
// window instead. Every edit is one SetDrumValue of the image, which sends it.
#include <QByteArray>
#include <QPointer>
#include <QString>
#include <array>
#include <vector>

#include "document/part_order.h"
#include "widgets/veka_grid.h"
#include "windows/veka_temp_form.h"

class QLabel;
class QMdiSubWindow;
class QMimeData;
class QTabBar;
class QToolButton;

namespace veka {

class TBookmarkMenu;
class TEdgeFontPanel;

// What a dragged drum row carries: the set it comes from, its note, its nine values and, for a
// user drum set, the note's own source.
struct TDrumRowDrag {
    int ToneMap = 0, Program = 0, Note = 0;
    std::array<int32_t, 9> Values{};
    bool FromUserSet = false;
    std::array<int32_t, 3> Source{};  // "S. Drum Set Map#", "S. Drum Set PG#", "S. Note Number"
};
inline constexpr const char* kDrumRowMime = "application/x-veka-drum-row";
QByteArray EncodeDrumRow(const TDrumRowDrag& row);
// False for anything that is not a whole row of this program's making.
bool DecodeDrumRow(const QMimeData* data, TDrumRowDrag& row);

class TDrumWindow1 : public TVekaTempForm {
    Q_OBJECT
public:
    static constexpr int kFixedCols = 2;
    static constexpr int kColumnOrder = 4;  // the part order file of its columns

    TDrumWindow1(const TWindowServices& services, IPartOrderStore& orders, QWidget* parent = nullptr);
    ~TDrumWindow1() override;

    // Rebuilds the grid for the current port and the shown drum map.
    void RebuildDrum();
    int DrumMap() const { return Map_; }
    bool ShowsSet() const { return ShowsSet_; }
    // The note of a grid row (-1 outside).
    int NoteOfRow(int row) const;
    // The row being dragged as it is sent to the user drum window.
    TDrumRowDrag RowData(int row) const;

    // The window pattern.
    void RefreshFromImage() override;
    void PropagateValue(const TLinkData& link, int value) override;
    void NotePlayed(int port, int part, int note) override;
    bool ShowParameter(int port, const TLinkData& link) override;

    TVekaGrid* Grid() const { return VekaGrid1D_; }
    QTabBar* Tabs() const { return TabControl1_; }
    QToolButton* DragButton() const { return tbCanDrag_; }
    TEdgeFontPanel* TitlePanel() const { return EdgeFontPanel1_; }
    QString StatusText() const;
    bool Auditioning() const { return Auditioning_; }
    TBookmarkMenu* Bookmarks() const { return Bookmarks_; }

    // Handlers.
    void TabControl1Change(int index);
    void VekaGrid1DClick();
    void VekaGrid1DCellChange(int col, int row, const TOneCell& cell);
    void VekaGrid1DPutLink(const TOneCell& cell);
    void VekaGrid1DColumnMoved(int from, int to);
    // A press on a row header (the tests call it with a row; the mouse calls it too).
    void RowHeaderPress(int row, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

protected:
    void ImageChanged(const TChangeNotice& change) override;
    void DrumSetLoaded(int port, int map) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void ShowTabs();
    void FillRows();
    void UpdateSizeLimits();
    void StoreColumns();
    int ParameterOfColumn(int col) const;
    void SoundRow(int row, bool start);
    void GridMouseDown(QMouseEvent* event);
    void GridMouseMove(QMouseEvent* event);
    void GridMouseUp(QMouseEvent* event);

    IPartOrderStore& Orders_;
    TEdgeFontPanel* EdgeFontPanel1_ = nullptr;
    QToolButton* tbCanDrag_ = nullptr;
    QTabBar* TabControl1_ = nullptr;
    TVekaGrid* VekaGrid1D_ = nullptr;
    QLabel* StatusBar1_ = nullptr;
    TBookmarkMenu* Bookmarks_ = nullptr;
    QPointer<QMdiSubWindow> Frame_;
    int Map_ = 1;
    bool ShowsSet_ = false;
    int SetToneMap_ = 0, SetProgram_ = 0;
    std::vector<TLinkData> Columns_;
    std::vector<int> Notes_;
    bool Auditioning_ = false;
    int AuditionRow_ = 0;
};

}  // namespace veka
