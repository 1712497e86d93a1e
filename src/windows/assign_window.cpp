#include "windows/assign_window.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

#include "widgets/caption.h"
#include "windows/drum_columns.h"
#include "widgets/edge_font_panel.h"
#include "widgets/veka_grid.h"
#include "module/user_messages.h"
#include "module/value_texts.h"
#include "document/note_player.h"

namespace veka {

namespace {

constexpr int kReviewMs = 300;
constexpr int kControllerCount = 96;  // CC1 and CC2 take controllers 0..95
constexpr int kCc1Parameter = 15, kCc2Parameter = 16;
constexpr int kDescribeMessage = 86;

constexpr const char* kSourceCaptions[TAssignWindow::kSources] = {
    "Moduration", "Pitch Bend", "Channel After Touch", "Poly After Touch", "CC1", "CC2"};
constexpr const char* kDestinationCaptions[TAssignWindow::kDestinations] = {
    " Pitch Control", " TVF Cutoff Control", " Amplitude Control", " LFO1 Rate", " LFO1 Pitch", " LFO1 TVF Depth",
    " LFO1 TVA Depth", " LFO2 Rate", " LFO2 Pitch", " LFO2 TVF Depth", " LFO2 TVA Depth"};

constexpr TCaption kTitle = {"ｺﾝﾄﾛｰﾗｰ接続ﾏﾄﾘｯｸｽ", "Controller Matrix"};
constexpr TCaption kPart = {"対象ﾊﾟｰﾄ", "Part"};

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

bool InMatrix(int parameter) {
    return parameter >= TAssignWindow::kFirstParameter &&
           parameter < TAssignWindow::kFirstParameter + TAssignWindow::kSources * TAssignWindow::kDestinations;
}

}  // namespace

const char* TAssignWindow::SourceCaption(int source) {
    return source >= 0 && source < kSources ? kSourceCaptions[source] : "";
}

const char* TAssignWindow::DestinationCaption(int destination) {
    return destination >= 0 && destination < kDestinations ? kDestinationCaptions[destination] : "";
}

TAssignWindow::TAssignWindow(const TWindowServices& services, TNotePlayer& player, QWidget* parent)
    : TVekaTempForm(services, "AssignWindow", parent), Player_(player) {
    const TLanguage language = Language();
    setWindowTitle(Tr(kTitle, language));
    if (language == TLanguage::English) setFont(QFont(QStringLiteral("Arial")));
    EdgeFontPanel1_ = MakeTitlePanel();
    TabControl1_ = new QTabBar(this);
    TabControl1_->setObjectName("TabControl1");
    TabControl1_->setDrawBase(false);

    VekaGrid1_ = new TVekaGrid(this);
    VekaGrid1_->setObjectName("VekaGrid1");
    VekaGrid1_->setFont(QFont(QString::fromStdString(Options().GridFontName()), std::max(6, Options().GridFontSize())));
    VekaGrid1_->SetGridSize(kSources + 1, kDestinations + 1);
    VekaGrid1_->SetFixedCols(1);
    VekaGrid1_->SetFixedRows(1);
    VekaGrid1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    VekaGrid1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int source = 0; source < kSources; ++source) VekaGrid1_->Cell(source + 1, 0).Text = kSourceCaptions[source];
    for (int destination = 0; destination < kDestinations; ++destination)
        VekaGrid1_->Cell(0, destination + 1).Text = kDestinationCaptions[destination];
    FitGrid();

