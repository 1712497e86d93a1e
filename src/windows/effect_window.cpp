#include "windows/effect_window.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "windows/bookmark_menu.h"
#include "widgets/caption.h"
#include "windows/drum_columns.h"
#include "widgets/edge_font_panel.h"
#include "widgets/effect_pictures.h"
#include "document/part_texts.h"
#include "module/image.h"
#include "module/setup_file.h"
#include "module/setup_reader.h"
#include "module/value_texts.h"
#include "document/test_note.h"

namespace veka {

namespace {

constexpr int kReviewMs = 300;   // the note that sounds after an edit
constexpr int kBlinkSliceMs = 10;  // the blink's wait is cut into these, to end it early

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

enum TEffectText {
    etTitle, etPresetHint, etSaveHint, etProOnly, etSending, etParameters, etSends, etEcho, etWave, etCurve, etCount
};
constexpr TCaption kTexts[etCount] = {
    {"Effect 編集", "Effect Window"},
    {"既存のPresetﾌｧｲﾙ", "Preset Files"},
    {"Presetとして保存", "Save this settings as a Preset"},
    {"このﾍﾟｰｼﾞはSC-88Pro専用です", "This page is only for SC-88Pro(SK-88Pro, SC-88ST Pro)."},
    {"Sending Effect Data", "Sending Effect Data"},
    {"ｴﾌｪｸﾄのﾊﾟﾗﾒｰﾀｰ", "Effect parameters"},
    {"ﾊﾟｰﾄごとのｾﾝﾄﾞ", "Send level of each part"},
    {"ｴｺｰのﾊﾟﾀｰﾝ", "Echo pattern"},
    {"ｺｰﾗｽの波形", "Chorus wave"},
    {"ｲｺﾗｲｻﾞｰのｶｰﾌﾞ", "Equalizer curve"},
};

// The name column fits the longest name of the page, the value column a few digits.
constexpr int kValueColumnChars = 6;

}  // namespace

TEffectWindow::TEffectWindow(const TWindowServices& services, IParameterOut& out, QWidget* parent)
    : TVekaTempForm(services, "EffectWindow", parent), Out_(out) {
    setWindowTitle(Tr(kTexts[etTitle], Language()));
    const QFont gridFont(Utf8(Options().GridFontName()), std::max(6, Options().GridFontSize()));

    EdgeFontPanel1_ = MakeTitlePanel();

    TabControl1_ = new QTabBar(this);
    TabControl1_->setObjectName("TabControl1");
    TabControl1_->setExpanding(false);
    for (int page = 0; page < kEffectPageCount; ++page) TabControl1_->addTab(QString::fromLatin1(EffectPage(page).Name));

    PageArea_ = new QWidget(this);
    PageArea_->setObjectName("PageArea");
    TabControl2_ = new QTabBar(PageArea_);
    TabControl2_->setObjectName("TabControl2");
    TabControl2_->setExpanding(false);
    TabControl2_->setShape(QTabBar::RoundedNorth);
    VekaGrid2_ = new TVekaGrid(PageArea_);
    VekaGrid2_->setObjectName("VekaGrid2");
    VekaGrid2_->setAccessibleName(Tr(kTexts[etSends], Language()));
    VekaGrid2_->setFont(gridFont);
    VekaGrid2_->SpeakerCursor = true;
    VekaGrid2_->AllowColumnSizing = false;
    VekaGrid2_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    VekaGrid2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    MacroLabel_ = new QLabel(PageArea_);
    MacroLabel_->setObjectName("Label1");
    cbMacro_ = new QComboBox(PageArea_);
    cbMacro_->setObjectName("cbMacro");
    cbMacro_->setMaxVisibleItems(32);
    cbMacro_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    VekaGrid1_ = new TVekaGrid(PageArea_);
    VekaGrid1_->setObjectName("VekaGrid1");
    VekaGrid1_->setAccessibleName(Tr(kTexts[etParameters], Language()));
    VekaGrid1_->setFont(gridFont);
    VekaGrid1_->AllowColumnSizing = false;
    VekaGrid1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    VekaGrid1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    VekaDelay1_ = new TVekaDelay(PageArea_);
    VekaDelay1_->ScreenDepth = depth();
    Chorus_ = new TChorusPicture(PageArea_);
    MGeqGS1_ = new TMGeqGS(PageArea_);
    VekaDelay1_->setAccessibleName(Tr(kTexts[etEcho], Language()));
    Chorus_->setAccessibleName(Tr(kTexts[etWave], Language()));
    MGeqGS1_->setAccessibleName(Tr(kTexts[etCurve], Language()));

    PresetLabel_ = new QLabel(QStringLiteral("Preset"), this);
    PresetLabel_->setObjectName("Label2");
    cbPreset_ = new QComboBox(this);
    cbPreset_->setObjectName("cbPreset");
    cbPreset_->setToolTip(Tr(kTexts[etPresetHint], Language()));
    cbPreset_->setAccessibleName(Tr(kTexts[etPresetHint], Language()));
    cbPreset_->setMinimumContentsLength(16);
    cbPreset_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    sbSave_ = new QToolButton(this);
    sbSave_->setObjectName("sbSave");
    sbSave_->setToolTip(Tr(kTexts[etSaveHint], Language()));
    sbSave_->setAccessibleName(Tr(kTexts[etSaveHint], Language()));
    sbSave_->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    sbSave_->setAutoRaise(true);
    StatusBar1_ = MakeStatusBar();
    Timer1_ = new QTimer(this);
    Timer1_->setObjectName("Timer1");

    // Left the port tabs over the send grid; right the chooser over the parameter grid with
    // the picture beside it; the presets below.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);  // the window is as large as its page
    layout->addWidget(EdgeFontPanel1_);
    layout->addWidget(TabControl1_);
    auto* body = new QHBoxLayout(PageArea_);
    body->setContentsMargins(4, 4, 4, 4);
    body->setSpacing(8);
    auto* sends = new QVBoxLayout;
    sends->setSpacing(0);
    sends->addWidget(TabControl2_);
    sends->addWidget(VekaGrid2_);
    sends->addStretch(1);
    body->addLayout(sends);
    auto* block = new QVBoxLayout;
    block->setSpacing(4);
    auto* chooser = new QHBoxLayout;
    chooser->addWidget(MacroLabel_);
    chooser->addWidget(cbMacro_);
    chooser->addStretch(1);
    block->addLayout(chooser);
    auto* values = new QHBoxLayout;
    values->setSpacing(8);
    values->addWidget(VekaGrid1_, 0, Qt::AlignTop);
    for (QWidget* picture : {static_cast<QWidget*>(VekaDelay1_), static_cast<QWidget*>(Chorus_),
                             static_cast<QWidget*>(MGeqGS1_)})
        values->addWidget(picture, 0, Qt::AlignTop);
    values->addStretch(1);
    block->addLayout(values);
    block->addStretch(1);
    auto* presets = new QHBoxLayout;
    presets->addWidget(PresetLabel_);
    presets->addWidget(cbPreset_);
    presets->addWidget(sbSave_);
    presets->addStretch(1);
    block->addLayout(presets);
    body->addLayout(block);
    layout->addWidget(PageArea_);
    layout->addWidget(StatusBar1_);

    connect(VekaGrid1_, &TVekaGrid::OnClick, this, &TEffectWindow::VekaGrid1Click);
    connect(VekaGrid1_, &TVekaGrid::OnCellChange, this, &TEffectWindow::VekaGrid1CellChange);
    connect(VekaGrid1_, &TVekaGrid::OnPutLink, this, &TEffectWindow::VekaGrid1PutLink);
    // Enter confirms a typed value only; it is no command here.
    connect(VekaGrid1_, &TVekaGrid::OnKeyDown, this, [this](QKeyEvent* event, bool* handled) {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !VekaGrid1_->InplaceEditor()->isVisible())
            *handled = true;
    });
    connect(VekaGrid2_, &TVekaGrid::OnClick, this, &TEffectWindow::VekaGrid2Click);
    connect(VekaGrid2_, &TVekaGrid::OnCellChange, this, &TEffectWindow::VekaGrid2CellChange);
    connect(VekaGrid2_, &TVekaGrid::OnPutLink, this, &TEffectWindow::VekaGrid2PutLink);
    connect(TabControl1_, &QTabBar::currentChanged, this, &TEffectWindow::TabControl1Change);
    connect(TabControl2_, &QTabBar::currentChanged, this, &TEffectWindow::TabControl2Change);
    connect(cbMacro_, &QComboBox::activated, this, &TEffectWindow::cbMacroChange);
    connect(cbPreset_, &QComboBox::activated, this, &TEffectWindow::cbPresetChange);
    connect(sbSave_, &QToolButton::clicked, this, &TEffectWindow::sbSaveClick);
    connect(Timer1_, &QTimer::timeout, this, &TEffectWindow::Timer1Timer);
    for (QWidget* w : {static_cast<QWidget*>(EdgeFontPanel1_), static_cast<QWidget*>(StatusBar1_),
                       static_cast<QWidget*>(TabControl1_), static_cast<QWidget*>(TabControl2_),
                       static_cast<QWidget*>(PageArea_), VekaGrid1_->viewport(), VekaGrid2_->viewport()})
        WatchPointer(w);
    VekaGrid1_->installEventFilter(this);
    VekaGrid2_->installEventFilter(this);

