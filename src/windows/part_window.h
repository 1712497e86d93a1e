#pragma once
// TPartWindow1: the part parameters of the sixteen parts of one port. One row per part, one
// column per parameter of the chosen order (four orders, each with its columns and widths).
// An edit changes the module image, which sends it; the row headers audition a part.
#include <QString>
#include <array>
#include <memory>
#include <vector>

#include "document/part_order.h"
#include "widgets/veka_grid.h"
#include "windows/veka_temp_form.h"

class QLabel;
class QTabBar;
class QToolButton;

namespace veka {

class ISongMix;
class TEdgeFontPanel;
class TPartMixColumn;
class TPartRowAudition;

class TPartWindow1 : public TVekaTempForm {
    Q_OBJECT
public:
    static constexpr int kRows = 17;       // the header row and parts 1..16
    static constexpr int kFixedCols = 2;   // part number, tone name

    // mix: mute and solo of the song that plays, beside the part rows.
    TPartWindow1(const TWindowServices& services, IPartOrderStore& orders, ISongMix& mix, QWidget* parent = nullptr);
    ~TPartWindow1() override;

    // Shows order n (0..3) on the current port.
    void Rebuild(int order);
    int CurrentOrder() const { return Order_; }
    const std::vector<TLinkData>& OrderList() const { return OrderList_; }
    // The order buttons' hints from the settings file (after the customise dialog).
    void ReloadOrderNames();

    // IEditorWindow and the window pattern
    void RefreshFromImage() override;
    void Stabilize() override;
    void SelectPart(int part) override;
    bool ShowParameter(int port, const TLinkData& link) override;
    void PropagateValue(const TLinkData& link, int value) override;

    // What tests and the main window look at.
    TVekaGrid* Grid() const { return VekaGrid1_; }
    QTabBar* Tabs() const { return TabControl1_; }
    QToolButton* OrderButton(int n) const { return OrderButtons_[size_t(n & 3)]; }
    TEdgeFontPanel* TitlePanel() const { return EdgeFontPanel1_; }
    TPartMixColumn* MixColumn() const { return MixColumn_; }
    QString StatusText() const;
    bool Auditioning() const;

    // The displayed value of a parameter: two of them are shown centred on zero.
    static int DisplayShift(int parameter);

    // Handlers.
    void VekaGrid1Click();
    void VekaGrid1CellChange(int col, int row, const TOneCell& cell);
    void VekaGrid1PutLink(const TOneCell& cell);
    void VekaGrid1ColumnMoved(int from, int to);
    void p0Click(int tag);
    void TabControl1Change(int index);

protected:
    void ImageChanged(const TChangeNotice& change) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void FillRows();
    void FillCell(int col, int row);
    void StoreHeadersInOrder();
    void FitColumns();
    void UpdateHeightLimits();
    void ShowTitle(int parameter, int value);
    int FocusedPart() const;
    int ParameterOfColumn(int col) const;

    TEdgeFontPanel* EdgeFontPanel1_ = nullptr;
    std::array<QToolButton*, 4> OrderButtons_{};
    QTabBar* TabControl1_ = nullptr;
    TVekaGrid* VekaGrid1_ = nullptr;
    TPartMixColumn* MixColumn_ = nullptr;
    QLabel* StatusBar1_ = nullptr;
    IPartOrderStore& Orders_;
    std::vector<TLinkData> OrderList_;
    int Order_ = 0;
    std::unique_ptr<TPartRowAudition> RowAudition_;  // on the row headers
};

}  // namespace veka
