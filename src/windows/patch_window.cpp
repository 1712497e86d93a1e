#include "windows/patch_window.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMimeData>
#include <QMouseEvent>
#include <QSplitter>
#include <QStandardItemModel>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "widgets/browser_icons.h"
#include "widgets/caption.h"
#include "windows/drum_columns.h"
#include "widgets/edge_font_panel.h"
#include "windows/part_row_audition.h"
#include "document/part_texts.h"
#include "module/image.h"
#include "document/test_note.h"

namespace veka {

namespace {

constexpr int kReviewMs = 300;  // the note that sounds after a tone was put
const QString kItemMime = QStringLiteral("application/x-veka-browser-item");

enum TPatchText {
    ptTitle, ptBankHelp, ptMap55, ptMap88, ptMapPro, ptMap8850, ptExpand, ptCollapse, ptIcons, ptSmallIcons,
    ptDetails, ptSearch, ptTreeName, ptListName, ptCount
};
constexpr TCaption kTexts[ptCount] = {
    {"Patch 編集", "Patch Window"},
    {"バンクの設定", "Select the Bank Select MSB."},
    {"55Mapを表示", "55 Map"},
    {"88Mapを表示", "88 Map"},
    {"88ProMapを表示", "88Pro Map"},
    {"8850Mapを表示", "8850 Map"},
    {"すべて展開", "Expand all"},
    {"すべて折りたたむ", "Collapse all"},
    {"大きいｱｲｺﾝ", "Large icons"},
    {"小さいｱｲｺﾝ", "Small icons"},
    {"詳細", "Details"},
    {"検索", "Search"},
    {"音色の分類", "Tone groups"},
    {"音色", "Tones"},
};
constexpr std::array<const char*, kToneMapCount + 1> kMapButtonNames = {"", "tb55", "tb88", "tbPro", "tb8850"};
constexpr std::array<const char*, kToneMapCount + 1> kMapButtonTexts = {"", "55", "88", "Pro", "8850"};

// The tree nodes' identity.
constexpr int kKindRole = Qt::UserRole, kValueRole = Qt::UserRole + 1, kCategoryRole = Qt::UserRole + 2;
// A list line's position in the items.
constexpr int kItemRole = Qt::UserRole + 3;
// The cell of a line among large icons.
constexpr QSize kIconCell(96, 64);

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

// The list's lines dragged onto the grid carry their position in the items.
class TItemModel : public QStandardItemModel {
public:
    using QStandardItemModel::QStandardItemModel;
    QStringList mimeTypes() const override { return {kItemMime}; }
    QMimeData* mimeData(const QModelIndexList& indexes) const override {
        if (indexes.isEmpty()) return nullptr;
        auto* data = new QMimeData;
        data->setData(kItemMime, QByteArray::number(indexes.front().data(kItemRole).toInt()));
        return data;
    }
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction; }
};

}  // namespace