    // The bookmarks name the page's rows by their system parameter.
    Bookmarks_ = new TBookmarkMenu(
        Store(), objectName().toStdString(), Language(),
        [this] {
            std::vector<std::pair<int, std::string>> rows;
            for (int row = 1; row < VekaGrid1_->RowCount(); ++row)
                rows.emplace_back(NumberOfRow(row), VekaGrid1_->GetCell(0, row).Text);
            return rows;
        },
        [this] { return NumberOfRow(VekaGrid1_->Row()) > 0 ? NumberOfRow(VekaGrid1_->Row()) : -1; },
        [this](int number) {
            for (int row = 1; row < VekaGrid1_->RowCount(); ++row)
                if (NumberOfRow(row) == number) VekaGrid1_->SetFocusCell(1, row);
            VekaGrid1Click();
        },
        this);

    TabControl1Change(0);
    FormCreate(EdgeFontPanel1_);
}

TEffectWindow::~TEffectWindow() {
    Timer1_->stop();
    Audition().TestNote().Stop();
}

QString TEffectWindow::StatusText() const { return StatusBar1_->text(); }

bool TEffectWindow::PageRefused() const {
    return (Page_ == epInsertion || Page_ == epInsertionSub) && Image().ModuleType() == mtSC88;
}

int TEffectWindow::NumberOfRow(int row) const {
    if (row < 1 || row >= VekaGrid1_->RowCount()) return 0;
    return VekaGrid1_->GetCell(1, row).Link.Owner;
}

