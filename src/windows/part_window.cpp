#include "windows/part_window.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QTabBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "widgets/caption.h"
#include "windows/drum_columns.h"
#include "widgets/edge_font_panel.h"
#include "windows/part_mix_column.h"
#include "windows/part_row_audition.h"
#include "document/part_texts.h"
#include "module/image.h"
#include "module/value_texts.h"
#include "document/test_note.h"

namespace veka {

namespace {

constexpr int kReviewMs = 300;  // the note that sounds after an edit

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

// The window's captions.
enum TPartText { ptTitle, ptGridHint, ptCount };
constexpr TCaption kTexts[ptCount] = {
    {"Part 編集", "Part Window"},
    {"列名をﾄﾞﾗｯｸﾞして列位置位置、列名の境界をﾄﾞﾗｯｸﾞして列幅変更", "can customize columun position and width by dragging"},
};

bool IsToneParameter(int parameter) {
    return parameter == ppToneNumber || parameter == ppToneMap || parameter == ppRhythm;
}

}  // namespace

int TPartWindow1::DisplayShift(int parameter) {
    if (parameter == ppPitchOffsetFine) return 128;
    if (parameter == ppPitchFineTune) return 8192;
    return 0;
}

TPartWindow1::TPartWindow1(const TWindowServices& services, IPartOrderStore& orders, ISongMix& mix, QWidget* parent)
    : TVekaTempForm(services, "PartWindow1", parent), Orders_(orders) {
    setWindowTitle(Tr(kTexts[ptTitle], Language()));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* top = new QWidget(this);
    top->setObjectName("Panel1");
    auto* topRow = new QHBoxLayout(top);
    topRow->setContentsMargins(0, 0, 0, 0);
    topRow->setSpacing(2);
    EdgeFontPanel1_ = MakeTitlePanel();
    topRow->addWidget(EdgeFontPanel1_, 1);
    auto* buttons = new QWidget(top);
    buttons->setObjectName("Panel2");
    auto* buttonRow = new QHBoxLayout(buttons);
    buttonRow->setContentsMargins(0, 0, 0, 0);
    buttonRow->setSpacing(1);
    for (int n = 0; n < 4; ++n) {
        auto* button = new QToolButton(buttons);
        button->setObjectName(QStringLiteral("p%1").arg(n));
        button->setText(QString::number(n + 1));
        button->setCheckable(true);
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, this, [this, n] { p0Click(n); });
        buttonRow->addWidget(button);
        OrderButtons_[size_t(n)] = button;
    }
    topRow->addWidget(buttons);
    layout->addWidget(top);

    TabControl1_ = new QTabBar(this);
    TabControl1_->setObjectName("TabControl1");
    TabControl1_->setExpanding(false);
    layout->addWidget(TabControl1_);
    VekaGrid1_ = new TVekaGrid(this);
    VekaGrid1_->setObjectName("VekaGrid1");
    VekaGrid1_->SetFixedCols(kFixedCols);
    VekaGrid1_->SetFixedRows(1);
    VekaGrid1_->AllowColumnMove = true;
    VekaGrid1_->AllowColumnSizing = true;
    VekaGrid1_->SpeakerCursor = true;
    // Read aloud as the module names parts: port letter and part number ("A1").
    VekaGrid1_->RowNameForSpeech = [this](int row) {
        return QStringLiteral("%1%2").arg(QChar('A' + Edit().CurrentPort())).arg(row);
    };
    VekaGrid1_->setFont(QFont(Utf8(Options().GridFontName()), std::max(6, Options().GridFontSize())));
    auto* rows = new QHBoxLayout();
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    MixColumn_ = new TPartMixColumn(mix, Image(), *VekaGrid1_, Language(), this);
    MixColumn_->SetPort(Edit().CurrentPort());
    rows->addWidget(MixColumn_);
    rows->addWidget(VekaGrid1_, 1);
    layout->addLayout(rows, 1);
    VekaGrid1_->installEventFilter(this);  // a new grid font
    StatusBar1_ = new QLabel(this);
    StatusBar1_->setObjectName("StatusBar1");
    StatusBar1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    layout->addWidget(StatusBar1_);

