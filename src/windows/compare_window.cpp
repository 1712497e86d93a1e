#include "windows/compare_window.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "widgets/caption.h"
#include "widgets/edge_font_panel.h"
#include "module/image_snapshot.h"

namespace veka {

namespace {

enum TCompareText {
    ctTitle, ctWith, ctDefaults, ctSaved, ctOther, ctModule, ctCompare, ctSend, ctClose, ctWhere, ctParameter,
    ctThis, ctDefaultColumn, ctSavedColumn, ctModuleColumn, ctNotRead, ctCount, ctNone, ctUnread, ctSent,
    ctNothingYet, ctSendFailed, ctOne, ctOneUnread, ctListName, ctTextCount
};
constexpr TCaption kTexts[ctTextCount] = {
    {"比較", "Compare"},
    {"比較対象:", "Compare with:"},
    {"初期値", "Defaults"},
    {"保存されたﾌｧｲﾙ", "The file as saved"},
    {"他のﾌｧｲﾙ...", "Another file..."},
    {"音源 (ﾃﾞｰﾀﾘｸｴｽﾄ)...", "The module (data request)..."},
    {"再比較", "Compare Again"},
    {"違いを送信", "Send Differences"},
    {"閉じる", "Close"},
    {"場所", "Where"},
    {"ﾊﾟﾗﾒｰﾀｰ", "Parameter"},
    {"現在の値", "This setup"},
    {"初期値", "Default"},
    {"保存されたﾌｧｲﾙ", "Saved file"},
    {"音源", "Module"},
    {"(読み取れません)", "(not read)"},
    {"%1 個の違い", "%1 differences"},
    {"違いはありません", "No differences"},
    {"%1 個のﾊﾟﾗﾒｰﾀｰは音源から読み取れませんでした", "%1 parameters could not be read from the module"},
    {"%1 個のﾒｯｾｰｼﾞを送信しました", "%1 messages sent"},
    {"比較するものがありません", "Nothing to compare with yet"},
    {"送信できませんでした: %1", "Sending failed: %1"},
    {"1 個の違い", "1 difference"},
    {"1 個のﾊﾟﾗﾒｰﾀｰは音源から読み取れませんでした", "1 parameter could not be read from the module"},
    {"違い", "Differences"},
};

QString Text(TCompareText id, TLanguage language) { return Tr(kTexts[id], language); }
QString Utf8(const std::string& text) { return QString::fromStdString(text); }
QString ValueText(int32_t value, const std::string& text) {
    return text == std::to_string(value) ? QString::number(value) : QStringLiteral("%1 (%2)").arg(value).arg(Utf8(text));
}

constexpr int kPortRole = Qt::UserRole;
constexpr int kKindRole = Qt::UserRole + 1;
constexpr int kOwnerRole = Qt::UserRole + 2;
constexpr int kIndexRole = Qt::UserRole + 3;
constexpr int kDataRole = Qt::UserRole + 4;

}  // namespace

TCompareWindow::TCompareWindow(const TWindowServices& services, ICompareSources& sources, QWidget* parent)
    : TVekaTempForm(services, "CompareWindow", parent), Sources_(sources) {
    const TLanguage lang = Language();
    setWindowTitle(Text(ctTitle, lang));
    EdgeFontPanel1_ = MakeTitlePanel();
    auto* withLabel = new QLabel(Text(ctWith, lang), this);
    cbSource_ = new QComboBox(this);
    cbSource_->setObjectName("cbSource");
    for (TCompareText t : {ctDefaults, ctSaved, ctOther, ctModule}) cbSource_->addItem(Text(t, lang));
    withLabel->setBuddy(cbSource_);
    CompareBtn_ = new QPushButton(Text(ctCompare, lang), this);
    CompareBtn_->setObjectName("CompareBtn");
    SendBtn_ = new QPushButton(Text(ctSend, lang), this);
    SendBtn_->setObjectName("SendBtn");
    CloseBtn_ = new QPushButton(Text(ctClose, lang), this);
    CloseBtn_->setObjectName("CloseBtn");

    List_ = new QTreeWidget(this);
    List_->setObjectName("DifferenceList");
    List_->setAccessibleName(Text(ctListName, lang));
    List_->setRootIsDecorated(false);
    List_->setUniformRowHeights(true);
    List_->setAlternatingRowColors(true);
    List_->setSelectionMode(QAbstractItemView::SingleSelection);
    List_->setColumnCount(4);
    List_->header()->setStretchLastSection(true);
    if (lang == TLanguage::English) List_->setFont(QFont(QStringLiteral("Arial")));
    StatusBar1_ = MakeStatusBar();

    auto* top = new QHBoxLayout;
    top->addWidget(withLabel);
    top->addWidget(cbSource_, 1);
    top->addWidget(CompareBtn_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(SendBtn_);
    bottom->addStretch(1);
    bottom->addWidget(CloseBtn_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->setSpacing(4);
    layout->addWidget(EdgeFontPanel1_);
    layout->addLayout(top);
    layout->addWidget(List_, 1);
    layout->addLayout(bottom);
    layout->addWidget(StatusBar1_);
    FormCreate(EdgeFontPanel1_);
    EdgeFontPanel1_->SetCaption(Text(ctTitle, lang));

    ListTimer_ = new QTimer(this);
    ListTimer_->setSingleShot(true);
    ListTimer_->setInterval(0);
    connect(ListTimer_, &QTimer::timeout, this, &TCompareWindow::FillList);
    connect(cbSource_, &QComboBox::activated, this, &TCompareWindow::SourceChange);
    connect(CompareBtn_, &QPushButton::clicked, this, &TCompareWindow::CompareClick);
    connect(SendBtn_, &QPushButton::clicked, this, &TCompareWindow::SendClick);
    connect(CloseBtn_, &QPushButton::clicked, this, [this] { CloseWindow(); });
    connect(List_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item, int) { ListDoubleClick(item); });
    for (QWidget* w : {static_cast<QWidget*>(cbSource_), static_cast<QWidget*>(List_->viewport()),
                       static_cast<QWidget*>(StatusBar1_)})
        WatchPointer(w);
    resize(620, 420);
    CompareWith(csDefaults);
}

void TCompareWindow::SourceChange(int index) {
    if (index >= 0 && index < csCount) CompareWith(TSource(index));
}

void TCompareWindow::CompareClick() { CompareWith(Source_); }

void TCompareWindow::CompareWith(TSource source) {
    TCompareTarget target;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    switch (source) {
        case csDefaults: target = Sources_.Defaults(); break;
        case csSavedFile: target = Sources_.SavedFile(); break;
        case csOtherFile: target = Sources_.OtherFile(); break;
        case csModule: target = Sources_.Module(); break;
        default: break;
    }
    QApplication::restoreOverrideCursor();
    if (!target.Image) {
        // Cancelled: the comparison shown stays; a failure is said and shown as such.
        if (!target.Error.empty()) Ui().Warn(target.Error);
        const QSignalBlocker block(cbSource_);
        cbSource_->setCurrentIndex(Source_);
        Stabilize();
        return;
    }
    Source_ = source;
    Other_ = std::move(target.Image);
    Unread_ = std::move(target.Unread);
    OtherName_ = source == csDefaults    ? Text(ctDefaultColumn, Language())
                 : source == csModule    ? Text(ctModuleColumn, Language())
                 : target.Name.empty() ? Text(ctSavedColumn, Language())
                                       : QString::fromStdString(target.Name);
    Note_.clear();
    {
        const QSignalBlocker block(cbSource_);
        cbSource_->setCurrentIndex(source);
    }
    FillList();
}

void TCompareWindow::ScheduleList() {
    if (Other_ && !ListTimer_->isActive()) ListTimer_->start();
}

void TCompareWindow::FillList() {
    ListTimer_->stop();
    const TLanguage lang = Language();
    List_->setHeaderLabels({Text(ctWhere, lang), Text(ctParameter, lang), Text(ctThis, lang), OtherName_});
    if (!Other_) {
        List_->clear();
        Stabilize();
        return;
    }
    Other_->Language = Image().Language;
    Differences_ = DiffImages(Image(), *Other_);
    // Where the list was, so a refresh while editing does not jump.
    const int scroll = List_->verticalScrollBar() ? List_->verticalScrollBar()->value() : 0;
    const QTreeWidgetItem* current = List_->currentItem();
    const QString currentKey = current ? current->text(0) + '\t' + current->text(1) : QString();
    List_->setUpdatesEnabled(false);
    List_->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(qsizetype(Differences_.size() + Unread_.size()));
    auto add = [&](const TSetupDifference& d, const QString& other, bool unread) {
        auto* item = new QTreeWidgetItem({Utf8(d.Where), Utf8(d.Name), ValueText(d.First, d.FirstText), other});
        item->setData(0, kPortRole, d.Port);
        item->setData(0, kKindRole, int(d.Link.Kind));
        item->setData(0, kOwnerRole, d.Link.Owner);
        item->setData(0, kIndexRole, d.Link.Index);
        item->setData(0, kDataRole, d.Link.Data);
        if (unread) item->setForeground(3, QApplication::palette().color(QPalette::Disabled, QPalette::Text));
        items.push_back(item);
    };
    for (const TSetupDifference& d : Differences_) add(d, ValueText(d.Second, d.SecondText), false);
    for (const int index : Unread_) {
        const TParameterPlace place = PlaceOfIndex(index);
        const TSetupDifference d = DescribeParameter(Image(), place.Port, place.Link);
        if (!d.Where.empty()) add(d, Text(ctNotRead, lang), true);
    }
    List_->addTopLevelItems(items);
    for (QTreeWidgetItem* item : items)
        if (!currentKey.isEmpty() && item->text(0) + '\t' + item->text(1) == currentKey) List_->setCurrentItem(item);
    if (List_->verticalScrollBar()) List_->verticalScrollBar()->setValue(scroll);
    if (List_->header()->sectionSize(0) < 40 || List_->property("sized").isNull()) {
        for (int c = 0; c < 3; ++c) List_->resizeColumnToContents(c);
        List_->setProperty("sized", true);
    }
    List_->setUpdatesEnabled(true);
    Stabilize();
}

void TCompareWindow::Stabilize() {
    const TLanguage lang = Language();
    SendBtn_->setVisible(Source_ == csModule);
    SendBtn_->setEnabled(Source_ == csModule && Other_ && !Differences_.empty());
    CompareBtn_->setEnabled(Other_ != nullptr);
    QString status = !Other_                     ? Text(ctNothingYet, lang)
                     : Differences_.empty()     ? Text(ctNone, lang)
                     : Differences_.size() == 1 ? Text(ctOne, lang)
                                                : Text(ctCount, lang).arg(Differences_.size());
    if (!Unread_.empty())
        status += QStringLiteral(" · ") + (Unread_.size() == 1 ? Text(ctOneUnread, lang) : Text(ctUnread, lang).arg(Unread_.size()));
    if (!Note_.isEmpty()) status += QStringLiteral(" · ") + Note_;
    StatusBar1_->setText(status);
}

QString TCompareWindow::StatusText() const { return StatusBar1_->text(); }

void TCompareWindow::RefreshFromImage() {
    // A file read or a reset: the other side stays what it was; the list follows the image.
    if (Other_) FillList();
}

void TCompareWindow::PropagateValue(const TLinkData& link, int /*value*/) {
    // The ribbon's controllers reach the module as channel messages and arrive only this way.
    const int port = Edit().CurrentPort();
    if (Source_ == csModule && Other_ && link.Kind == LinkPart && TVGS::ValidPart(port, link.Owner, link.Index))
        CopyValue(*Other_, Image(), IndexOfPlace(port, {LinkPart, link.Owner, link.Index, 0, 0}));
    ScheduleList();
}

void TCompareWindow::ImageChanged(const TChangeNotice& change) {
    if (Source_ == csModule) ModuleHeard(change.Port, change.Link, &change.Record);
    ScheduleList();
}

void TCompareWindow::ModuleHeard(int port, const TLinkData& link, const TOneParameter* record) {
    if (!Other_) return;
    // Every change of the image is sent as it is made: the module holds it now. The change's
    // record says which parameter it was (a drum change names its value, not its parameter).
    auto take = [&](int index) {
        if (index < 0) return false;
        if (&RecordAt(Image(), index) != record) return false;
        CopyValue(*Other_, Image(), index);
        return true;
    };
    switch (link.Kind) {
        case LinkSystem: take(IndexOfPlace(0, {LinkSystem, link.Owner, 0, 0, 0})); break;
        case LinkPart: take(IndexOfPlace(port, {LinkPart, link.Owner, link.Index, 0, 0})); break;
        case LinkDrum:
            for (int n = 1; n <= kDrumParameterCount; ++n)
                if (take(IndexOfPlace(port, {LinkDrum, link.Owner, link.Index, n, 0}))) break;
            break;
        case LinkUserDrum:
            for (int n = 1; n <= kUserDrumParameterCount; ++n)
                if (take(IndexOfPlace(0, {LinkUserDrum, link.Owner, link.Index, n, 0}))) break;
            break;
        default: break;
    }
}

void TCompareWindow::SendClick() {
    if (Source_ != csModule || !Other_ || Differences_.empty()) return;
    const std::vector<TSetupDifference> sending = Differences_;
    std::vector<int> indices;
    for (const TSetupDifference& d : sending)
        if (const int index = IndexOfPlace(d.Port, d.Link); index >= 0) indices.push_back(index);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        const int sent = Sources_.SendDifferences(indices);
        // The module holds the image's values now.
        for (const int index : indices) CopyValue(*Other_, Image(), index);
        Note_ = Text(ctSent, Language()).arg(sent);
    } catch (const std::exception& error) {
        Note_ = Text(ctSendFailed, Language()).arg(Utf8(error.what()));
    }
    QApplication::restoreOverrideCursor();
    FillList();
}

void TCompareWindow::ListDoubleClick(QTreeWidgetItem* item) {
    if (!item) return;
    const TLinkData link{uint8_t(item->data(0, kKindRole).toInt()), item->data(0, kOwnerRole).toInt(),
                         item->data(0, kIndexRole).toInt(), item->data(0, kDataRole).toInt(), 0};
    Sources_.ShowParameter(item->data(0, kPortRole).toInt(), link);
}

}  // namespace veka