// Page change --------------------------------------------------------------------------------

void TEffectWindow::TabControl1Change(int page) {
    if (page < 0 || page >= kEffectPageCount) return;
    if (QLineEdit* editor = VekaGrid1_->InplaceEditor()) {
        editor->clear();
        editor->hide();
    }
    setUpdatesEnabled(false);
    {
        const TRefreshGuard guard(*this);
        Page_ = page;
        if (TabControl1_->currentIndex() != page) {
            const QSignalBlocker block(TabControl1_);
            TabControl1_->setCurrentIndex(page);
        }
        BuildParameterGrid();
        BuildSendGrid();
        FillPresetList();
        ShowPicture();
    }
    EdgeFontPanel1_->SetCaption(QString::fromLatin1(EffectPage(page).Name));
    Stabilize();
    setUpdatesEnabled(true);
    StatusBar1_->setText(PageRefused() ? Tr(kTexts[etProOnly], Language()) : QString());
    UpdateTimer();
}

void TEffectWindow::FillChooser() {
    const QSignalBlocker block(cbMacro_);
    cbMacro_->clear();
    const TEffectPageInfo& info = EffectPage(Page_);
    MacroLabel_->setText(QString::fromLatin1(info.ChooserLabel));
    if (info.Chooser == 0) return;
    const int32_t value = Image().System(info.Chooser).Value;
    if (info.MacroKind >= 0) {
        for (int macro = 0; macro < MacroCount(info.MacroKind); ++macro)
            cbMacro_->addItem(Utf8(MacroName(info.MacroKind, macro)));
        cbMacro_->setCurrentIndex(value >= 0 && value < cbMacro_->count() ? int(value) : -1);
        return;
    }
    for (const TInsertionTypeRecord& type : Image().Data().InsertionTypes()) cbMacro_->addItem(Utf8(type.Name));
    // A type the definition file does not hold shows no entry (and no parameters).
    cbMacro_->setCurrentIndex(Image().Data().InsertionIndexOf(value / 128, value % 128));
}