TPatchWindow::TPatchWindow(const TWindowServices& services, QWidget* parent)
    : TVekaTempForm(services, "PatchWindow", parent) {
    const TLanguage language = Language();
    setWindowTitle(Tr(kTexts[ptTitle], language));
    const TPatchBrowserSettings stored = Store().PatchBrowser();

    EdgeFontPanel1_ = MakeTitlePanel();

    auto* tools = new QHBoxLayout;
    tools->setSpacing(1);
    auto tool = [this, &tools](const QString& name, const QIcon& icon, const QString& hint, bool checkable) {
        auto* button = new QToolButton(this);
        button->setObjectName(name);
        button->setIcon(icon);
        button->setToolTip(hint);
        button->setAccessibleName(hint);
        button->setCheckable(checkable);
        button->setAutoRaise(true);
        tools->addWidget(button);
        return button;
    };
    for (int map = 1; map <= kToneMapCount; ++map) {
        QToolButton* button = tool(QString::fromLatin1(kMapButtonNames[size_t(map)]),
                                   BrowserIcon(TItemImage(imTone55 + map - 1)), Tr(kTexts[ptMap55 + map - 1], language), true);
        button->setText(QString::fromLatin1(kMapButtonTexts[size_t(map)]));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setChecked(map == 4 || stored.UsingMap[size_t(map - 1)]);
        connect(button, &QToolButton::clicked, this, [this, map] { MapButtonClick(map); });
        MapButtons_[size_t(map)] = button;
    }
    tools->addSpacing(8);
    connect(tool("tbExpand", BrowserToolIcon(TBrowserTool::ExpandAll), Tr(kTexts[ptExpand], language), false),
            &QToolButton::clicked, this, &TPatchWindow::ExpandAll);
    connect(tool("tbCollapse", BrowserToolIcon(TBrowserTool::CollapseAll), Tr(kTexts[ptCollapse], language), false),
            &QToolButton::clicked, this, &TPatchWindow::CollapseAll);
    tools->addSpacing(8);
    const std::array<std::pair<TBrowserTool, int>, 3> views = {
        {{TBrowserTool::LargeIcons, lsIcons}, {TBrowserTool::SmallIcons, lsSmallIcons}, {TBrowserTool::Details, lsDetails}}};
    for (size_t i = 0; i < views.size(); ++i) {
        const int state = views[i].second;
        ViewButtons_[i] = tool(QStringLiteral("tbView%1").arg(state), BrowserToolIcon(views[i].first),
                               Tr(kTexts[ptIcons + int(i)], language), true);
        connect(ViewButtons_[i], &QToolButton::clicked, this, [this, state] { SetListState(state); });
    }
    tools->addSpacing(8);
    connect(tool("tbSearch", BrowserToolIcon(TBrowserTool::Search), Tr(kTexts[ptSearch], language), false),
            &QToolButton::clicked, this, &TPatchWindow::SearchClick);
    tools->addStretch(1);

    TabControl1_ = new QTabBar(this);
    TabControl1_->setObjectName("TabControl1");
    TabControl1_->setExpanding(false);
    VekaGrid1_ = new TVekaGrid(this);
    VekaGrid1_->setObjectName("VekaGrid1");
    VekaGrid1_->setFont(QFont(Utf8(Options().GridFontName()), std::max(6, Options().GridFontSize())));
    VekaGrid1_->SetGridSize(kColumns, kRows);
    VekaGrid1_->SetFixedCols(2);
    VekaGrid1_->SetFixedRows(1);
    VekaGrid1_->SpeakerCursor = true;
    VekaGrid1_->AllowColumnSizing = false;
    VekaGrid1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    VekaGrid1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // the grid is as large as its rows
    VekaGrid1_->viewport()->setAcceptDrops(true);
    VekaGrid1_->viewport()->installEventFilter(this);
    VekaGrid1_->installEventFilter(this);  // a new grid font
    const std::array<const char*, kColumns> headers = {"", "Patch", "MSB", "LSB", "Program Change", "Use for Rythm Part"};
    for (int col = 0; col < kColumns; ++col) VekaGrid1_->Cell(col, 0).Text = headers[size_t(col)];

    TreeView1_ = new QTreeWidget(this);
    TreeView1_->setObjectName("TreeView1");
    TreeView1_->setAccessibleName(Tr(kTexts[ptTreeName], Language()));
    TreeView1_->setHeaderHidden(true);
    TreeView1_->setIndentation(14);
    // Names are never cut: the column is as wide as the widest shown, with a scroll bar when narrow.
    TreeView1_->header()->setStretchLastSection(false);
    TreeView1_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    Model_ = new TItemModel(this);
    Details_ = new QTreeView(this);
    Details_->setObjectName("ListView1");
    Details_->setAccessibleName(Tr(kTexts[ptListName], Language()));
    Details_->setModel(Model_);
    Details_->setRootIsDecorated(false);
    Details_->setUniformRowHeights(true);
    Details_->setIconSize(QSize(16, 16));
    Details_->header()->setSectionsClickable(true);
    Details_->header()->setStretchLastSection(false);
    Icons_ = new QListView(this);
    Icons_->setObjectName("ListView2");
    Icons_->setAccessibleName(Tr(kTexts[ptListName], Language()));
    Icons_->setModel(Model_);
    Icons_->setResizeMode(QListView::Adjust);
    Icons_->setMovement(QListView::Static);
    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(Details_), static_cast<QAbstractItemView*>(Icons_)}) {
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->setDragEnabled(true);
        view->setDragDropMode(QAbstractItemView::DragOnly);
        connect(view, &QAbstractItemView::activated, this,
                [this](const QModelIndex& index) { ActivateItem(index.data(kItemRole).toInt()); });
    }
    auto* lists = new QWidget(this);
    auto* listLayout = new QVBoxLayout(lists);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addWidget(Details_);
    listLayout->addWidget(Icons_);
    Splitter_ = new QSplitter(Qt::Horizontal, this);
    Splitter_->setObjectName("Splitter1");
    Splitter_->addWidget(TreeView1_);
    Splitter_->addWidget(lists);
    Splitter_->setStretchFactor(1, 1);
    Splitter_->setChildrenCollapsible(false);
    // At least wide enough for the programs' names under their category, and the list for two
    // columns of icons: the window opens no narrower.
    BuildTree();
    const int bar = TreeView1_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int treeWidth = TreeNameWidth() + bar + 2 * TreeView1_->frameWidth();
    TreeView1_->setMinimumWidth(treeWidth);
    lists->setMinimumWidth(2 * kIconCell.width() + bar + 2 * Icons_->frameWidth() + 4);
    Splitter_->setSizes({std::max(treeWidth, stored.TreeWidth), 400});

    StatusBar1_ = MakeStatusBar();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(EdgeFontPanel1_);
    layout->addLayout(tools);
    auto* body = new QHBoxLayout;
    body->setSpacing(4);
    auto* parts = new QVBoxLayout;
    parts->setSpacing(0);
    parts->addWidget(TabControl1_);
    parts->addWidget(VekaGrid1_);
    parts->addStretch(1);
    body->addLayout(parts);
    body->addWidget(Splitter_, 1);
    layout->addLayout(body, 1);
    layout->addWidget(StatusBar1_);

    connect(VekaGrid1_, &TVekaGrid::OnClick, this, &TPatchWindow::VekaGrid1Click);
    connect(VekaGrid1_, &TVekaGrid::OnCellChange, this, &TPatchWindow::VekaGrid1CellChange);
    connect(VekaGrid1_, &TVekaGrid::OnPutLink, this, &TPatchWindow::VekaGrid1PutLink);
    RowAudition_ = std::make_unique<TPartRowAudition>(*this, *VekaGrid1_, *EdgeFontPanel1_, 2);
    connect(TabControl1_, &QTabBar::currentChanged, this, &TPatchWindow::TabControl1Change);
    connect(TreeView1_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* node) {
        if (!Building_ && node) SelectNode(node);
    });
    connect(Details_->header(), &QHeaderView::sectionClicked, this, &TPatchWindow::SortBy);
    connect(Splitter_, &QSplitter::splitterMoved, this, [this] { StoreBrowserSettings(); });
    for (QWidget* w : {static_cast<QWidget*>(EdgeFontPanel1_), static_cast<QWidget*>(StatusBar1_),
                       static_cast<QWidget*>(TabControl1_), VekaGrid1_->viewport(), TreeView1_->viewport(),
                       Details_->viewport(), Icons_->viewport()})
        WatchPointer(w);

    SetListState(stored.ListState);
    RefreshFromImage();
    SelectNode(TreeView1_->topLevelItem(0));
    VekaGrid1_->SetFocusCell(pcProgram, std::clamp(Edit().CurrentPart(), 1, 16));
    VekaGrid1_->SetLeftCol(VekaGrid1_->FixedCols());
    FormCreate(EdgeFontPanel1_);
    VekaGrid1Click();
}

