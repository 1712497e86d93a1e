#pragma once
// TPatchWindow: the tone of each part of the current port. A grid of the sixteen parts with
// their bank, map, program and part mode beside a tone browser: a tree of categories and a
// list of the tones and drum kits of the chosen maps, from which a tone goes onto the focused
// part by double-click, Enter or drag and drop. Setting a tone is one SetPartTone of the image
// (which sends it); drum parts on one drum map share its kit.
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "windows/patch_dialogs.h"
#include "document/tone_catalog.h"
#include "widgets/veka_grid.h"
#include "windows/veka_temp_form.h"

class QAbstractItemView;
class QLabel;
class QListView;
class QModelIndex;
class QSplitter;
class QStandardItemModel;
class QTabBar;
class QToolButton;
class QTreeView;
class QTreeWidget;
class QTreeWidgetItem;

namespace veka {

class TEdgeFontPanel;
class TPartRowAudition;

class TPatchWindow : public TVekaTempForm {
    Q_OBJECT
public:
    static constexpr int kRows = 17;
    enum TColumn : int { pcPart, pcName, pcBank, pcMap, pcProgram, pcMode, kColumns };
    // The list's views as the settings store them.
    enum TListState : int { lsIcons = 3, lsSmallIcons = 4, lsDetails = 6 };

    explicit TPatchWindow(const TWindowServices& services, QWidget* parent = nullptr);
    ~TPatchWindow() override;

    // The window pattern.
    void RefreshFromImage() override;
    void Stabilize() override;
    void SelectPart(int part) override;
    void PropagateValue(const TLinkData& link, int value) override;

    // Sets the part's tone from its row after the change of column changedCol (six steps).
    void ApplyRow(int row, int changedCol);
    // Puts a browser item on a part row, as a double-click or a drop does.
    void PutItem(const TBrowserItem& item, int row);
    // The list's lines now, ".." first.
    const std::vector<TBrowserItem>& Items() const { return Items_; }
    // Opens a tree node (a click on it) and lists it.
    void SelectNode(QTreeWidgetItem* node);
    QTreeWidgetItem* NodeFor(TNodeKind kind, int value) const;
    // A double-click or Enter on list line i.
    void ActivateItem(int index);
    void SortBy(int column);
    void SetListState(int state);
    int ListState() const { return ListState_; }
    void ExpandAll();
    void CollapseAll();
    void SearchClick();
    // The map buttons: tone map 1..4.
    QToolButton* MapButton(int toneMap) const { return MapButtons_[size_t(std::clamp(toneMap, 1, kToneMapCount))]; }
    void MapButtonClick(int toneMap);

    // Modal questions; tests answer them (nothing = Cancel).
    std::function<std::optional<int>(const std::string& kitName)> DrumMapQueryHook;
    std::function<std::optional<TSearchRequest>(const TMapChoice& maps)> SearchHook;

    // What tests and the main window look at.
    TVekaGrid* Grid() const { return VekaGrid1_; }
    QTabBar* Tabs() const { return TabControl1_; }
    QTreeWidget* Tree() const { return TreeView1_; }
    QTreeView* DetailsView() const { return Details_; }
    QListView* IconView() const { return Icons_; }
    QSplitter* Splitter() const { return Splitter_; }
    TEdgeFontPanel* TitlePanel() const { return EdgeFontPanel1_; }
    QString StatusText() const;
    bool Auditioning() const;

    // Handlers.
    void VekaGrid1Click();
    void VekaGrid1CellChange(int col, int row, const TOneCell& cell);
    void VekaGrid1PutLink(const TOneCell& cell);
    void TabControl1Change(int index);

protected:
    void ImageChanged(const TChangeNotice& change) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildTree();
    // The tree's width that shows every node's name whole.
    int TreeNameWidth() const;
    void FillRow(int part);
    void FillRows();
    void FitColumns();
    void FillList(std::vector<TBrowserItem> items);
    TMapChoice ChosenMaps() const;
    void StoreBrowserSettings();
    int FocusedPart() const;
    void AfterPut(int row);
    bool DropOnGrid(QEvent* event);

    TEdgeFontPanel* EdgeFontPanel1_ = nullptr;
    std::array<QToolButton*, kToneMapCount + 1> MapButtons_{};
    std::array<QToolButton*, 3> ViewButtons_{};
    QTabBar* TabControl1_ = nullptr;
    TVekaGrid* VekaGrid1_ = nullptr;
    QSplitter* Splitter_ = nullptr;
    QTreeWidget* TreeView1_ = nullptr;
    QTreeView* Details_ = nullptr;
    QListView* Icons_ = nullptr;
    QStandardItemModel* Model_ = nullptr;
    QLabel* StatusBar1_ = nullptr;
    std::unique_ptr<TPartRowAudition> RowAudition_;
    std::vector<TBrowserItem> Items_;
    std::array<bool, 4> SortAscending_{false, true, true, true};  // the next sort of each column
    int ListState_ = lsIcons;
    bool Building_ = false;
};

}  // namespace veka