void TEffectWindow::BuildParameterGrid() {
    FillChooser();
    const TEffectPageInfo& info = EffectPage(Page_);
    std::vector<std::pair<int, std::string>> rows;  // number, name
    if (Page_ == epInsertion) {
        for (const TInsertionParameterRecord& rec : Image().InsertionParameters())
            if (rec.Slot >= 1 && rec.Slot <= 20) rows.emplace_back(rec.Slot + 36, rec.Name);
    } else {
        for (int n = info.First; n <= info.Last; ++n) rows.emplace_back(n, std::string(Image().System(n).Name));
    }
    const int keepRow = VekaGrid1_->Row();
    VekaGrid1_->SetGridSize(2, int(rows.size()) + 1);
    VekaGrid1_->SetFixedCols(1);
    VekaGrid1_->SetFixedRows(1);
    VekaGrid1_->Cell(1, 0).Text = "Value";
    for (size_t i = 0; i < rows.size(); ++i) {
        const int row = int(i) + 1;
        VekaGrid1_->Cell(0, row).Text = rows[i].second;
        CutCellText(VekaGrid1_->Cell(0, row).Text);
        VekaGrid1_->Cell(1, row).Link = TLinkData{LinkSystem, rows[i].first, 0, 0, 0};
        FillParameterCell(row);
    }
    VekaGrid1_->setVisible(!rows.empty());
    FitGrids();
    if (!rows.empty()) VekaGrid1_->SetFocusCell(1, std::clamp(keepRow, 1, int(rows.size())));
    VekaGrid1_->viewport()->update();
}

void TEffectWindow::FillParameterCell(int row) {
    const int number = NumberOfRow(row);
    if (number == 0) return;
    TOneCell& cell = VekaGrid1_->Cell(1, row);
    FillCellFromParameter(cell, Image().System(number), 0, cell.Link);
    cell.Text.clear();
    cell.ShowAs = 0;
}

void TEffectWindow::BuildSendGrid() {
    ShowPortTabs(*TabControl2_);
    const int parameter = EffectPage(Page_).SendParameter;
    const int keepRow = std::clamp(VekaGrid2_->Row(), 1, 16);
    VekaGrid2_->SetGridSize(2, 17);
    VekaGrid2_->SetFixedCols(1);
    VekaGrid2_->SetFixedRows(1);
    VekaGrid2_->Cell(1, 0).Text = "Send";
    const int port = Edit().CurrentPort();
    for (int part = 1; part <= 16; ++part) {
        VekaGrid2_->Cell(0, part).Text = QStringLiteral("%1").arg(part, 2).toStdString();
        TOneCell& cell = VekaGrid2_->Cell(1, part);
        FillCellFromParameter(cell, Image().Part(port, part, parameter), 0, TLinkData{LinkPart, part, parameter, 0, 0});
        cell.Text.clear();
        cell.ShowAs = 0;
    }
    VekaGrid2_->SetFocusCell(1, keepRow);
    FitGrids();  // the send column is as wide as the port tabs it now has
    VekaGrid2_->viewport()->update();
}

