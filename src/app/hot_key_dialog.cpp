#include "app/hot_key_dialog.h"
#include "widgets/message_box_title.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "widgets/caption.h"
#include "widgets/control_accessibles.h"
#include "app/app_texts.h"
#include "app/key_capture_edit.h"
#include "app/shortcut_code.h"

namespace veka {

namespace {

enum TText {
    hkTitle, hkCommand, hkKey, hkBind, hkUnbind, hkClearAll, hkClose, hkHotKey, hkHotKeyHint, hkField, hkReserved, hkCount
};
constexpr TCaption kTexts[hkCount] = {
    {"ｼｮｰﾄｶｯﾄｷｰの設定", "Key Bindings"},
    {"ｺﾏﾝﾄﾞ", "Command"},
    {"ｼｮｰﾄｶｯﾄｷｰ", "Shortcut"},
    {"設定", "Bind"},
    {"解除", "Unbind"},
    {"全て解除", "Clear All"},
    {"閉じる", "Close"},
    {"Veka Hot Keyの設定...", "Veka Hot Key"},
    {"ｼｰｹﾝｽ･ｿﾌﾄとの切り替え設定", "Set the shortcut key to switch between Veka and the other sequencers."},
    {"ｷｰ", "Key"},
    {"%1 は「%2」ﾒﾆｭｰを開くｷｰのため設定できません。\n別のｷｰを選んでください。",
     "%1 opens the %2 menu and cannot be bound.\nPlease choose another key."},
};

constexpr int kMsgInUse = 101;
constexpr int kMsgClearAll = 102;

}  // namespace

THotKeyDlg::THotKeyDlg(std::vector<THotKeyRow> rows, TLanguage language, QWidget* parent)
    : QDialog(parent), Language_(language), Rows_(std::move(rows)) {
    setObjectName(QStringLiteral("HotKeyDlg"));
    setWindowTitle(Tr(kTexts[hkTitle], language));
    Commands_ = new QListWidget(this);
    Keys_ = new QListWidget(this);
    for (QListWidget* list : {Commands_, Keys_}) {
        list->setUniformItemSizes(true);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
    }
    for (const THotKeyRow& row : Rows_) {
        Commands_->addItem(row.Command);
        Keys_->addItem(ShortcutText(row.Code));
    }
    // Only the right list shows a scroll bar; the two move as one.
    Commands_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // No horizontal bar in either: it would make one viewport shorter than the other (long
    // captions are elided instead).
    for (QListWidget* list : {Commands_, Keys_}) list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(Commands_->verticalScrollBar(), &QScrollBar::valueChanged, Keys_->verticalScrollBar(), &QScrollBar::setValue);
    connect(Keys_->verticalScrollBar(), &QScrollBar::valueChanged, Commands_->verticalScrollBar(), &QScrollBar::setValue);
    connect(Commands_, &QListWidget::currentRowChanged, this, &THotKeyDlg::SelectRow);
    connect(Keys_, &QListWidget::currentRowChanged, this, &THotKeyDlg::SelectRow);

    Field_ = new TKeyCaptureEdit(this);
    Field_->setObjectName(QStringLiteral("KeyField"));
    auto button = [this, language](TText text, auto&& slot) {
        auto* b = new QPushButton(Tr(kTexts[text], language), this);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    QPushButton* bind = button(hkBind, [this] { Bind(); });
    QPushButton* unbind = button(hkUnbind, [this] { Unbind(); });
    QPushButton* clearAll = button(hkClearAll, [this] { ClearAll(); });
    QPushButton* close = button(hkClose, [this] { accept(); });
    HotKey_ = button(hkHotKey, [this] {
        if (OnHotKey) OnHotKey();
    });
    HotKey_->setToolTip(Tr(kTexts[hkHotKeyHint], language));
    HotKey_->setStatusTip(HotKey_->toolTip());

    const auto labelFor = [this, language](TText text, QWidget* control) {
        return LabelFor(Tr(kTexts[text], language), control, this);
    };
    auto* lists = new QHBoxLayout;
    lists->setSpacing(0);
    auto* left = new QVBoxLayout;
    left->addWidget(labelFor(hkCommand, Commands_));
    left->addWidget(Commands_);
    auto* right = new QVBoxLayout;
    right->addWidget(labelFor(hkKey, Keys_));
    right->addWidget(Keys_);
    lists->addLayout(left, 3);
    lists->addLayout(right, 2);

    auto* side = new QVBoxLayout;
    side->addWidget(labelFor(hkField, Field_));
    side->addWidget(Field_);
    side->addWidget(bind);
    side->addWidget(unbind);
    side->addWidget(clearAll);
    side->addStretch(1);
    side->addWidget(HotKey_);
    side->addWidget(close);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(side);
    resize(620, 440);
    if (!Rows_.empty()) SelectRow(0);
}

std::vector<int> THotKeyDlg::Codes() const {
    std::vector<int> codes;
    codes.reserve(Rows_.size());
    for (const THotKeyRow& row : Rows_) codes.push_back(row.Code);
    return codes;
}

QMessageBox::StandardButton THotKeyDlg::Ask(QMessageBox::Icon icon, const QString& text,
                                            QMessageBox::StandardButtons buttons) {
    if (MessageHook) return MessageHook(icon, text, buttons);
    QMessageBox box(icon, windowTitle(), text, buttons, this);
    KeepTitleVisible(box);
    return QMessageBox::StandardButton(box.exec());
}

void THotKeyDlg::SelectRow(int row) {
    if (row < 0 || row >= int(Rows_.size())) return;
    for (QListWidget* list : {Commands_, Keys_})
        if (list->currentRow() != row) {
            const QSignalBlocker block(list);
            list->setCurrentRow(row);
        }
    Field_->SetCode(Rows_[size_t(row)].Code);
}

void THotKeyDlg::ShowRow(int row) { Keys_->item(row)->setText(ShortcutText(Rows_[size_t(row)].Code)); }

void THotKeyDlg::Bind() {
    const int row = Commands_->currentRow();
    const int code = Field_->Code();
    if (row < 0 || code == 0) return;
    for (const TReservedKey& reserved : Reserved)
        if (reserved.Code == code) {
            Ask(QMessageBox::Information, Tr(kTexts[hkReserved], Language_).arg(ShortcutText(code), reserved.Holder),
                QMessageBox::Ok);
            return;
        }
    for (size_t i = 0; i < Rows_.size(); ++i)
        if (Rows_[i].Code == code && int(i) != row) {
            Ask(QMessageBox::Information, Message(kMsgInUse, Language_).replace(QStringLiteral("%s"), Rows_[i].Command),
                QMessageBox::Ok);
            return;
        }
    Rows_[size_t(row)].Code = code;
    ShowRow(row);
}

void THotKeyDlg::Unbind() {
    const int row = Commands_->currentRow();
    if (row < 0) return;
    Rows_[size_t(row)].Code = 0;
    ShowRow(row);
    Field_->SetCode(0);
}

void THotKeyDlg::ClearAll() {
    if (Ask(QMessageBox::Question, Message(kMsgClearAll, Language_), QMessageBox::Ok | QMessageBox::Cancel) !=
        QMessageBox::Ok)
        return;
    for (size_t i = 0; i < Rows_.size(); ++i) {
        Rows_[i].Code = 0;
        ShowRow(int(i));
    }
    SelectRow(0);
}

}  // namespace veka
