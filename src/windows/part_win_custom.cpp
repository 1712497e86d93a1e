#include "windows/part_win_custom.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "document/part_order.h"
#include "document/part_texts.h"
#include "module/image.h"
#include "module/parameter_tables.h"
#include "widgets/control_accessibles.h"

namespace veka {

namespace {

const QString kUnavailable = QStringLiteral("--------");

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TPartWinCustom::TPartWinCustom(const std::string& folder, TSettings& settings, int moduleType, TLanguage language,
                               QWidget* parent)
    : QDialog(parent), Folder_(folder), Settings_(settings), ModuleType_(moduleType), Language_(language) {
    setObjectName(QStringLiteral("PartWinCustom"));
    BuildControls();
    FillLists(0);
    SetStatus(Text("登録 : ﾘｽﾄ選択後[追加] , ﾀﾞﾌﾞﾙｸﾘｯｸ , ｶｰｿﾙ右",
                   "To add items to the Use list: click [add] button, or double-click on an item."));
}

QString TPartWinCustom::Text(const char* japanese, const char* english) const {
    return QString::fromUtf8(Language_ == TLanguage::English ? english : japanese);
}

void TPartWinCustom::BuildControls() {
    setWindowTitle(Text("Part Windowの構成", "Customize Part Window"));

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox2 = new QListWidget(this);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    for (QListWidget* list : {ListBox1, ListBox2}) {
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        list->installEventFilter(this);
    }
    auto* left = new QVBoxLayout;
    left->addWidget(LabelFor(Text("ﾊﾟﾗﾒｰﾀｰの候補", "All Parameters"), ListBox1, this));
    left->addWidget(ListBox1, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(LabelFor(Text("使うﾊﾟﾗﾒｰﾀｰ ", "Available Parameters"), ListBox2, this));
    right->addWidget(ListBox2, 1);

    AddBtn = new QPushButton(Text("追加", "Add"), this);
    DeleteBtn = new QPushButton(Text("削除", "Delete"), this);
    UpBtn = new QPushButton(Text("１つ上へ", "Up"), this);
    DownBtn = new QPushButton(Text("１つ下へ", "Down"), this);
    auto* middle = new QVBoxLayout;
    middle->addStretch(1);
    for (QPushButton* button : {AddBtn, DeleteBtn, UpBtn, DownBtn}) {
        button->setAutoDefault(false);
        middle->addWidget(button);
    }
    middle->addStretch(1);

    auto* lists = new QHBoxLayout;
    lists->addLayout(left, 1);
    lists->addLayout(middle);
    lists->addLayout(right, 1);

    auto* orderBox = new QGroupBox(QStringLiteral("Order"), this);
    auto* orderRow = new QHBoxLayout(orderBox);
    RadioGroup1 = new QButtonGroup(this);
    for (int n = 0; n < 4; ++n) {
        auto* button = new QRadioButton(QString::number(n + 1), orderBox);
        OrderButtons_[size_t(n)] = button;
        RadioGroup1->addButton(button, n);
        orderRow->addWidget(button);
        button->installEventFilter(this);
    }
    OrderButtons_[0]->setChecked(true);

    auto* nameBox = new QGroupBox(Text("Orderのﾀｲﾄﾙ", "Name for the Order"), this);
    auto* nameRow = new QHBoxLayout(nameBox);
    Edit1 = new QLineEdit(nameBox);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(int(kOrderNameBytes));
    Edit1->installEventFilter(this);
    nameRow->addWidget(Edit1);

    CloseBtn = new QPushButton(Text("閉じる", "Close"), this);
    CloseBtn->setAutoDefault(false);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(orderBox);
    bottom->addWidget(nameBox, 1);
    bottom->addWidget(CloseBtn, 0, Qt::AlignBottom);

    StatusBar1 = new QLabel(this);
    StatusBar1->setFrameShape(QFrame::Panel);
    StatusBar1->setFrameShadow(QFrame::Sunken);
    StatusBar1->setTextInteractionFlags(Qt::NoTextInteraction);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(bottom);
    layout->addWidget(StatusBar1);
    resize(560, 440);

    connect(AddBtn, &QPushButton::clicked, this, &TPartWinCustom::AddClick);
    connect(DeleteBtn, &QPushButton::clicked, this, &TPartWinCustom::DeleteClick);
    connect(UpBtn, &QPushButton::clicked, this, &TPartWinCustom::UpClick);
    connect(DownBtn, &QPushButton::clicked, this, &TPartWinCustom::DownClick);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(RadioGroup1, &QButtonGroup::idClicked, this, &TPartWinCustom::RadioGroup1Click);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { AddClick(); });
    connect(ListBox1, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });
    connect(ListBox2, &QListWidget::itemClicked, this, [this] { ListBox2Click(); });
}

QString TPartWinCustom::StatusText() const { return StatusBar1->text(); }

void TPartWinCustom::SetStatus(const QString& text) { StatusBar1->setText(text); }

QString TPartWinCustom::CandidateText(int index) const {
    if (index == ppToneNumber || index == ppToneMap || index == ppRhythm) return kUnavailable;
    if (ModuleType_ == mtSC88 && index >= 1 && index <= kPartParameterCount && PartRows()[size_t(index)].ProOnly == 2)
        return kUnavailable;
    QString text = QString::fromUtf8(PartParameterName(index));
    if (index == ppPitchFineTune) text += QStringLiteral("/Master Fine Tuning(RPN)");
    if (index == ppBendPitchControl) text += QStringLiteral("/Pitch Bend Sensitivity(RPN)");
    return text;
}

QString TPartWinCustom::UsedText(int index) const {
    if (ModuleType_ == mtSC88 && (index == 23 || index == 24)) return QStringLiteral("-------- (For SC-88Pro Only)");
    return QString::fromUtf8(PartParameterName(index));
}

void TPartWinCustom::FillLists(int n) {
    std::string name;
    const TOrderReadStatus status = LoadOrder(List_, n, Folder_, Settings_, name);
    Order_ = n;
    Edit1->setText(Utf8(name));
    ListBox2->clear();
    for (const TLinkData& entry : List_) ListBox2->addItem(UsedText(entry.Index));
    ListBox1->clear();
    for (int index = 1; index <= kPartParameterCount; ++index) ListBox1->addItem(CandidateText(index));

    if (status == TOrderReadStatus::BadMagic || status == TOrderReadStatus::Damaged) {
        // Before the dialog is on screen the box would have no window to belong to.
        if (isVisible())
            ShowMessage(QMessageBox::Warning, Utf8(std::string(OrderDataReadError(Language_))));
        else
            ReadErrorPending_ = true;
    }
}

void TPartWinCustom::AddClick() {
    for (int row = 0; row < ListBox1->count(); ++row) {
        if (!ListBox1->item(row)->isSelected()) continue;
        const int index = row + 1;
        if (ListBox1->item(row)->text() == kUnavailable) continue;
        // Compared by parameter, not by line text: the candidate lines of two parameters carry
        // an "(RPN)" suffix that the used list does not show.
        const bool present = std::any_of(List_.begin(), List_.end(), [&](const TLinkData& e) { return e.Index == index; });
        if (present || int(List_.size()) >= kMaxOrderEntries) continue;
        List_.push_back(TLinkData{LinkPart, 0, index, 0, kDefaultColumnWidth});
        ListBox2->addItem(UsedText(index));
    }
}

void TPartWinCustom::DeleteClick() {
    for (int row = ListBox2->count() - 1; row >= 0; --row) {
        if (!ListBox2->item(row)->isSelected()) continue;
        delete ListBox2->takeItem(row);
        List_.erase(List_.begin() + row);
    }
}

void TPartWinCustom::SwapLines(int a, int b) {
    QListWidgetItem* first = ListBox2->item(a);
    QListWidgetItem* second = ListBox2->item(b);
    const QString text = first->text();
    const bool selected = first->isSelected();
    first->setText(second->text());
    first->setSelected(second->isSelected());
    second->setText(text);
    second->setSelected(selected);
    std::swap(List_[size_t(a)], List_[size_t(b)]);
}

void TPartWinCustom::UpClick() {
    // A selected line moves above its neighbour unless that one is selected and could not
    // move itself, so a selected block at the top stays as it is.
    for (int row = 1; row < ListBox2->count(); ++row) {
        if (!ListBox2->item(row)->isSelected() || ListBox2->item(row - 1)->isSelected()) continue;
        SwapLines(row - 1, row);
        ListBox2->setCurrentRow(row - 1, QItemSelectionModel::NoUpdate);
        ListBox2->scrollToItem(ListBox2->item(row - 1));
    }
}

void TPartWinCustom::DownClick() {
    for (int row = ListBox2->count() - 2; row >= 0; --row) {
        if (!ListBox2->item(row)->isSelected() || ListBox2->item(row + 1)->isSelected()) continue;
        SwapLines(row, row + 1);
        ListBox2->setCurrentRow(row + 1, QItemSelectionModel::NoUpdate);
        ListBox2->scrollToItem(ListBox2->item(row + 1));
    }
}

void TPartWinCustom::SaveCurrent() {
    if (List_.empty()) return;
    std::string error;
    if (!SaveOrder(List_, Order_, Folder_, Settings_, Edit1->text().toStdString(), error))
        ShowMessage(QMessageBox::Warning,
                    Text("Order を保存できませんでした。\n", "The order could not be saved.\n") + Utf8(error));
}

void TPartWinCustom::RadioGroup1Click(int n) {
    if (n < 0 || n > 3) return;
    if (!OrderButtons_[size_t(n)]->isChecked()) OrderButtons_[size_t(n)]->setChecked(true);
    if (n == Order_) return;
    SaveCurrent();
    FillLists(n);
}

void TPartWinCustom::ListBox1Click() {
    const int row = ListBox1->currentRow();
    if (row < 0) return;
    SetStatus(Utf8(PartHelpText(row + 1, Language_)));
}

void TPartWinCustom::ListBox2Click() {
    SetStatus(Text("削除:[Del] , 一つ上:[-] , 一つ下:[+]", "[Del]:delete, [-]:1up, [+]:1down"));
}

void TPartWinCustom::done(int result) {
    if (!Closing_) {
        Closing_ = true;
        SaveCurrent();
    }
    QDialog::done(result);
}

void TPartWinCustom::ShowMessage(QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, windowTitle(), text, QMessageBox::Ok, this);
    box.exec();
}

void TPartWinCustom::showEvent(QShowEvent* event) {
    Closing_ = false;
    QDialog::showEvent(event);
    if (ReadErrorPending_) {
        ReadErrorPending_ = false;
        ShowMessage(QMessageBox::Warning, Utf8(std::string(OrderDataReadError(Language_))));
    }
}

bool TPartWinCustom::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == Edit1) SetStatus(QString());
        for (QRadioButton* button : OrderButtons_)
            if (watched == button) SetStatus(Text("ﾊﾟﾗﾒｰﾀｰの順序を4セット登録", "select parameter order"));
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == ListBox1 && key == Qt::Key_Right) {
            AddClick();
            return true;
        }
        if (watched == ListBox2) {
            // The keypad's keys, and the main keyboard's for keyboards without a keypad.
            if (key == Qt::Key_Delete) { DeleteClick(); return true; }
            if (key == Qt::Key_Minus) { UpClick(); return true; }
            if (key == Qt::Key_Plus) { DownClick(); return true; }
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace veka