TPatchWindow::~TPatchWindow() {
    Audition().TestNote().Stop();
    StoreBrowserSettings();
}

QString TPatchWindow::StatusText() const { return StatusBar1_->text(); }

bool TPatchWindow::Auditioning() const { return RowAudition_ && RowAudition_->Active(); }

int TPatchWindow::FocusedPart() const { return std::clamp(VekaGrid1_->Row(), 1, 16); }

// The grid --------------------------------------------------------------------------------

void TPatchWindow::FillRow(int part) {
    if (part < 1 || part > 16) return;
    TVGS& image = Image();
    const int port = Edit().CurrentPort();
    const TOneParameter& tone = image.Part(port, part, ppToneNumber);
    VekaGrid1_->Cell(pcPart, part).Text = QStringLiteral("%1").arg(part, 2).toStdString();
    VekaGrid1_->Cell(pcName, part).Text = image.PartToneName(port, part);
    CutCellText(VekaGrid1_->Cell(pcName, part).Text);
    auto number = [&](int col, int32_t value, int parameter) {
        TOneCell& cell = VekaGrid1_->Cell(col, part);
        cell.Max = 127;
        cell.Min = 0;
        cell.Default = 0;
        cell.Value = value;
        cell.Link = TLinkData{LinkPart, part, parameter, col, 0};
        cell.ShowAs = 0;
    };
    number(pcBank, std::clamp<int32_t>(tone.Value, 0, 16383) / 128, ppToneNumber);
    number(pcProgram, std::clamp<int32_t>(tone.Value, 0, 16383) % 128, ppToneNumber);
    FillCellFromParameter(VekaGrid1_->Cell(pcMap, part), image.Part(port, part, ppToneMap), 0,
                          TLinkData{LinkPart, part, ppToneMap, pcMap, 0});
    FillCellFromParameter(VekaGrid1_->Cell(pcMode, part), image.Part(port, part, ppRhythm), 0,
                          TLinkData{LinkPart, part, ppRhythm, pcMode, 0});
    for (const int col : {int(pcMap), int(pcMode)}) {
        VekaGrid1_->Cell(col, part).Text.clear();
        VekaGrid1_->Cell(col, part).ShowAs = 0;
    }
    for (int col = 0; col < kColumns; ++col) VekaGrid1_->RepaintCell(col, part);
}