    connect(VekaGrid1_, &TVekaGrid::OnClick, this, &TPartWindow1::VekaGrid1Click);
    connect(VekaGrid1_, &TVekaGrid::OnCellChange, this, &TPartWindow1::VekaGrid1CellChange);
    connect(VekaGrid1_, &TVekaGrid::OnPutLink, this, &TPartWindow1::VekaGrid1PutLink);
    connect(VekaGrid1_, &TVekaGrid::OnColumnMoved, this, &TPartWindow1::VekaGrid1ColumnMoved);
    connect(VekaGrid1_, &TVekaGrid::OnEnter, this, [this] { StatusBar1_->setText(Tr(kTexts[ptGridHint], Language())); });
    connect(TabControl1_, &QTabBar::currentChanged, this, &TPartWindow1::TabControl1Change);
    for (QWidget* w : {static_cast<QWidget*>(EdgeFontPanel1_), static_cast<QWidget*>(StatusBar1_),
                       static_cast<QWidget*>(TabControl1_), VekaGrid1_->viewport()})
        WatchPointer(w);

    RowAudition_ = std::make_unique<TPartRowAudition>(*this, *VekaGrid1_, *EdgeFontPanel1_, kFixedCols);
    ReloadOrderNames();
    Rebuild(Orders_.LastOrder());
    SelectPart(Edit().CurrentPart());
    FormCreate(EdgeFontPanel1_);
}

TPartWindow1::~TPartWindow1() {
    Audition().TestNote().Stop();
    // The order as the window leaves it (widths, moved columns) is kept for the next opening.
    StoreHeadersInOrder();
    std::string error;
    Orders_.Save(OrderList_, Order_, error);
}

void TPartWindow1::ReloadOrderNames() {
    for (int n = 0; n < 4; ++n) OrderButtons_[size_t(n)]->setToolTip(Utf8(Orders_.Name(n)));
}

QString TPartWindow1::StatusText() const { return StatusBar1_->text(); }

bool TPartWindow1::Auditioning() const { return RowAudition_ && RowAudition_->Active(); }

int TPartWindow1::ParameterOfColumn(int col) const {
    return VekaGrid1_->GetCell(col, 0).Link.Index;
}

int TPartWindow1::FocusedPart() const { return std::clamp(VekaGrid1_->Row(), 1, 16); }

void TPartWindow1::Rebuild(int order) {
    {
        const TRefreshGuard guard(*this);
        Order_ = std::clamp(order, 0, 3);
        Stabilize();
        ShowPortTabs(*TabControl1_);
        const int keepRow = VekaGrid1_->Row();
        VekaGrid1_->SetRowCountCells(kRows);
        std::string name;
        const TOrderReadStatus status = Orders_.Load(Order_, OrderList_, name);
        if (status == TOrderReadStatus::BadMagic || status == TOrderReadStatus::Damaged)
            Ui().Warn(std::string(OrderDataReadError(Language())));
        if (OrderList_.empty()) DefaultOrder(OrderList_);
        VekaGrid1_->SetGridSize(int(OrderList_.size()) + kFixedCols, kRows);
        for (size_t i = 0; i < OrderList_.size(); ++i) {
            const int col = int(i) + kFixedCols;
            TOneCell& header = VekaGrid1_->Cell(col, 0);
            header.Text = PartParameterName(OrderList_[i].Index);
            header.Link = OrderList_[i];
            VekaGrid1_->SetColWidth(col, OrderList_[i].Spare);
        }
        FitColumns();
        FillRows();
        VekaGrid1_->SetFocusCell(std::min(VekaGrid1_->ColCount() - 1, kFixedCols), std::clamp(keepRow, 1, 16));
    }
    VekaGrid1Click();
    VekaGrid1_->viewport()->update();
}

void TPartWindow1::FillRows() {
    TVGS& image = Image();
    const int port = Edit().CurrentPort();
    for (int part = 1; part <= 16; ++part) {
        VekaGrid1_->Cell(0, part).Text = QStringLiteral("%1").arg(part, 2).toStdString();
        VekaGrid1_->Cell(1, part).Text = image.PartToneName(port, part);
        for (int col = kFixedCols; col < VekaGrid1_->ColCount(); ++col) FillCell(col, part);
    }
}

void TPartWindow1::FillCell(int col, int row) {
    const int parameter = ParameterOfColumn(col);
    const TOneParameter& p = Image().Part(Edit().CurrentPort(), row, parameter);
    TOneCell& cell = VekaGrid1_->Cell(col, row);
    FillCellFromParameter(cell, p, DisplayShift(parameter),
                          TLinkData{VekaGrid1_->GetCell(col, 0).Link.Kind, row, parameter, 0, 0});
    cell.Text.clear();
    cell.ShowAs = 0;
}