void TEffectWindow::FitGrids() {
    const QFontMetrics metrics(VekaGrid1_->font());
    VekaGrid1_->SetRowHeight(FontRowHeight(*VekaGrid1_));
    VekaGrid2_->SetRowHeight(FontRowHeight(*VekaGrid2_));
    // The names are drawn as headers, whole.
    const int value = std::max(metrics.horizontalAdvance(QString(kValueColumnChars, QChar('0'))) + 8,
                               CaptionWidth(*VekaGrid1_, QStringLiteral("Value")));
    int name = 0;
    for (int row = 1; row < VekaGrid1_->RowCount(); ++row)
        name = std::max(name, CaptionWidth(*VekaGrid1_, Utf8(VekaGrid1_->GetCell(0, row).Text)));
    VekaGrid1_->SetColWidth(0, name);
    VekaGrid1_->SetColWidth(1, value);
    const int frame = 2 * VekaGrid1_->frameWidth();
    VekaGrid1_->setFixedSize(name + value + frame + 3, VekaGrid1_->RowCount() * (VekaGrid1_->RowHeight() + 1) + frame + 1);

    // The send column takes what the port tabs leave, so the grid shows no empty column.
    const int number = CaptionWidth(*VekaGrid2_, QStringLiteral("16"));
    const int frame2 = 2 * VekaGrid2_->frameWidth();
    const int width = std::max(number + CaptionWidth(*VekaGrid2_, QStringLiteral("Send0")) + frame2 + 3,
                               TabControl2_->sizeHint().width());
    VekaGrid2_->SetColWidth(0, number);
    VekaGrid2_->SetColWidth(1, width - number - frame2 - 3);
    VekaGrid2_->setFixedSize(width, 17 * (VekaGrid2_->RowHeight() + 1) + frame2 + 1);
}

void TEffectWindow::FillPresetList() {
    const TEffectPageInfo& info = EffectPage(Page_);
    const bool presets = info.PresetExtension != nullptr;
    PresetLabel_->setVisible(presets);
    cbPreset_->setVisible(presets);
    sbSave_->setVisible(presets);
    const QSignalBlocker block(cbPreset_);
    cbPreset_->clear();
    if (!presets) return;
    const QDir folder(Utf8(Store().PresetFolder()));
    // Name filters match without regard to case: "HALL.REV" is listed too.
    const QString pattern = QStringLiteral("*.") + QString::fromLatin1(info.PresetExtension);
    for (const QFileInfo& file : folder.entryInfoList({pattern}, QDir::Files, QDir::Name | QDir::IgnoreCase))
        cbPreset_->addItem(file.fileName());
    cbPreset_->setCurrentIndex(-1);
}

void TEffectWindow::ShowPicture() {
    // Hidden first, so that the page is never laid out with two pictures.
    VekaDelay1_->setVisible(false);
    Chorus_->setVisible(false);
    MGeqGS1_->setVisible(false);
    if (Page_ == epReverb || Page_ == epDelay) VekaDelay1_->setVisible(true);
    if (Page_ == epChorus) Chorus_->setVisible(true);
    if (Page_ == epEq) MGeqGS1_->setVisible(true);
    RedrawPicture();
}

// Pictures -------------------------------------------------------------------------------

void TEffectWindow::RedrawPicture(int row) {
    // What the picture shows, for those who cannot see it: the values of the page it draws.
    QStringList values;
    for (int r = 1; r < VekaGrid1_->RowCount(); ++r)
        values << VekaGrid1_->SpokenRowName(r) + QLatin1Char(' ') + VekaGrid1_->ShownText(1, r);
    const QString described = values.join(QStringLiteral(", "));
    for (QWidget* picture : {static_cast<QWidget*>(VekaDelay1_), static_cast<QWidget*>(Chorus_),
                             static_cast<QWidget*>(MGeqGS1_)})
        picture->setAccessibleDescription(described);
    const TVGS& image = Image();
    auto v = [&image](int number) { return int(image.System(number).Value); };
    switch (Page_) {
        case epReverb:
            if (row == 1 || row == 5) return;  // character and delay feedback change nothing drawn
            VekaDelay1_->DrawReverb(TReverbValues{v(7), v(8), v(9), v(11)});
            break;
        case epChorus:
            Chorus_->Draw(v(18), v(17));
            UpdateTimer();
            break;
        case epDelay:
            if (row == 1 || row == 10) return;  // pre-LPF and the send to reverb
            VekaDelay1_->DrawDelay(TDelayValues{v(23), v(24), v(25), v(26), v(27), v(28), v(29), v(30)});
            break;
        case epEq: MGeqGS1_->Draw(v(32), v(33), v(34), v(35)); break;
        default: break;
    }
}

void TEffectWindow::UpdateTimer() {
    const int interval = TChorusPicture::IntervalMs(Image().System(17).Value);
    if (Page_ != epChorus || interval == 0 || !isVisible()) {
        Timer1_->stop();
        return;
    }
    if (Timer1_->interval() != interval || !Timer1_->isActive()) Timer1_->start(interval);
}