void TPatchWindow::FillRows() {
    for (int part = 1; part <= 16; ++part) FillRow(part);
}

void TPatchWindow::FitColumns() {
    const QFontMetrics metrics(VekaGrid1_->font());
    QFont boldFont = VekaGrid1_->font();
    boldFont.setBold(true);
    const QFontMetrics bold(boldFont);
    VekaGrid1_->SetRowHeight(FontRowHeight(*VekaGrid1_));
    VekaGrid1_->SetColWidth(pcPart, std::max(bold.horizontalAdvance(QStringLiteral("000")) + 6,
                                             CaptionWidth(*VekaGrid1_, QStringLiteral("16"))));
    VekaGrid1_->SetColWidth(pcName, bold.horizontalAdvance(QStringLiteral("BBBBBBBBBBBBBB")));
    for (int col = pcBank; col < kColumns; ++col)
        VekaGrid1_->SetColWidth(col, std::max(metrics.horizontalAdvance(QStringLiteral("00000")),
                                              CaptionWidth(*VekaGrid1_, Utf8(VekaGrid1_->GetCell(col, 0).Text))));
    // Every column whole, its grid line included: the grid never scrolls (it has no bars).
    int width = 2 * VekaGrid1_->frameWidth();
    for (int col = 0; col < kColumns; ++col) width += VekaGrid1_->ColWidth(col) + 1;
    VekaGrid1_->setFixedSize(width, kRows * (VekaGrid1_->RowHeight() + 1) + 2 * VekaGrid1_->frameWidth());
    VekaGrid1_->SetLeftCol(VekaGrid1_->FixedCols());
}

void TPatchWindow::ApplyRow(int row, int changedCol) {
    if (row < 1 || row > 16) return;
    TVGS& image = Image();
    const int port = Edit().CurrentPort();
    const int mode = VekaGrid1_->GetCellValue(pcMode, row);
    const int32_t oldTone = image.Part(port, row, ppToneNumber).Value;
    const int32_t oldMap = image.Part(port, row, ppToneMap).Value;
    // The module keeps one drum set per drum map: a part joining a map that another part of
    // the port already plays takes that part's kit.
    if (mode != 0 && changedCol == pcMode && image.AdoptDrumTone(port, row, mode)) {
        const int32_t tone = image.Part(port, row, ppToneNumber).Value;
        VekaGrid1_->Cell(pcBank, row).Value = tone / 128;
        VekaGrid1_->Cell(pcMap, row).Value = image.Part(port, row, ppToneMap).Value;
        VekaGrid1_->Cell(pcProgram, row).Value = tone % 128;
    }
    // 2.-4. A drum kit has no variations: its bank is 0.
    const bool drum = mode != 0;
    if (drum) VekaGrid1_->Cell(pcBank, row).Value = 0;
    const int bank = VekaGrid1_->GetCellValue(pcBank, row);
    const int map = VekaGrid1_->GetCellValue(pcMap, row);
    const int program = VekaGrid1_->GetCellValue(pcProgram, row);
    try {
        const TVGS::TSenderScope sender(image, this);
        image.SetPartTone(port, row, mode, program, map, bank);
    } catch (const std::exception& error) {
        Edit().ReportEditError(error);  // what was stored stays in the image
    }
    // A new kit on a drum map is the kit of every part on that map.
    if (drum && (changedCol == pcMode || map != oldMap || program != oldTone % 128)) {
        image.ShareDrumTone(port, row, mode);
        image.RecordDrumSetOfPart(port, row);
        const int32_t tone = image.Part(port, row, ppToneNumber).Value;
        for (int other = 1; other <= 16; ++other) {
            if (other == row || image.Part(port, other, ppRhythm).Value != mode) continue;
            FillRow(other);
            image.NotifyPut(port, TLinkData{LinkPart, other, ppToneNumber, 0, 0}, tone, this);
            image.NotifyPut(port, TLinkData{LinkPart, other, ppToneMap, 0, 0}, map, this);
        }
    }
    // The row itself, with what the steps above changed.
    FillRow(row);
    VekaGrid1_->viewport()->update();
}