void TPartWindow1::FitColumns() {
    const QFontMetrics metrics(VekaGrid1_->font());
    const int number = metrics.horizontalAdvance(QStringLiteral("BBBBB"));
    const int tone = metrics.horizontalAdvance(QStringLiteral("BBBBBBBBBBBBBBBBBB"));
    VekaGrid1_->Cell(0, 0).Link.Spare = number;
    VekaGrid1_->Cell(1, 0).Link.Spare = tone;
    VekaGrid1_->SetColWidth(0, number);
    VekaGrid1_->SetColWidth(1, tone);
}

void TPartWindow1::ShowTitle(int parameter, int value) {
    EdgeFontPanel1_->SetCaption(Utf8(std::string(PartParameterName(parameter)) + " : " +
                                     PartValueText(Language(), parameter, value)));
}

void TPartWindow1::VekaGrid1Click() {
    if (Refreshing()) return;
    const int col = VekaGrid1_->Col();
    const int parameter = ParameterOfColumn(col);
    if (parameter >= 1 && parameter <= kPartParameterCount) {
        const int value = VekaGrid1_->GetCellValue(col, VekaGrid1_->Row()) + DisplayShift(parameter);
        ShowTitle(parameter, value);
        StatusBar1_->setText(Utf8(PartHelpText(parameter, Language())));
    }
    if (!Auditioning()) {
        const int part = FocusedPart();
        Edit().SetCurrentChannel(Image().Part(Edit().CurrentPort(), part, ppRxChannel).Value);
        Edit().SelectPart(part, this);
    }
}

void TPartWindow1::VekaGrid1CellChange(int col, int row, const TOneCell& cell) {
    const int parameter = ParameterOfColumn(col);
    if (row < 1 || row > 16 || parameter < 1 || parameter > kPartParameterCount) return;
    const int value = cell.Value + DisplayShift(parameter);
    try {
        const TVGS::TSenderScope sender(Image(), this);
        Image().SetPartValue(Edit().CurrentPort(), row, value, parameter);
    } catch (const std::exception& error) {
        Edit().ReportEditError(error);  // the value stays in the image
    }
    if (IsToneParameter(parameter)) VekaGrid1_->Cell(1, row).Text = Image().PartToneName(Edit().CurrentPort(), row);
    if (parameter == ppRxChannel) MixColumn_->Refresh();
    ShowTitle(parameter, value);
    VekaGrid1Click();
}

void TPartWindow1::VekaGrid1PutLink(const TOneCell& cell) {
    Edit().EndEditGesture();
    const int parameter = cell.Link.Index;
    const int part = cell.Link.Owner;
    const int port = Edit().CurrentPort();
    const int value = cell.Value + DisplayShift(parameter);
    Image().NotifyPut(port, cell.Link, value, this);
    if (parameter == ppMasterCoarseTuning && part >= 1 && part <= 16) {
        // Its RPN goes once per gesture, not at every step of the drag.
        try {
            const TVGS::TSenderScope sender(Image(), this);
            Image().SetPartCoarseTuning(port, part, value);
        } catch (const std::exception& error) {
            Edit().ReportEditError(error);
            Edit().EndEditGesture();
        }
    }
    if (Options().On(TOption::ReviewEdit)) {
        VekaGrid1Click();
        SoundTestNote(port, FocusedPart(), kReviewMs);
    }
}

void TPartWindow1::VekaGrid1ColumnMoved(int from, int to) {
    MoveOrderEntry(OrderList_, from - kFixedCols, to - kFixedCols);
}

void TPartWindow1::StoreHeadersInOrder() {
    OrderList_.clear();
    for (int col = kFixedCols; col < VekaGrid1_->ColCount(); ++col) {
        TLinkData entry = VekaGrid1_->GetCell(col, 0).Link;
        entry.Spare = VekaGrid1_->ColWidth(col);
        OrderList_.push_back(entry);
    }
}

