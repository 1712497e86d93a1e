#include "app/sysx_history_dialog.h"

#include "widgets/caption.h"

#include <QClipboard>
#include <QDateTime>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace veka {

namespace {

QTreeWidgetItem* MakeRow(const THistoryEntry& entry) {
    auto* item = new QTreeWidgetItem;
    item->setText(TSysxHistoryDialog::colName, QString::fromStdString(entry.Name));
    item->setText(TSysxHistoryDialog::colValue, QString::number(entry.Value));
    item->setTextAlignment(TSysxHistoryDialog::colValue, Qt::AlignRight | Qt::AlignVCenter);
    item->setText(TSysxHistoryDialog::colSysx, QString::fromStdString(entry.Sysex));
    item->setText(TSysxHistoryDialog::colTime, TSysxHistoryDialog::TimeText(entry.Time));
    return item;
}

}  // namespace

TSysxHistoryDialog::TSysxHistoryDialog(const THistory& history, TOptionsView options,
                                       TLanguage language, QWidget* parent)
    : QWidget(parent), Options_(options), List_(new QTreeWidget(this)), Status_(new QLabel(this)) {
    FormCreate(history, language);
}

namespace {
// The window's captions.
enum THistoryText { htName, htValue, htSysx, htTime, htHint, htList, htCount };
constexpr TCaption kTexts[htCount] = {
    {"ﾊﾟﾗﾒｰﾀｰ名", "Parameter"},
    {"値", "Value"},
    {"Sysx", "Sysx Text"},
    {"時間", "Time"},
    {"ﾊﾟﾗﾒｰﾀｰ名をﾀﾞﾌﾞﾙｸﾘｯｸするとｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ", "To copy a sysx text, simply double-click on the parameter name."},
    {"送信したﾒｯｾｰｼﾞ", "Messages sent"},
};
}  // namespace

void TSysxHistoryDialog::FormCreate(const THistory& history, TLanguage language) {
    const auto text = [language](THistoryText id) { return Tr(kTexts[id], language); };
    setObjectName("SysxHistoryDialog");
    setWindowTitle("Sysx History");

    List_->setObjectName("ListView1");
    List_->setAccessibleName(text(htList));
    List_->setColumnCount(4);
    List_->setHeaderLabels({text(htName), text(htValue), text(htSysx), text(htTime)});
    List_->headerItem()->setTextAlignment(colValue, Qt::AlignRight | Qt::AlignVCenter);
    List_->setRootIsDecorated(false);
    List_->setUniformRowHeights(true);
    List_->setAllColumnsShowFocus(true);
    List_->setSelectionMode(QAbstractItemView::SingleSelection);
    List_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List_->header()->setStretchLastSection(false);
    List_->setColumnWidth(colName, 180);
    List_->setColumnWidth(colValue, 60);
    List_->setColumnWidth(colSysx, 240);
    List_->setColumnWidth(colTime, 150);
    // Mouse moves without a button pressed are needed for the auto-activate option.
    List_->setMouseTracking(true);
    List_->viewport()->installEventFilter(this);
    connect(List_, &QTreeWidget::itemDoubleClicked, this, [this] { ListView1DblClick(); });

    QList<QTreeWidgetItem*> rows;
    for (const THistoryEntry& entry : history.Entries()) rows.append(MakeRow(entry));
    List_->addTopLevelItems(rows);

    auto* statusBar = new QStatusBar(this);
    statusBar->setSizeGripEnabled(false);
    Status_->setText(text(htHint));
    statusBar->addWidget(Status_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(List_, 1);
    layout->addWidget(statusBar);
}

QString TSysxHistoryDialog::StatusText() const { return Status_->text(); }

QString TSysxHistoryDialog::TimeText(std::chrono::system_clock::time_point time) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(time.time_since_epoch()).count();
    return QDateTime::fromMSecsSinceEpoch(qint64(ms)).toString("yyyy/MM/dd hh:mm:ss");
}

void TSysxHistoryDialog::AddHistory(const THistoryEntry& entry, bool droppedOldest) {
    List_->insertTopLevelItem(0, MakeRow(entry));
    if (!droppedOldest) return;
    // The history keeps 99 entries; the row of the one it freed goes as well.
    while (size_t(List_->topLevelItemCount()) > THistory::kMaxEntries)
        delete List_->takeTopLevelItem(List_->topLevelItemCount() - 1);
}

void TSysxHistoryDialog::ListView1DblClick() {
    const QTreeWidgetItem* item = List_->currentItem();
    if (!item) return;
    const std::string text = SysexCopyText(item->text(colSysx).toStdString(), Options_.On(TOption::CopyWithoutF0F7),
                                           Options_.SysxSpace());
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void TSysxHistoryDialog::ListView1MouseMove() {
    if (!Options_.On(TOption::AutoActivate)) return;
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        auto* child = qobject_cast<QMdiSubWindow*>(w);
        if (!child) continue;
        QMdiArea* area = child->mdiArea();
        if (area && area->activeSubWindow() != child) area->setActiveSubWindow(child);
        return;
    }
    if (!isActiveWindow()) activateWindow();
}

bool TSysxHistoryDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == List_->viewport() && event->type() == QEvent::MouseMove) ListView1MouseMove();
    return QWidget::eventFilter(watched, event);
}

}  // namespace veka