void TPatchWindow::VekaGrid1Click() {
    if (Refreshing()) return;
    const int col = VekaGrid1_->Col();
    const int part = FocusedPart();
    const int value = VekaGrid1_->GetCellValue(col, part);
    const std::string header = VekaGrid1_->GetCell(col, 0).Text;
    QString text;
    switch (col) {
        case pcBank:
            text = QStringLiteral("Bank %1").arg(value);
            StatusBar1_->setText(Tr(kTexts[ptBankHelp], Language()));
            break;
        case pcMap:
            text = value >= 1 && value <= kToneMapCount ? QString::fromLatin1(ToneMapName(value)) : QString::number(value);
            StatusBar1_->setText(Utf8(PartHelpText(ppToneMap, Language())));
            break;
        case pcProgram:
            text = QStringLiteral("%1  (PC %2)").arg(value).arg(value + 1);
            StatusBar1_->setText(Utf8(PartHelpText(ppToneNumber, Language())));
            break;
        case pcMode:
            text = value == 1 ? QStringLiteral("Drum Map 1") : value == 2 ? QStringLiteral("Drum Map 2") : QStringLiteral("Normal");
            StatusBar1_->setText(Utf8(PartHelpText(ppRhythm, Language())));
            break;
        default: break;
    }
    if (!text.isEmpty()) EdgeFontPanel1_->SetCaption(Utf8(header) + QStringLiteral(" : ") + text);
    if (!Auditioning()) {
        Edit().SetCurrentChannel(Image().Part(Edit().CurrentPort(), part, ppRxChannel).Value);
        Edit().SelectPart(part, this);
    }
}

void TPatchWindow::VekaGrid1CellChange(int col, int row, const TOneCell&) {
    if (Refreshing() || row < 1 || row > 16 || col < pcBank) return;
    ApplyRow(row, col);
    VekaGrid1Click();
}

void TPatchWindow::VekaGrid1PutLink(const TOneCell&) {
    Edit().EndEditGesture();
    AfterPut(FocusedPart());
}

void TPatchWindow::AfterPut(int row) {
    VekaGrid1_->viewport()->update();
    VekaGrid1Click();
    if (!Options().On(TOption::ReviewEdit)) return;
    SoundTestNote(Edit().CurrentPort(), row, kReviewMs);
}

void TPatchWindow::TabControl1Change(int index) {
    if (Refreshing() || index < 0) return;
    Edit().SetCurrentPort(index);  // every window shows the port again
}

// Putting a tone --------------------------------------------------------------------------

void TPatchWindow::PutItem(const TBrowserItem& item, int row) {
    if (row < 1 || row > 16 || (item.Kind != ikTone && item.Kind != ikDrumKit)) return;
    VekaGrid1_->SetFocusCell(VekaGrid1_->Col(), row);
    auto put = [this, row](int bank, int map, int program) {
        VekaGrid1_->Cell(pcBank, row).Value = bank;
        VekaGrid1_->Cell(pcMap, row).Value = map;
        VekaGrid1_->Cell(pcProgram, row).Value = program;
    };
    if (item.Kind == ikTone) {
        put(item.Bank, item.Map, item.Program);
        VekaGrid1_->Cell(pcMode, row).Value = 0;
        ApplyRow(row, pcProgram);
    } else if (VekaGrid1_->GetCellValue(pcMode, row) != 0) {
        put(0, item.Map, item.Program);
        ApplyRow(row, pcProgram);
    } else {
        // A kit on a normal part: which of the two drum maps of the port takes it.
        std::optional<int> drumMap;
        if (DrumMapQueryHook) {
            drumMap = DrumMapQueryHook(item.Name);
        } else {
            TDrumMapQuery query(item.Name, Language(), this);
            if (query.exec() == QDialog::Accepted) drumMap = query.DrumMap();
        }
        if (!drumMap || (*drumMap != 1 && *drumMap != 2)) return;  // Cancel: nothing changes
        VekaGrid1_->Cell(pcName, row).Text = item.Name;
        put(0, item.Map, item.Program);
        VekaGrid1_->Cell(pcMode, row).Value = *drumMap;
        ApplyRow(row, pcMode);
        put(0, item.Map, item.Program);
        ApplyRow(row, pcProgram);
    }
    Edit().EndEditGesture();
    AfterPut(row);
}