    auto makeList = [this](const char* name) {
        auto* list = new QComboBox(this);
        list->setObjectName(QLatin1String(name));
        list->setMaxVisibleItems(20);
        return list;
    };
    cbCC1_ = makeList("cbCC1");
    cbCC2_ = makeList("cbCC2");
    for (QComboBox* list : {cbCC1_, cbCC2_})
        for (int controller = 0; controller < kControllerCount; ++controller)
            list->addItem(Utf8(ControllerText(controller)));
    cbPart_ = makeList("cbPart");
    for (int part = 1; part <= kPartsPerPort; ++part) cbPart_->addItem(QStringLiteral("%1").arg(part, 2));

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(4);
    bottom->addWidget(new QLabel(QStringLiteral("CC1"), this));
    bottom->addWidget(cbCC1_, 1);
    bottom->addSpacing(8);
    bottom->addWidget(new QLabel(QStringLiteral("CC2"), this));
    bottom->addWidget(cbCC2_, 1);
    bottom->addSpacing(8);
    bottom->addWidget(new QLabel(Tr(kPart, language), this));
    bottom->addWidget(cbPart_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->setSpacing(0);
    layout->addWidget(EdgeFontPanel1_);
    layout->addWidget(TabControl1_);
    layout->addWidget(VekaGrid1_, 0, Qt::AlignLeft);
    layout->addSpacing(4);
    auto* bottomMargins = new QHBoxLayout;
    bottomMargins->setContentsMargins(4, 0, 4, 0);
    bottomMargins->addLayout(bottom);
    layout->addLayout(bottomMargins);

    connect(VekaGrid1_, &TVekaGrid::OnClick, this, &TAssignWindow::VekaGrid1Click);
    connect(VekaGrid1_, &TVekaGrid::OnCellChange, this, &TAssignWindow::VekaGrid1CellChange);
    connect(VekaGrid1_, &TVekaGrid::OnPutLink, this, &TAssignWindow::VekaGrid1PutLink);
    connect(cbCC1_, &QComboBox::activated, this, [this](int index) { cbCCChange(kCc1Parameter, index); });
    connect(cbCC2_, &QComboBox::activated, this, [this](int index) { cbCCChange(kCc2Parameter, index); });
    connect(cbPart_, &QComboBox::activated, this, &TAssignWindow::cbPartChange);
    connect(TabControl1_, &QTabBar::currentChanged, this, &TAssignWindow::TabControl1Change);
    for (QWidget* w : findChildren<QWidget*>()) {
        WatchPointer(w);
        w->installEventFilter(this);
    }

    FormCreate(EdgeFontPanel1_);
    RefreshFromImage();
    VekaGrid1_->SetFocusCell(1, 1);
    DescribeCell();
    FitToFont();
}

void TAssignWindow::FitToFont() {
    FitGrid();
    setFixedSize(sizeHint());
}

void TAssignWindow::FitGrid() {
    const QFontMetrics metrics(VekaGrid1_->font());
    VekaGrid1_->SetRowHeight(FontRowHeight(*VekaGrid1_));
    // Captions are drawn as headers, whole.
    int names = kCaptionWidth;
    for (const char* caption : kDestinationCaptions) names = std::max(names, CaptionWidth(*VekaGrid1_, QString::fromLatin1(caption)));
    VekaGrid1_->SetColWidth(0, names);
    int total = VekaGrid1_->ColWidth(0);
    for (int source = 0; source < kSources; ++source) {
        const int width = std::max(CaptionWidth(*VekaGrid1_, QString::fromLatin1(kSourceCaptions[source])),
                                   metrics.horizontalAdvance(QStringLiteral("+127")) + 10);
        VekaGrid1_->SetColWidth(source + 1, width);
        total += width;
    }
    const int rows = kDestinations + 1;
    VekaGrid1_->setFixedSize(total + kSources + 1 + 2 * VekaGrid1_->frameWidth(),
                             rows * (VekaGrid1_->RowHeight() + 1) + 2 * VekaGrid1_->frameWidth() + 1);
}

void TAssignWindow::FillCell(int parameter) {
    if (!InMatrix(parameter)) return;
    const int index = parameter - kFirstParameter;
    const int col = index / kDestinations + 1, row = index % kDestinations + 1;
    const TOneParameter& p = Image().Part(Edit().CurrentPort(), Part_, parameter);
    TOneCell& cell = VekaGrid1_->Cell(col, row);
    FillCellFromParameter(cell, p, 0, TLinkData{LinkPart, Part_, parameter, 0, 0});
    cell.Text = PartValueText(Language(), parameter, p.Value);
    cell.ShowAs = 1;
    VekaGrid1_->RepaintCell(col, row);
}

void TAssignWindow::ShowCcLists() {
    const QSignalBlocker block1(cbCC1_), block2(cbCC2_);
    const int port = Edit().CurrentPort();
    cbCC1_->setCurrentIndex(std::clamp(Image().Part(port, Part_, kCc1Parameter).Value, 0, kControllerCount - 1));
    cbCC2_->setCurrentIndex(std::clamp(Image().Part(port, Part_, kCc2Parameter).Value, 0, kControllerCount - 1));
}

void TAssignWindow::ShowPart() {
    {
        const TRefreshGuard guard(*this);
        Part_ = std::clamp(Edit().CurrentPart(), 1, kPartsPerPort);
        ShowPortTabs(*TabControl1_);
        const QSignalBlocker block(cbPart_);
        cbPart_->setCurrentIndex(Part_ - 1);
        for (int parameter = kFirstParameter; InMatrix(parameter); ++parameter) FillCell(parameter);
        ShowCcLists();
    }
    VekaGrid1_->viewport()->update();
    DescribeCell();
}

void TAssignWindow::RefreshFromImage() { ShowPart(); }

void TAssignWindow::SelectPart(int part) {
    if (part != Part_) ShowPart();
}

void TAssignWindow::DescribeCell() {
    const int source = std::clamp(VekaGrid1_->Col() - 1, 0, kSources - 1);
    const int destination = std::clamp(VekaGrid1_->Row() - 1, 0, kDestinations - 1);
    const int parameter = ParameterOf(source, destination);
    const QString sourceText = QString::fromLatin1(kSourceCaptions[source]).trimmed();
    const QString destinationText = QString::fromLatin1(kDestinationCaptions[destination]).trimmed();
    const QString valueText =
        Utf8(PartValueText(Language(), parameter, Image().Part(Edit().CurrentPort(), Part_, parameter).Value)).trimmed();
    QString text = QString::fromUtf8(UserMessage(kDescribeMessage, Language()).data());
    const bool japanese = Language() == TLanguage::Japanese;
    for (const QString& fill : {japanese ? sourceText : destinationText, japanese ? destinationText : sourceText, valueText}) {
        const qsizetype at = text.indexOf(QStringLiteral("%s"));
        if (at < 0) break;
        text.replace(at, 2, fill);
    }
    EdgeFontPanel1_->SetCaption(text);
}

QString TAssignWindow::HeaderText() const { return EdgeFontPanel1_->Caption(); }

void TAssignWindow::VekaGrid1Click() { DescribeCell(); }

void TAssignWindow::VekaGrid1CellChange(int /*col*/, int /*row*/, const TOneCell& cell) {
    const int parameter = cell.Link.Index;
    if (Refreshing() || !InMatrix(parameter)) return;
    try {
        const TVGS::TSenderScope sender(Image(), this);
        Image().SetPartValue(Edit().CurrentPort(), Part_, cell.Value, parameter);
    } catch (const std::exception& error) {
        Edit().ReportEditError(error);  // the value stays in the image
    }
    FillCell(parameter);
    DescribeCell();
}

void TAssignWindow::VekaGrid1PutLink(const TOneCell& cell) {
    Edit().EndEditGesture();
    Image().NotifyPut(Edit().CurrentPort(), cell.Link, cell.Value, this);
    if (Options().On(TOption::ReviewEdit)) SoundTestNote(Edit().CurrentPort(), Part_, kReviewMs);
}

void TAssignWindow::cbCCChange(int parameter, int index) {
    if (Refreshing() || index < 0 || index >= kControllerCount) return;
    const int port = Edit().CurrentPort();
    try {
        const TVGS::TSenderScope sender(Image(), this);
        Image().SetPartValue(port, Part_, index, parameter);
    } catch (const std::exception& error) {
        Edit().ReportEditError(error);
    }
    Edit().EndEditGesture();
    Image().NotifyPut(port, TLinkData{LinkPart, Part_, parameter, 0, 0}, index, this);
}

void TAssignWindow::cbPartChange(int index) {
    if (Refreshing() || index < 0) return;
    const int part = index + 1;
    Edit().SetCurrentChannel(Image().Part(Edit().CurrentPort(), part, ppRxChannel).Value);
    Edit().SelectPart(part, this);
    ShowPart();
}

void TAssignWindow::TabControl1Change(int port) {
    if (Refreshing() || port < 0) return;
    Edit().SetCurrentPort(port);  // every window shows the port again, this one too
}

void TAssignWindow::PropagateValue(const TLinkData& link, int /*value*/) {
    if (link.Kind != LinkPart || link.Owner != Part_) return;
    if (link.Index == kCc1Parameter || link.Index == kCc2Parameter) {
        const TRefreshGuard guard(*this);
        ShowCcLists();
    } else if (InMatrix(link.Index)) {
        FillCell(link.Index);
        DescribeCell();
    }
}

void TAssignWindow::ImageChanged(const TChangeNotice& change) {
    if (change.Port != Edit().CurrentPort()) return;
    PropagateValue(change.Link, change.Record.Value);
}

bool TAssignWindow::eventFilter(QObject* watched, QEvent* event) {
    // A new grid font: the grid and the window take their new sizes.
    if (watched == VekaGrid1_ && event->type() == QEvent::FontChange)
        FitToFont();
    // Letting go of a button anywhere here ends the computer keyboard's held notes.
    if (event->type() == QEvent::MouseButtonRelease) Player_.ReleaseKeys();
    return TVekaTempForm::eventFilter(watched, event);
}

}  // namespace veka