void TEffectWindow::Timer1Timer() {
    if (Blinking_) return;  // a tick that came during the blink's own wait
    Blinking_ = true;
    const QPointer<TEffectWindow> self(this);
    Chorus_->DrawWave(QColor(0, 255, 255));
    // The wave stays aqua for a quarter of the interval; the window keeps working meanwhile,
    // and a rate of 0, another page or closing the window ends the wait at once.
    int left = Timer1_->interval() / 4;
    while (left > 0 && self && Timer1_->isActive()) {
        const int slice = std::min(left, kBlinkSliceMs);
        Audition().WaitMs(slice);
        left -= slice;
    }
    if (!self) return;
    Chorus_->DrawWave(QColor(0, 0, 255));
    Blinking_ = false;
}

void TEffectWindow::showEvent(QShowEvent* event) {
    TVekaTempForm::showEvent(event);
    UpdateTimer();
}

bool TEffectWindow::eventFilter(QObject* watched, QEvent* event) {
    // A new grid font: rows, columns and with them the page take their new sizes.
    if ((watched == VekaGrid1_ || watched == VekaGrid2_) && event->type() == QEvent::FontChange)
        FitGrids();
    return TVekaTempForm::eventFilter(watched, event);
}

void TEffectWindow::hideEvent(QHideEvent* event) {
    Timer1_->stop();
    TVekaTempForm::hideEvent(event);
}

void TEffectWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (VekaGrid1_->isVisible() && !PageRefused()) Bookmarks_->exec(event->globalPos());
}

// Chooser ----------------------------------------------------------------------------------

void TEffectWindow::cbMacroChange(int index) {
    if (Refreshing() || index < 0 || PageRefused()) return;
    const TEffectPageInfo& info = EffectPage(Page_);
    try {
        const TVGS::TSenderScope sender(Image(), this);
        if (info.MacroKind >= 0) {
            Image().ApplyMacro(info.MacroKind, index);
        } else if (Page_ == epInsertion) {
            const auto& types = Image().Data().InsertionTypes();
            if (size_t(index) >= types.size()) return;
            Image().LoadInsertionType(types[size_t(index)].Msb, types[size_t(index)].Lsb);
            Image().ApplyInsertionDefaults(types[size_t(index)].Msb, types[size_t(index)].Lsb);
        }
    } catch (const std::exception& error) {
        Edit().ReportEditError(error);  // what was stored stays in the image
        Edit().EndEditGesture();
    }
    {
        const TRefreshGuard guard(*this);
        BuildParameterGrid();
    }
    RedrawPicture();
    if (VekaGrid1_->isVisible()) {
        VekaGrid1_->SetFocusCell(1, 1);
        VekaGrid1_->setFocus();
        VekaGrid1Click();
    }
    EdgeFontPanel1_->SetCaption(MacroLabel_->text() + QStringLiteral(": ") + cbMacro_->currentText());
}

// Parameter grid ---------------------------------------------------------------------------

void TEffectWindow::ShowTitle(const std::string& name, const std::string& valueText) {
    EdgeFontPanel1_->SetCaption(Utf8(name + " : " + valueText));
}

void TEffectWindow::VekaGrid1Click() {
    if (Refreshing()) return;
    const int row = VekaGrid1_->Row();
    const int number = NumberOfRow(row);
    if (number == 0) return;
    StatusBar1_->setText(Utf8(SystemHelpText(number, Language())));
    std::string kind;
    if (Page_ == epInsertion)
        for (const TInsertionParameterRecord& rec : Image().InsertionParameters())
            if (rec.Slot + 36 == number) kind = rec.TextKind;
    const int value = VekaGrid1_->GetCellValue(1, row);
    ShowTitle(VekaGrid1_->GetCell(0, row).Text, EffectValueText(Page_, number, value, Image().System(23).Value, kind));
}

void TEffectWindow::VekaGrid1CellChange(int /*col*/, int row, const TOneCell& cell) {
    const int number = cell.Link.Owner;
    if (Refreshing() || PageRefused() || !TVGS::ValidSystem(number)) return;
    try {
        const TVGS::TSenderScope sender(Image(), this);
        Image().SetSystemValue(number, cell.Value);
    } catch (const std::exception& error) {
        Edit().ReportEditError(error);  // the value stays in the image
    }
    RedrawPicture(row);
    VekaGrid1Click();
}