// The browser -----------------------------------------------------------------------------

void TPatchWindow::BuildTree() {
    Building_ = true;
    TreeView1_->clear();
    auto node = [](QTreeWidgetItem* parent, const QString& name, TNodeKind kind, int value, int category) {
        auto* item = new QTreeWidgetItem(parent, QStringList{name});
        item->setData(0, kKindRole, int(kind));
        item->setData(0, kValueRole, value);
        item->setData(0, kCategoryRole, category);
        item->setIcon(0, BrowserIcon(kind == nkProgram ? imProgram : imFolder));
        return item;
    };
    auto* root = new QTreeWidgetItem(TreeView1_, QStringList{QStringLiteral("Program Tree")});
    root->setData(0, kKindRole, int(nkRoot));
    root->setData(0, kValueRole, int(kNone));
    root->setData(0, kCategoryRole, int(kNone));
    root->setIcon(0, BrowserIcon(imFolder));
    QTreeWidgetItem* patch = node(root, QStringLiteral("Patch"), nkPatch, kNone, kNone);
    for (int c = 0; c < kCategoryCount; ++c) {
        QTreeWidgetItem* category = node(patch, QString::fromLatin1(CategoryNames()[size_t(c)]), nkCategory, kNone, c);
        if (c >= 16) continue;
        for (int program = c * 8; program < c * 8 + 8; ++program)
            node(category, QString::fromLatin1(CapitalToneName(program)), nkProgram, program, c);
    }
    node(root, QStringLiteral("Drum Kit"), nkDrumKits, kNone, kNone);
    root->setExpanded(true);
    patch->setExpanded(true);
    Building_ = false;
}

int TPatchWindow::TreeNameWidth() const {
    // Each node indented by its depth (the root's branch too), its icon and its name.
    const QFontMetrics metrics = TreeView1_->fontMetrics();
    const int icon = TreeView1_->iconSize().isValid() ? TreeView1_->iconSize().width()
                                                       : TreeView1_->style()->pixelMetric(QStyle::PM_SmallIconSize);
    int widest = 0;
    for (QTreeWidgetItemIterator it(TreeView1_); *it; ++it) {
        int depth = 1;
        for (const QTreeWidgetItem* up = (*it)->parent(); up; up = up->parent()) ++depth;
        widest = std::max(widest, depth * TreeView1_->indentation() + metrics.horizontalAdvance((*it)->text(0)));
    }
    return widest + icon + 16;
}

QTreeWidgetItem* TPatchWindow::NodeFor(TNodeKind kind, int value) const {
    for (QTreeWidgetItemIterator it(TreeView1_); *it; ++it) {
        QTreeWidgetItem* item = *it;
        if (item->data(0, kKindRole).toInt() != kind) continue;
        if (kind == nkCategory && item->data(0, kCategoryRole).toInt() != value) continue;
        if (kind == nkProgram && item->data(0, kValueRole).toInt() != value) continue;
        return item;
    }
    return nullptr;
}

TMapChoice TPatchWindow::ChosenMaps() const {
    TMapChoice maps{};
    for (int map = 1; map <= kToneMapCount; ++map)
        maps[size_t(map)] = MapButtons_[size_t(map)]->isChecked() && !MapButtons_[size_t(map)]->isHidden();
    return maps;
}

void TPatchWindow::SelectNode(QTreeWidgetItem* node) {
    if (!node) return;
    if (TreeView1_->currentItem() != node) {
        Building_ = true;
        TreeView1_->setCurrentItem(node);
        Building_ = false;
    }
    TTreeNode tree;
    tree.Kind = TNodeKind(node->data(0, kKindRole).toInt());
    tree.Value = uint8_t(node->data(0, kValueRole).toInt());
    tree.Category = uint8_t(node->data(0, kCategoryRole).toInt());
    try {
        FillList(NodeItems(Image().Data(), tree, ChosenMaps(), Image().ModuleType()));
    } catch (const std::exception& error) {
        Ui().Warn(error.what());  // a data file gone since the start: the list stays empty
        FillList({});
    }
}

