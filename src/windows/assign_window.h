#pragma once
// TAssignWindow: the controller matrix of one part. Six controller sources (modulation, pitch
// bend, channel and polyphonic aftertouch, CC1, CC2) against eleven destinations give the part
// parameters 45 to 110; the part's CC1 and CC2 controller numbers (parameters 15 and 16) are
// chosen below. The window follows the current part and port.
#include "windows/veka_temp_form.h"

class QComboBox;
class QTabBar;

namespace veka {

class TEdgeFontPanel;
class TNotePlayer;
class TVekaGrid;
struct TOneCell;

class TAssignWindow : public TVekaTempForm {
    Q_OBJECT
public:
    static constexpr int kSources = 6;
    static constexpr int kDestinations = 11;
    static constexpr int kFirstParameter = 45;
    static constexpr int kCaptionWidth = 150;

    // The part parameter of a cell: 45 + source * 11 + destination.
    static constexpr int ParameterOf(int source, int destination) {
        return kFirstParameter + source * kDestinations + destination;
    }
    static const char* SourceCaption(int source);            // "Moduration" .. "CC2"
    static const char* DestinationCaption(int destination);  // " Pitch Control" .. " LFO2 TVA Depth"

    TAssignWindow(const TWindowServices& services, TNotePlayer& player, QWidget* parent = nullptr);

    // The window pattern.
    void RefreshFromImage() override;
    void SelectPart(int part) override;
    void PropagateValue(const TLinkData& link, int value) override;

    int ShownPart() const { return Part_; }
    TVekaGrid* Grid() const { return VekaGrid1_; }
    QTabBar* PortTabs() const { return TabControl1_; }
    QComboBox* Cc1List() const { return cbCC1_; }
    QComboBox* Cc2List() const { return cbCC2_; }
    QComboBox* PartList() const { return cbPart_; }
    QString HeaderText() const;

    // Handlers.
    void VekaGrid1Click();
    void VekaGrid1CellChange(int col, int row, const TOneCell& cell);
    void VekaGrid1PutLink(const TOneCell& cell);
    void cbCCChange(int parameter, int index);
    void cbPartChange(int index);
    void TabControl1Change(int port);

protected:
    void ImageChanged(const TChangeNotice& change) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowPart();
    void FillCell(int parameter);
    void ShowCcLists();
    void DescribeCell();
    void FitGrid();
    // The grid in its font and the window as large as its content.
    void FitToFont();

    TNotePlayer& Player_;
    TEdgeFontPanel* EdgeFontPanel1_ = nullptr;
    QTabBar* TabControl1_ = nullptr;
    TVekaGrid* VekaGrid1_ = nullptr;
    QComboBox* cbCC1_ = nullptr;
    QComboBox* cbCC2_ = nullptr;
    QComboBox* cbPart_ = nullptr;
    int Part_ = 1;
};

}  // namespace veka