void TEffectWindow::VekaGrid1PutLink(const TOneCell& cell) {
    Edit().EndEditGesture();
    Image().NotifyPut(Edit().CurrentPort(), cell.Link, cell.Value, this);
    ReviewEdit();
}

void TEffectWindow::ReviewEdit() {
    if (!Options().On(TOption::ReviewEdit)) return;
    const int port = Edit().CurrentPort();
    const int part = std::clamp(VekaGrid2_->Row(), 1, 16);
    SoundTestNote(port, part, kReviewMs);
}

// Send grid --------------------------------------------------------------------------------

void TEffectWindow::VekaGrid2Click() {
    if (Refreshing()) return;
    const int part = std::clamp(VekaGrid2_->Row(), 1, 16);
    const int parameter = EffectPage(Page_).SendParameter;
    const int value = VekaGrid2_->GetCellValue(1, part);
    ShowTitle(PartParameterName(parameter), PartValueText(Language(), parameter, value));
    StatusBar1_->setText(Utf8(PartHelpText(parameter, Language())));
    Edit().SetCurrentChannel(Image().Part(Edit().CurrentPort(), part, ppRxChannel).Value);
    Edit().SelectPart(part, this);
}

void TEffectWindow::VekaGrid2CellChange(int /*col*/, int row, const TOneCell& cell) {
    const int parameter = cell.Link.Index;
    if (Refreshing() || row < 1 || row > 16 || parameter < 1 || parameter > kPartParameterCount) return;
    try {
        const TVGS::TSenderScope sender(Image(), this);
        Image().SetPartValue(Edit().CurrentPort(), row, cell.Value, parameter);
    } catch (const std::exception& error) {
        Edit().ReportEditError(error);
    }
    ShowTitle(PartParameterName(parameter), PartValueText(Language(), parameter, cell.Value));
}

void TEffectWindow::VekaGrid2PutLink(const TOneCell& cell) {
    Edit().EndEditGesture();
    Image().NotifyPut(Edit().CurrentPort(), cell.Link, cell.Value, this);
    ReviewEdit();
}

void TEffectWindow::TabControl2Change(int port) {
    if (Refreshing() || port < 0) return;
    Edit().SetCurrentPort(port);  // every window shows the port again
}

// Presets ----------------------------------------------------------------------------------

void TEffectWindow::cbPresetChange(int index) {
    const TEffectPageInfo& info = EffectPage(Page_);
    if (index < 0 || !info.PresetExtension || PageRefused()) return;
    const QString path = QDir(Utf8(Store().PresetFolder())).filePath(cbPreset_->itemText(index));
    TFixedSetupFileHost host;
    TSetupReadResult result;
    try {
        const TVGS::TSenderScope sender(Image(), this);
        result = ReadSetupFile(Image(), host, Edit().CurrentPort(), path.toStdString());
    } catch (const std::exception& error) {
        Edit().ReportEditError(error);
        Edit().EndEditGesture();
    }
    if (!result.Ok() && !result.Text(Language()).empty()) Ui().Warn(result.Text(Language()));
    if (!result.Sections.System) {
        RefreshFromImage();
        return;
    }
    {
        const TRefreshGuard guard(*this);
        BuildParameterGrid();
    }
    // The module has the macro or type the file named (the read sent it); what differs from
    // its defaults goes now, one message after the other.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::string caption = Tr(kTexts[etSending], Language()).toStdString();
    try {
        for (int n = 1; n <= kSystemParameterCount; ++n) {
            const TOneParameter& p = Image().System(n);
            if (p.Value != p.Default) Out_.SendSystemParameter(n, caption);
        }
    } catch (const std::exception& error) {
        Edit().ReportEditError(error);
    }
    Edit().EndEditGesture();
    QApplication::restoreOverrideCursor();
    RefreshFromImage();
    Image().MarkDataChanged();
    // The focused value once more, as an edit of it: its title and picture follow.
    if (const int row = VekaGrid1_->Row(); NumberOfRow(row) != 0)
        VekaGrid1CellChange(1, row, VekaGrid1_->GetCell(1, row));
}

