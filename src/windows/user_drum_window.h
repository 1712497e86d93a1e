#pragma once
// TUserDrumWindow: the module's two user drum sets (programs 65 and 66), 128 notes each with
// the nine drum parameters and the note's source (the drum set map, program and note the
// instrument comes from). Rows dragged from the drum window copy an instrument onto a note.
// Every edit is one SetUserDrumValue of the image, mirrored onto a drum map that holds the
// set; after it the part that plays the set takes its tone again so the module uses the edit.
#include <QPointer>
#include <QString>
#include <array>
#include <vector>

#include "document/part_order.h"
#include "widgets/veka_grid.h"
#include "windows/veka_temp_form.h"

class QLabel;
class QMdiSubWindow;
class QToolButton;

namespace veka {

class TBookmarkMenu;
class TEdgeFontPanel;
struct TDrumRowDrag;

class TUserDrumWindow : public TVekaTempForm {
    Q_OBJECT
public:
    static constexpr int kFixedCols = 2;
    static constexpr int kRows = kNoteCount + 1;
    static constexpr int kColumnOrder = 5;  // the part order file of its columns (read only)

    TUserDrumWindow(const TWindowServices& services, IMessageOut& out, IPartOrderStore& orders,
                    QWidget* parent = nullptr);
    ~TUserDrumWindow() override;

    int Set() const { return Set_; }  // 0 (program 65) or 1 (66)
    // The set buttons: pressing the one that is down keeps it down.
    void p3Click(int tag);
    // Drops a dragged drum row on note row (the drop of the grid calls it).
    void DropRow(const TDrumRowDrag& drag, int row);
    void RowHeaderPress(int row, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

    // The window pattern.
    void RefreshFromImage() override;
    void Stabilize() override;
    void PropagateValue(const TLinkData& link, int value) override;
    void NotePlayed(int port, int part, int note) override;
    bool ShowParameter(int port, const TLinkData& link) override;

    TVekaGrid* Grid() const { return VekaGrid1_; }
    QToolButton* SetButton(int tag) const { return Buttons_[size_t(tag & 1)]; }
    TEdgeFontPanel* TitlePanel() const { return EdgeFontPanel1_; }
    QString StatusText() const;
    int ColumnOf(int parameter) const;
    TBookmarkMenu* Bookmarks() const { return Bookmarks_; }

    // Handlers.
    void VekaGrid1Click();
    void VekaGrid1CellChange(int col, int row, const TOneCell& cell);
    void VekaGrid1PutLink(const TOneCell& cell);
    void VekaGrid1ColumnMoved(int from, int to);

protected:
    void ImageChanged(const TChangeNotice& change) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void Rebuild();
    void FillRow(int row);
    std::string SourceName(int note, const char* none);
    void UpdateSizeLimits();
    int ParameterOfColumn(int col) const;
    // Sets a drum parameter 1..9 of note on every drum map of the current port holding this set.
    void MirrorIntoMaps(int parameter, int note, int32_t value);
    void AfterEdit(int row);
    int PlayingPart() const;
    void GridMouseDown(QMouseEvent* event);
    void GridMouseUp(QMouseEvent* event);

    IMessageOut& Out_;
    IPartOrderStore& Orders_;
    TEdgeFontPanel* EdgeFontPanel1_ = nullptr;
    std::array<QToolButton*, 2> Buttons_{};
    TVekaGrid* VekaGrid1_ = nullptr;
    QLabel* StatusBar1_ = nullptr;
    TBookmarkMenu* Bookmarks_ = nullptr;
    QPointer<QMdiSubWindow> Frame_;
    std::vector<TLinkData> Columns_;
    int Set_ = 0;
    bool Auditioning_ = false;
};

}  // namespace veka
