#include "app/other_seq_dialog.h"

#include <algorithm>

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "widgets/caption.h"
#include "app/app_texts.h"
#include "app/key_capture_edit.h"

namespace veka {

namespace {

enum TText { osTitle, osTargets, osHotKey, osOthers, osTitleBar, osClassName, osFind, osRegister, osClose,
             osUnavailable, osCount };
constexpr TCaption kTexts[osCount] = {
    {"ｼｰｹﾝｽｿﾌﾄとの切り替え設定", "Veka Hot Key"},
    {"切り替える対象", "Your Sequencer"},
    {"Hot Key", "Hot Key"},
    {"切り替え可能な現在起動中のｱﾌﾟﾘｹｰｼｮﾝ", "Other applications"},
    {"ｷｬﾌﾟｼｮﾝmﾊﾞｰの内容", "Title bar"},
    {"ｸﾗｽﾈｰﾑ", "Class Name"},
    {"起動中のｱﾌﾟﾘｹｰｼｮﾝを 調査 ", "Find"},
    {"[切り替える対象]に 登録", "Register"},
    {"閉じる", "Close"},
    {"このｾｯｼｮﾝには X11 が無いため、ｼｰｹﾝｽｿﾌﾄとの切り替えは使えません。",
     "This session has no X11 display: the hot key and the switch to the sequencer are unavailable."},
};

constexpr int kMsgExplanation = 107;
constexpr int kMsgRegistered = 57;
constexpr int kMsgNameCaption = 58;
constexpr int kMsgNamePrompt = 59;

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

}  // namespace

TOtherSeqWindow::TOtherSeqWindow(std::vector<TSequencerEntry> entries, const std::string& target, int hotKey,
                                 bool available, std::function<std::vector<TTopWindow>()> findWindows,
                                 TLanguage language, QWidget* parent)
    : QDialog(parent), Language_(language), Entries_(std::move(entries)), Target_(target),
      FindWindows_(std::move(findWindows)) {
    setObjectName(QStringLiteral("OtherSeqWindow"));
    setWindowTitle(Tr(kTexts[osTitle], language));
    auto* explanation = new QLabel(Message(kMsgExplanation, language), this);
    explanation->setWordWrap(true);

    Targets_ = new QListWidget(this);
    Targets_->setAccessibleName(Tr(kTexts[osTargets], language));
    for (const TSequencerEntry& entry : Entries_) Targets_->addItem(EntryText(entry));
    const auto chosen = std::find_if(Entries_.begin(), Entries_.end(),
                                     [&](const TSequencerEntry& e) { return e.ClassName == Target_; });
    if (chosen != Entries_.end()) Targets_->setCurrentRow(int(chosen - Entries_.begin()));
    connect(Targets_, &QListWidget::currentRowChanged, this, &TOtherSeqWindow::ChooseEntry);

    Key_ = new TKeyCaptureEdit(this);
    Key_->setObjectName(QStringLiteral("HotKeyField"));
    Key_->SetCode(hotKey);
    KeyNote_ = new QLabel(this);
    KeyNote_->setWordWrap(true);
    KeyNote_->setStyleSheet(QStringLiteral("color: #b00000;"));
    KeyNote_->hide();
    connect(Key_, &TKeyCaptureEdit::CodeChanged, this, [this](int code) {
        if (TryKey) SetKeyNote(TryKey(code));
    });

    Programs_ = new QTreeWidget(this);
    Programs_->setAccessibleName(Tr(kTexts[osOthers], language));
    Programs_->setRootIsDecorated(false);
    Programs_->setHeaderLabels({Tr(kTexts[osTitleBar], language), Tr(kTexts[osClassName], language)});
    Programs_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    Programs_->header()->setStretchLastSection(false);
    Programs_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    Find_ = new QPushButton(Tr(kTexts[osFind], language).trimmed(), this);
    Register_ = new QPushButton(Tr(kTexts[osRegister], language), this);
    Register_->setEnabled(false);
    for (QPushButton* b : {Find_, Register_}) b->setAutoDefault(false);
    connect(Find_, &QPushButton::clicked, this, &TOtherSeqWindow::Find);
    connect(Register_, &QPushButton::clicked, this, &TOtherSeqWindow::Register);
    connect(Programs_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { Register_->setEnabled(item != nullptr); });
    connect(Programs_, &QTreeWidget::itemDoubleClicked, this, [this] { Register(); });
    auto* close = new QPushButton(Tr(kTexts[osClose], language), this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* targetBox = new QGroupBox(Tr(kTexts[osTargets], language), this);
    auto* targetColumn = new QVBoxLayout(targetBox);
    targetColumn->addWidget(Targets_);
    auto* keyRow = new QHBoxLayout;
    auto* keyLabel = new QLabel(Tr(kTexts[osHotKey], language), this);
    keyLabel->setBuddy(Key_);
    keyRow->addWidget(keyLabel);
    keyRow->addWidget(Key_, 1);
    targetColumn->addLayout(keyRow);
    targetColumn->addWidget(KeyNote_);
    auto* othersBox = new QGroupBox(Tr(kTexts[osOthers], language), this);
    auto* othersColumn = new QVBoxLayout(othersBox);
    othersColumn->addWidget(Programs_);
    auto* othersButtons = new QHBoxLayout;
    othersButtons->addWidget(Find_);
    othersButtons->addWidget(Register_);
    othersButtons->addStretch(1);
    othersColumn->addLayout(othersButtons);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(targetBox, 1);
    boxes->addWidget(othersBox, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    if (!available) {
        auto* note = new QLabel(Tr(kTexts[osUnavailable], language), this);
        note->setObjectName(QStringLiteral("UnavailableNote"));
        note->setWordWrap(true);
        note->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
        layout->addWidget(note);
        for (QWidget* w : {static_cast<QWidget*>(Targets_), static_cast<QWidget*>(Key_), static_cast<QWidget*>(Programs_),
                           static_cast<QWidget*>(Find_)})
            w->setEnabled(false);
    }
    layout->addLayout(boxes, 1);
    layout->addLayout(bottom);
    resize(760, 460);
}

QString TOtherSeqWindow::EntryText(const TSequencerEntry& entry) const {
    return FromUtf8(entry.ClassName) + QStringLiteral(" / ") + FromUtf8(entry.DisplayName);
}

int TOtherSeqWindow::HotKey() const { return Key_->Code(); }

void TOtherSeqWindow::SetKeyNote(const QString& text) {
    KeyNote_->setText(text);
    KeyNote_->setVisible(!text.isEmpty());
}

void TOtherSeqWindow::ChooseEntry(int row) {
    if (row >= 0 && row < int(Entries_.size())) Target_ = Entries_[size_t(row)].ClassName;
}

void TOtherSeqWindow::Find() {
    Programs_->clear();
    Register_->setEnabled(false);
    if (!FindWindows_) return;
    for (const TTopWindow& w : FindableWindows(FindWindows_())) {
        // The class name is what identifies the program; WM_CLASS's instance name stands in
        // for a window without one.
        const std::string& className = w.ClassName.empty() ? w.Instance : w.ClassName;
        if (className.empty()) continue;
        Programs_->addTopLevelItem(new QTreeWidgetItem({FromUtf8(w.Title), FromUtf8(className)}));
    }
}

void TOtherSeqWindow::Register() {
    const QTreeWidgetItem* item = Programs_->currentItem();
    if (!item) return;
    const std::string className = item->text(1).toStdString();
    if (std::any_of(Entries_.begin(), Entries_.end(), [&](const TSequencerEntry& e) { return e.ClassName == className; })) {
        const QString text = Message(kMsgRegistered, Language_);
        if (MessageHook) MessageHook(QMessageBox::Information, text, QMessageBox::Ok);
        else QMessageBox(QMessageBox::Information, windowTitle(), text, QMessageBox::Ok, this).exec();
        return;
    }
    std::optional<QString> name;
    if (NameHook) {
        name = NameHook(item->text(0));
    } else {
        bool ok = false;
        const QString answer = QInputDialog::getText(this, Message(kMsgNameCaption, Language_),
                                                     Message(kMsgNamePrompt, Language_), QLineEdit::Normal,
                                                     item->text(0), &ok);
        if (ok) name = answer;
    }
    if (!name) return;
    Entries_.push_back({className, name->trimmed().isEmpty() ? className : name->trimmed().toStdString()});
    Targets_->addItem(EntryText(Entries_.back()));
    Targets_->setCurrentRow(Targets_->count() - 1);
    Target_ = className;
}

}  // namespace veka