void TEffectWindow::sbSaveClick() {
    const TEffectPageInfo& info = EffectPage(Page_);
    if (!info.PresetExtension) return;
    const QString extension = QString::fromLatin1(info.PresetExtension);
    const QString filter = QStringLiteral("%1 (*.%2)").arg(QString::fromLatin1(info.PresetDescription), extension);
    const QString name = Ui().ChooseSaveName(Tr(kTexts[etSaveHint], Language()), Utf8(Store().PresetFolder()), filter,
                                             extension);
    if (name.isEmpty()) return;
    const TSetupWriteResult result = WriteEffectPreset(Image(), info.Group, name.toStdString(), Ui().StatusProgress());
    if (!result.Ok()) Ui().Warn(result.Text(Language()));
    FillPresetList();
    cbPreset_->setCurrentIndex(cbPreset_->findText(QFileInfo(name).fileName()));
}

// The window pattern -----------------------------------------------------------------------

void TEffectWindow::RefreshFromImage() {
    {
        const TRefreshGuard guard(*this);
        if (Page_ == epInsertion) {
            BuildParameterGrid();  // the type may be another one now
        } else {
            FillChooser();
            for (int row = 1; row < VekaGrid1_->RowCount(); ++row) FillParameterCell(row);
        }
        BuildSendGrid();
    }
    RedrawPicture();
    Stabilize();
    VekaGrid1_->viewport()->update();
}

void TEffectWindow::Stabilize() {
    const bool refused = PageRefused();
    PageArea_->setEnabled(!refused);
    cbPreset_->setEnabled(!refused);
    sbSave_->setEnabled(!refused);
    PresetLabel_->setEnabled(!refused);
    MacroLabel_->setVisible(EffectPage(Page_).Chooser != 0);
    cbMacro_->setVisible(EffectPage(Page_).Chooser != 0);
}

void TEffectWindow::SelectPart(int part) {
    if (part < 1 || part > 16 || part == VekaGrid2_->Row()) return;
    VekaGrid2_->SetFocusCell(1, part);
}

void TEffectWindow::PropagateValue(const TLinkData& link, int value) {
    if (link.Kind == LinkPart) {
        VekaGrid2_->SetLinkedValue(link, value);
    } else if (link.Kind == LinkSystem) {
        VekaGrid1_->SetLinkedValue(link, value);
        RedrawPicture();
    }
}

void TEffectWindow::ImageChanged(const TChangeNotice& change) {
    if (change.Link.Kind == LinkPart) {
        if (change.Port == Edit().CurrentPort()) VekaGrid2_->SetLinkedValue(change.Link, change.Record.Value);
        return;
    }
    if (change.Link.Kind != LinkSystem) return;
    const int number = change.Link.Owner;
    const TEffectPageInfo& info = EffectPage(Page_);
    if (number == info.Chooser) {
        // A macro or type chosen elsewhere (a file, a request, another editor).
        if (Page_ == epInsertion) {
            // The type's ranges and values are stored after its number: the page is rebuilt
            // once the change is complete.
            QMetaObject::invokeMethod(this, [this] { RefreshFromImage(); }, Qt::QueuedConnection);
        } else {
            const TRefreshGuard guard(*this);
            FillChooser();
        }
    }
    VekaGrid1_->SetLinkedValue(change.Link, change.Record.Value);
    RedrawPicture();
}

bool TEffectWindow::ShowParameter(int /*port*/, const TLinkData& link) {
    if (link.Kind != LinkSystem) return false;
    auto find = [&] {
        for (int row = 1; row < VekaGrid1_->RowCount(); ++row)
            if (NumberOfRow(row) == link.Owner) {
                VekaGrid1_->SetFocusCell(1, row);
                VekaGrid1_->setFocus();
                VekaGrid1Click();
                return true;
            }
        return false;
    };
    if (find()) return true;
    // The page that holds it; none: the page shown before.
    const int shown = Page_;
    for (int page = 0; page < kEffectPageCount; ++page) {
        if (page == shown || page >= TabControl1_->count() || !TabControl1_->isTabEnabled(page)) continue;
        TabControl1Change(page);
        if (find()) return true;
    }
    TabControl1Change(shown);
    return false;
}

}  // namespace veka
