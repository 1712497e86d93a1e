#pragma once
// TEffectWindow: the module's effect blocks, one page each: reverb, chorus, delay, the two-band
// equaliser, the insertion effect and its sends and controls. A page shows its block's system
// parameters in a value grid with the macro or type chooser above it, a picture of what the
// settings do, the sixteen parts' sends to the block (linked with the part window), and the
// block's presets. Every edit is one image set operation, which sends it at once.
#include <QPointer>
#include <QString>

#include "document/effect_pages.h"
#include "widgets/veka_grid.h"
#include "windows/veka_temp_form.h"

class QComboBox;
class QLabel;
class QStackedWidget;
class QTabBar;
class QTimer;
class QToolButton;

namespace veka {

class TBookmarkMenu;
class TChorusPicture;
class TEdgeFontPanel;
class TMGeqGS;
class TVekaDelay;

class TEffectWindow : public TVekaTempForm {
    Q_OBJECT
public:
    TEffectWindow(const TWindowServices& services, IParameterOut& out, QWidget* parent = nullptr);
    ~TEffectWindow() override;

    // The window pattern.
    void RefreshFromImage() override;
    void Stabilize() override;
    void SelectPart(int part) override;
    bool ShowParameter(int port, const TLinkData& link) override;
    void PropagateValue(const TLinkData& link, int value) override;

    int Page() const { return Page_; }
    // The system parameter of a grid row on the shown page (0 for the header and beyond).
    int NumberOfRow(int row) const;

    // What tests and the main window look at.
    QTabBar* Pages() const { return TabControl1_; }
    QTabBar* PortTabs() const { return TabControl2_; }
    TVekaGrid* Grid() const { return VekaGrid1_; }
    TVekaGrid* SendGrid() const { return VekaGrid2_; }
    QComboBox* Chooser() const { return cbMacro_; }
    QLabel* ChooserLabel() const { return MacroLabel_; }
    QComboBox* PresetList() const { return cbPreset_; }
    QToolButton* SaveButton() const { return sbSave_; }
    TEdgeFontPanel* TitlePanel() const { return EdgeFontPanel1_; }
    TMGeqGS* Equaliser() const { return MGeqGS1_; }
    TVekaDelay* DelayPicture() const { return VekaDelay1_; }
    TChorusPicture* ChorusPicture() const { return Chorus_; }
    QTimer* Timer() const { return Timer1_; }
    QString StatusText() const;
    TBookmarkMenu* Bookmarks() const { return Bookmarks_; }

    // Handlers.
    void TabControl1Change(int page);
    void TabControl2Change(int port);
    void cbMacroChange(int index);
    void VekaGrid1Click();
    void VekaGrid1CellChange(int col, int row, const TOneCell& cell);
    void VekaGrid1PutLink(const TOneCell& cell);
    void VekaGrid2Click();
    void VekaGrid2CellChange(int col, int row, const TOneCell& cell);
    void VekaGrid2PutLink(const TOneCell& cell);
    void cbPresetChange(int index);
    void sbSaveClick();
    void Timer1Timer();

protected:
    void ImageChanged(const TChangeNotice& change) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool PageRefused() const;  // the insertion pages on a module without insertion effect
    void FillChooser();
    void BuildParameterGrid();
    void FillParameterCell(int row);
    void BuildSendGrid();
    void FillPresetList();
    void ShowPicture();
    // Redraws the page's picture; row is the grid row that changed (0: any).
    void RedrawPicture(int row = 0);
    void UpdateTimer();
    void ShowTitle(const std::string& name, const std::string& valueText);
    void ReviewEdit();
    void FitGrids();

    IParameterOut& Out_;
    TEdgeFontPanel* EdgeFontPanel1_ = nullptr;
    QTabBar* TabControl1_ = nullptr;
    QTabBar* TabControl2_ = nullptr;
    QWidget* PageArea_ = nullptr;
    QLabel* MacroLabel_ = nullptr;
    QComboBox* cbMacro_ = nullptr;
    TVekaGrid* VekaGrid1_ = nullptr;
    TVekaGrid* VekaGrid2_ = nullptr;
    QStackedWidget* Pictures_ = nullptr;
    TVekaDelay* VekaDelay1_ = nullptr;
    TChorusPicture* Chorus_ = nullptr;
    TMGeqGS* MGeqGS1_ = nullptr;
    QWidget* NoPicture_ = nullptr;
    QLabel* PresetLabel_ = nullptr;
    QComboBox* cbPreset_ = nullptr;
    QToolButton* sbSave_ = nullptr;
    QLabel* StatusBar1_ = nullptr;
    QTimer* Timer1_ = nullptr;
    TBookmarkMenu* Bookmarks_ = nullptr;
    int Page_ = 0;
    bool Blinking_ = false;
};

}  // namespace veka