void TPatchWindow::FillList(std::vector<TBrowserItem> items) {
    Items_ = std::move(items);
    Model_->clear();
    Model_->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Map"), QStringLiteral("Bank"),
                                       QStringLiteral("PC")});
    std::array<QIcon, kItemImageCount> icons;
    for (size_t i = 0; i < Items_.size(); ++i) {
        const TBrowserItem& item = Items_[i];
        const size_t image = std::min<size_t>(item.Image, kItemImageCount - 1);
        if (icons[image].isNull()) icons[image] = BrowserIcon(TItemImage(image));
        QList<QStandardItem*> row;
        auto* name = new QStandardItem(icons[image], Utf8(item.Name));
        row << name;
        for (const uint8_t number : {item.Map, item.Bank, item.Program})
            row << new QStandardItem(number == kNone ? QString() : QString::number(number));
        for (QStandardItem* cell : row) {
            cell->setData(int(i), kItemRole);
            cell->setEditable(false);
            const bool draggable = item.Kind == ikTone || item.Kind == ikDrumKit;
            cell->setDragEnabled(draggable);
        }
        Model_->appendRow(row);
    }
    Details_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int col = 1; col < 4; ++col) Details_->header()->setSectionResizeMode(col, QHeaderView::ResizeToContents);
}

void TPatchWindow::ActivateItem(int index) {
    if (index < 0 || size_t(index) >= Items_.size()) return;
    const TBrowserItem item = Items_[size_t(index)];
    QTreeWidgetItem* current = TreeView1_->currentItem();
    if (item.Up) {
        SelectNode(current && current->parent() ? current->parent() : current);
        return;
    }
    switch (item.Kind) {
        case ikRoot: SelectNode(NodeFor(item.Index == 0 ? nkPatch : nkDrumKits, 0)); break;
        case ikCategory: SelectNode(NodeFor(nkCategory, item.Index)); break;
        case ikProgram: SelectNode(NodeFor(nkProgram, item.Program)); break;
        default: PutItem(item, FocusedPart()); break;
    }
}

void TPatchWindow::SortBy(int column) {
    if (column < 0 || column > 3) return;
    SortItems(Items_, column, SortAscending_[size_t(column)]);
    SortAscending_[size_t(column)] = !SortAscending_[size_t(column)];
    FillList(std::move(Items_));
}

void TPatchWindow::SetListState(int state) {
    if (state != lsIcons && state != lsSmallIcons && state != lsDetails) state = lsIcons;
    ListState_ = state;
    Details_->setVisible(state == lsDetails);
    Icons_->setVisible(state != lsDetails);
    if (state == lsIcons) {
        Icons_->setViewMode(QListView::IconMode);
        Icons_->setIconSize(QSize(32, 32));
        Icons_->setGridSize(kIconCell);
        Icons_->setWordWrap(true);
        Icons_->setFlow(QListView::LeftToRight);
    } else if (state == lsSmallIcons) {
        Icons_->setViewMode(QListView::ListMode);
        Icons_->setIconSize(QSize(16, 16));
        Icons_->setGridSize(QSize());
        Icons_->setFlow(QListView::TopToBottom);
        Icons_->setWrapping(true);
    }
    // The lines stay where they are (Static) but are dragged onto the grid: a static movement
    // turns dragging off, so it is turned on after it.
    Icons_->setMovement(QListView::Static);
    Icons_->setDragEnabled(true);
    Icons_->setDragDropMode(QAbstractItemView::DragOnly);
    for (size_t i = 0; i < ViewButtons_.size(); ++i)
        ViewButtons_[i]->setChecked(ViewButtons_[i]->objectName() == QStringLiteral("tbView%1").arg(state));
    StoreBrowserSettings();
}

void TPatchWindow::ExpandAll() { TreeView1_->expandAll(); }

void TPatchWindow::CollapseAll() {
    TreeView1_->collapseAll();
    SelectNode(TreeView1_->topLevelItem(0));
}

void TPatchWindow::MapButtonClick(int) {
    StoreBrowserSettings();
    SelectNode(TreeView1_->currentItem());
}