void TPartWindow1::p0Click(int tag) {
    QToolButton* button = OrderButtons_[size_t(tag & 3)];
    if (tag == Order_) {
        button->setChecked(true);  // one order button is always down
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    StoreHeadersInOrder();
    std::string error;
    if (!Orders_.Save(OrderList_, Order_, error)) Ui().Warn(error);
    Rebuild(tag);
    Orders_.SetLastOrder(tag);
    QApplication::restoreOverrideCursor();
}

void TPartWindow1::TabControl1Change(int index) {
    if (Refreshing() || index < 0) return;
    Edit().SetCurrentPort(index);  // every window shows the port again
}

void TPartWindow1::RefreshFromImage() {
    StoreHeadersInOrder();
    {
        const TRefreshGuard guard(*this);
        ShowPortTabs(*TabControl1_);
        FillRows();
        MixColumn_->SetPort(Edit().CurrentPort());
        MixColumn_->Refresh();
        Stabilize();
    }
    VekaGrid1Click();
    VekaGrid1_->viewport()->update();
}

void TPartWindow1::Stabilize() {
    // One order button is always down: the one shown.
    for (int n = 0; n < 4; ++n) OrderButtons_[size_t(n)]->setChecked(n == Order_);
}

void TPartWindow1::ImageChanged(const TChangeNotice& change) {
    // A value of the shown port stored elsewhere (the tone browser, a command): its cell and,
    // for the tone, the tone name follow at once.
    if (change.Link.Kind != LinkPart || change.Port != Edit().CurrentPort()) return;
    const int part = change.Link.Owner;
    if (part < 1 || part > 16) return;
    if (change.Link.Index == ppRxChannel) MixColumn_->Refresh();  // its mute and solo are another channel's
    VekaGrid1_->SetLinkedValue(change.Link, change.Record.Value - DisplayShift(change.Link.Index));
    if (IsToneParameter(change.Link.Index)) {
        VekaGrid1_->Cell(1, part).Text = Image().PartToneName(change.Port, part);
        VekaGrid1_->RepaintCell(1, part);
    }
}

void TPartWindow1::SelectPart(int part) {
    if (part < 1 || part > 16 || part == VekaGrid1_->Row()) return;
    VekaGrid1_->SetFocusCell(VekaGrid1_->Col(), part);
}

void TPartWindow1::PropagateValue(const TLinkData& link, int value) {
    if (link.Kind != LinkPart) return;
    VekaGrid1_->SetLinkedValue(link, value - DisplayShift(link.Index));
    if (link.Index == ppRxChannel) MixColumn_->Refresh();
    // A part that took a kit shared on its drum map shows the kit's name.
    if (IsToneParameter(link.Index) && link.Owner >= 1 && link.Owner <= 16) {
        VekaGrid1_->Cell(1, link.Owner).Text = Image().PartToneName(Edit().CurrentPort(), link.Owner);
        VekaGrid1_->RepaintCell(1, link.Owner);
    }
}

bool TPartWindow1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == VekaGrid1_ && event->type() == QEvent::FontChange) {
        // A larger font widens the columns it would cut; the order's own widths stay stored.
        FitColumns();
        FitCaptionColumns(*VekaGrid1_);
        VekaGrid1_->FitHeight();
        UpdateHeightLimits();
    }
    return TVekaTempForm::eventFilter(watched, event);
}

void TPartWindow1::resizeEvent(QResizeEvent* event) {
    TVekaTempForm::resizeEvent(event);
    FitColumns();
    VekaGrid1_->FitHeight();
    EdgeFontPanel1_->UpdateBack();
    UpdateHeightLimits();
}

void TPartWindow1::UpdateHeightLimits() {
    // At most the height that shows all 17 rows, at least the one that shows two parts.
    const int row = VekaGrid1_->RowHeight() + 1;
    const int scroll = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int around = findChild<QWidget*>("Panel1")->sizeHint().height() + TabControl1_->sizeHint().height() +
                       StatusBar1_->sizeHint().height() + scroll + 7 + 2 * VekaGrid1_->frameWidth();
    setMinimumHeight(around + 3 * row);
    setMaximumHeight(around + kRows * row);
}

void TPartWindow1::showEvent(QShowEvent* event) {
    TVekaTempForm::showEvent(event);
    Edit().SelectPart(FocusedPart(), this);
}

void TPartWindow1::contextMenuEvent(QContextMenuEvent* event) {
    Audition().TestNote().Stop();
    if (QMenu* menu = Ui().PartMenu()) menu->exec(event->globalPos());
}

bool TPartWindow1::ShowParameter(int /*port*/, const TLinkData& link) {
    if (link.Kind != LinkPart || link.Owner < 1 || link.Owner > 16) return false;
    for (int col = kFixedCols; col < VekaGrid1_->ColCount(); ++col)
        if (ParameterOfColumn(col) == link.Index) {
            VekaGrid1_->SetFocusCell(col, link.Owner);
            VekaGrid1_->setFocus();
            VekaGrid1Click();
            return true;
        }
    SelectPart(link.Owner);  // a column this order does not show: the part at least
    return false;
}

}  // namespace veka
