#include "windows/master_window.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/caption.h"
#include "windows/drum_columns.h"
#include "document/effect_pages.h"
#include "widgets/veka_grid.h"
#include "module/image.h"
#include "document/test_note.h"

namespace veka {

namespace {

constexpr int kReviewMs = 300;  // the note that sounds after an edit
constexpr int kDesignedWidth = 233;

// The close button's caption; the rows' status texts are the system parameters' help.
constexpr TCaption kClose = {"閉じる", "Close"};

}  // namespace

TMasterWindow::TMasterWindow(const TWindowServices& services, QWidget* parent)
    : TVekaTempForm(services, "MasterWindow", parent) {
    setWindowTitle(QStringLiteral("Master Parameter"));
    VekaGrid1_ = new TVekaGrid(this);
    VekaGrid1_->setObjectName("VekaGrid1");
    VekaGrid1_->setFont(QFont(QString::fromStdString(Options().GridFontName()), std::max(6, Options().GridFontSize())));
    VekaGrid1_->SetGridSize(2, kRows);
    VekaGrid1_->SetFixedCols(1);
    VekaGrid1_->SetFixedRows(1);
    VekaGrid1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    VekaGrid1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    VekaGrid1_->Cell(1, 0).Text = "value";
    VekaGrid1_->installEventFilter(this);  // a new grid font

    CancelBtn_ = new QPushButton(Tr(kClose, Language()), this);
    CancelBtn_->setObjectName("CancelBtn");
    StatusBar1_ = new QLabel(this);
    StatusBar1_->setObjectName("StatusBar1");
    StatusBar1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusBar1_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->setSpacing(4);
    layout->addWidget(VekaGrid1_, 0, Qt::AlignHCenter);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CancelBtn_);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1_);

    connect(VekaGrid1_, &TVekaGrid::OnClick, this, &TMasterWindow::VekaGrid1Click);
    connect(VekaGrid1_, &TVekaGrid::OnCellChange, this, &TMasterWindow::VekaGrid1CellChange);
    connect(VekaGrid1_, &TVekaGrid::OnPutLink, this, &TMasterWindow::VekaGrid1PutLink);
    connect(CancelBtn_, &QPushButton::clicked, this, &TMasterWindow::CancelBtnClick);
    for (QWidget* w : {static_cast<QWidget*>(CancelBtn_), static_cast<QWidget*>(StatusBar1_), VekaGrid1_->viewport()})
        WatchPointer(w);

    RefreshFromImage();
    VekaGrid1_->SetFocusCell(1, 1);
    VekaGrid1Click();
    StatusBar1_->setMinimumHeight(2 * StatusBar1_->fontMetrics().height() + 6);
    FitToFont();
}

void TMasterWindow::FitToFont() {
    // The designed widths, wider where a name or the heading would be cut (they are drawn bold).
    int nameWidth = kDesignedWidth * 2 / 3;
    for (int row = 1; row < kRows; ++row)
        nameWidth = std::max(nameWidth, CaptionWidth(*VekaGrid1_, QString::fromStdString(VekaGrid1_->GetCell(0, row).Text)));
    const int valueWidth = std::max(kDesignedWidth - kDesignedWidth * 2 / 3, CaptionWidth(*VekaGrid1_, QStringLiteral("value")));
    VekaGrid1_->SetRowHeight(FontRowHeight(*VekaGrid1_));
    VekaGrid1_->SetColWidth(0, nameWidth);
    VekaGrid1_->SetColWidth(1, valueWidth);
    // Exactly the heading and the four rows: no scroll bars, no empty band below.
    VekaGrid1_->setFixedSize(nameWidth + valueWidth + 5, kRows * (VekaGrid1_->RowHeight() + 1) + 2 * VekaGrid1_->frameWidth() + 1);
    // Not resizable by its border: the window is as large as its contents.
    setFixedSize(sizeHint());
}

bool TMasterWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == VekaGrid1_ && event->type() == QEvent::FontChange) FitToFont();
    return TVekaTempForm::eventFilter(watched, event);
}

void TMasterWindow::FillCell(int row) {
    const TOneParameter& p = Image().System(row);
    VekaGrid1_->Cell(0, row).Text = std::string(p.Name);
    FillCellFromParameter(VekaGrid1_->Cell(1, row), p, Shift(row), TLinkData{LinkSystem, row, 0, 0, 0});
}

void TMasterWindow::RefreshFromImage() {
    {
        const TRefreshGuard guard(*this);
        for (int row = 1; row < kRows; ++row) FillCell(row);
    }
    VekaGrid1_->viewport()->update();
}

void TMasterWindow::PropagateValue(const TLinkData& link, int value) {
    if (link.Kind != LinkSystem || link.Owner < 1 || link.Owner >= kRows) return;
    VekaGrid1_->SetLinkedValue(link, value - Shift(link.Owner));
}

void TMasterWindow::ImageChanged(const TChangeNotice& change) {
    if (change.Link.Kind != LinkSystem || change.Link.Owner < 1 || change.Link.Owner >= kRows) return;
    VekaGrid1_->SetLinkedValue(change.Link, change.Record.Value - Shift(change.Link.Owner));
}

QString TMasterWindow::StatusText() const { return StatusBar1_->text(); }

void TMasterWindow::VekaGrid1Click() {
    const int row = std::clamp(VekaGrid1_->Row(), 1, kRows - 1);
    StatusBar1_->setText(QString::fromStdString(SystemHelpText(row, Language())));
}

void TMasterWindow::VekaGrid1CellChange(int /*col*/, int row, const TOneCell& cell) {
    if (Refreshing() || row < 1 || row >= kRows) return;
    try {
        const TVGS::TSenderScope sender(Image(), this);
        Image().SetSystemValue(row, cell.Value + Shift(row));
    } catch (const std::exception& error) {
        Edit().ReportEditError(error);  // the value stays in the image
    }
    VekaGrid1Click();
}

void TMasterWindow::VekaGrid1PutLink(const TOneCell& cell) {
    Edit().EndEditGesture();
    Image().NotifyPut(0, cell.Link, cell.Value + Shift(cell.Link.Owner), this);
    if (!Options().On(TOption::ReviewEdit)) return;
    SoundTestNote(Edit().CurrentPort(), Edit().CurrentPart(), kReviewMs);
}

void TMasterWindow::CancelBtnClick() { CloseWindow(); }

bool TMasterWindow::ShowParameter(int /*port*/, const TLinkData& link) {
    if (link.Kind != LinkSystem || link.Owner < 1 || link.Owner >= kRows) return false;
    VekaGrid1_->SetFocusCell(1, link.Owner);
    VekaGrid1_->setFocus();
    VekaGrid1Click();
    return true;
}

}  // namespace veka