void TPatchWindow::SearchClick() {
    std::optional<TSearchRequest> request;
    if (SearchHook) {
        request = SearchHook(ChosenMaps());
    } else {
        TSearchWin search(ChosenMaps(), Image().ModuleType(), Language(), this);
        if (search.exec() == QDialog::Accepted) request = search.Request();
    }
    if (!request) return;
    std::vector<TBrowserItem> items;
    TBrowserItem up;
    up.Name = "..";
    up.Up = true;
    up.Image = imUp;
    items.push_back(up);
    const TMapChoice maps = UsableMaps(request->Maps, Image().ModuleType());
    for (TBrowserItem& item : SearchTones(Image().Data(), request->Keywords, maps)) items.push_back(std::move(item));
    FillList(std::move(items));
}

void TPatchWindow::StoreBrowserSettings() {
    if (!Splitter_ || !MapButtons_[1]) return;
    TPatchBrowserSettings settings;
    settings.TreeWidth = Splitter_->sizes().value(0, 140);
    settings.ListState = ListState_;
    for (int map = 1; map <= 3; ++map) settings.UsingMap[size_t(map - 1)] = MapButtons_[size_t(map)]->isChecked();
    Store().SetPatchBrowser(settings);
}

// Drops on the grid -------------------------------------------------------------------------

bool TPatchWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == VekaGrid1_ && event->type() == QEvent::FontChange) FitColumns();
    if (watched == VekaGrid1_->viewport() &&
        (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove || event->type() == QEvent::Drop))
        return DropOnGrid(event);
    return TVekaTempForm::eventFilter(watched, event);
}

bool TPatchWindow::DropOnGrid(QEvent* event) {
    auto* drop = static_cast<QDropEvent*>(event);
    // Only the list's own lines: text or files from elsewhere are refused.
    bool ok = false;
    const int index = drop->mimeData() && drop->mimeData()->hasFormat(kItemMime)
                          ? drop->mimeData()->data(kItemMime).toInt(&ok)
                          : -1;
    int col = 0, row = 0;
    const bool onPart = VekaGrid1_->CellAt(drop->position().toPoint(), col, row) && row >= 1 && row <= 16;
    if (!ok || index < 0 || size_t(index) >= Items_.size() || !onPart ||
        (Items_[size_t(index)].Kind != ikTone && Items_[size_t(index)].Kind != ikDrumKit)) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop) {
        const TBrowserItem item = Items_[size_t(index)];
        QMetaObject::invokeMethod(this, [this, item, row] { PutItem(item, row); }, Qt::QueuedConnection);
    }
    return true;
}

// The window pattern ----------------------------------------------------------------------

void TPatchWindow::RefreshFromImage() {
    {
        const TRefreshGuard guard(*this);
        ShowPortTabs(*TabControl1_);
        FillRows();
        FitColumns();
        Stabilize();
    }
    VekaGrid1_->viewport()->update();
}

void TPatchWindow::Stabilize() {
    const int type = Image().ModuleType();
    const bool pro = type >= mtSC88Pro, sc8850 = type >= mtSC8850;
    MapButtons_[3]->setVisible(pro);
    MapButtons_[4]->setVisible(sc8850);
    // A hidden button is up too.
    if (!pro) MapButtons_[3]->setChecked(false);
    if (!sc8850) MapButtons_[4]->setChecked(false);
}

void TPatchWindow::SelectPart(int part) {
    if (part < 1 || part > 16 || part == VekaGrid1_->Row()) return;
    VekaGrid1_->SetFocusCell(VekaGrid1_->Col(), part);
}

void TPatchWindow::PropagateValue(const TLinkData& link, int) {
    if (link.Kind == LinkPart && (link.Index == ppToneNumber || link.Index == ppToneMap || link.Index == ppRhythm))
        FillRow(link.Owner);
}

void TPatchWindow::ImageChanged(const TChangeNotice& change) {
    if (change.Link.Kind != LinkPart || change.Port != Edit().CurrentPort()) return;
    const int parameter = change.Link.Index;
    if (parameter == ppToneNumber || parameter == ppToneMap || parameter == ppRhythm) FillRow(change.Link.Owner);
}

void TPatchWindow::showEvent(QShowEvent* event) {
    TVekaTempForm::showEvent(event);
    Edit().SelectPart(FocusedPart(), this);
}

}  // namespace veka
