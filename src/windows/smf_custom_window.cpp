#include "windows/smf_custom_window.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "module/image.h"
#include "module/safe_file.h"
#include "widgets/control_accessibles.h"

namespace veka {

namespace {

constexpr int kHeader = -1;
constexpr const char* kFormNames[4] = {"Sysx", "CC", "NRPN", "RPN"};

int Key(int group, int index) { return group * 256 + index; }

}  // namespace

std::string OrderItemText(const TVGS& image, const TOrderItem& item) {
    switch (item.Group) {
        case ogSystem: return "Master / Effect : " + std::string(image.System(item.Index).Name);
        case ogPart: {
            if (item.Index == ppScaleTuningC) return "Part : Scale Tuning";
            std::string text = "Part : " + std::string(image.Part(0, 1, item.Index).Name);
            if (item.Form == ofRPN && item.Index == ppPitchFineTune) text += "/Master Fine Tuning(RPN)";
            if (item.Form == ofRPN && item.Index == ppBendPitchControl) text += "/Pitch Bend Sensitivity(RPN)";
            return text;
        }
        case ogDrum: return "Drum Set : " + std::string(image.Drum(0, 1, item.Index, 36).Name);
        default: return "User Drum Set";
    }
}

TSMFCustom::TSMFCustom(const TVGS& image, const std::string& programFolder, const std::string& currentPreset,
                       TLanguage language, QWidget* parent)
    : QDialog(parent), Image_(image), Folder_(programFolder), Preset_(currentPreset), Language_(language) {
    setObjectName(QStringLiteral("SMFCustom"));
    auto* layout = new QVBoxLayout(this);
    auto* presetRow = new QHBoxLayout;
    Presets_ = new QComboBox(this);
    presetRow->addWidget(LabelFor(QStringLiteral("Preset"), Presets_, this));
    Presets_->setMinimumContentsLength(24);
    presetRow->addWidget(Presets_, 1);
    auto* save = new QPushButton(QStringLiteral("Save setting as Preset"), this);
    presetRow->addWidget(save);
    layout->addLayout(presetRow);

    auto* lists = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    Candidates_ = new QListWidget(this);
    left->addWidget(LabelFor(Tr2("ﾊﾟﾗﾒｰﾀｰの候補", "All Parameters"), Candidates_, this));
    Candidates_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    left->addWidget(Candidates_, 1);
    lists->addLayout(left, 2);
    auto* middle = new QVBoxLayout;
    middle->addStretch();
    QPushButton* buttons[4] = {new QPushButton(Tr2("追加", "Add"), this), new QPushButton(Tr2("削除", "Delete"), this),
                               new QPushButton(Tr2("１つ上へ", "Up"), this), new QPushButton(Tr2("１つ下へ", "Down"), this)};
    for (QPushButton* b : buttons) middle->addWidget(b);
    middle->addStretch();
    lists->addLayout(middle);
    auto* right = new QVBoxLayout;
    Chosen_ = new QListWidget(this);
    right->addWidget(LabelFor(Tr2("書き出すﾊﾟﾗﾒｰﾀｰ ", "Parameters to be exported"), Chosen_, this));
    Chosen_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    right->addWidget(Chosen_, 1);
    lists->addLayout(right, 3);
    layout->addLayout(lists, 1);

    auto* options = new QGroupBox(Tr2("書き出しｵﾌﾟｼｮﾝ", "Options"), this);
    auto* optionRow = new QHBoxLayout(options);
    const char* hints[4] = {"ｼｽﾃﾑｴｸｽｸﾙｰｼﾌﾞで書き込む", "ｺﾝﾄﾛｰﾙチェンジで書き込む", "NRPNで書き込む", "RPNで書き込む"};
    for (int form = 0; form < 4; ++form) {
        FormButtons_[form] = new QToolButton(options);
        FormButtons_[form]->setText(QString::fromUtf8(kFormNames[form]));
        FormButtons_[form]->setToolTip(QString::fromUtf8(hints[form]));
        FormButtons_[form]->setCheckable(true);
        FormButtons_[form]->setMinimumWidth(56);
        optionRow->addWidget(FormButtons_[form]);
        connect(FormButtons_[form], &QToolButton::clicked, this, [this, form] { SetForm(form); });
    }
    ChangedOnly_ = new QToolButton(options);
    ChangedOnly_->setText(QString::fromUtf8("≠ Default"));
    ChangedOnly_->setCheckable(true);
    ChangedOnly_->setToolTip(Tr2("ﾃﾞｰﾀがﾃﾞﾌｫﾙﾄと違う場合だけ書き込む",
                                 "Parameters will be recorded only in case the data\nis different from the default"));
    optionRow->addSpacing(16);
    optionRow->addWidget(ChangedOnly_);
    optionRow->addStretch();
    connect(ChangedOnly_, &QToolButton::clicked, this,
            [this] { ToggleChangedOnly(QApplication::keyboardModifiers() & Qt::ControlModifier); });
    layout->addWidget(options);

    Status_ = new QLabel(this);
    layout->addWidget(Status_);
    auto* okRow = new QHBoxLayout;
    okRow->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* cancel = new QPushButton(Tr2("ｷｬﾝｾﾙ", "Cancel"), this);
    ok->setDefault(true);
    okRow->addWidget(ok);
    okRow->addWidget(cancel);
    layout->addLayout(okRow);

    connect(buttons[0], &QPushButton::clicked, this, &TSMFCustom::Add);
    connect(buttons[1], &QPushButton::clicked, this, &TSMFCustom::Delete);
    connect(buttons[2], &QPushButton::clicked, this, &TSMFCustom::Up);
    connect(buttons[3], &QPushButton::clicked, this, &TSMFCustom::Down);
    connect(save, &QPushButton::clicked, this, &TSMFCustom::SaveAsPreset);
    connect(ok, &QPushButton::clicked, this, &TSMFCustom::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Candidates_, &QListWidget::itemDoubleClicked, this, &TSMFCustom::Add);
    connect(Chosen_, &QListWidget::itemSelectionChanged, this, &TSMFCustom::ShowSelectedState);
    Candidates_->installEventFilter(this);
    Chosen_->installEventFilter(this);

    FillCandidates();
    FillPresets();
    const QString path = QDir(QString::fromStdString(Folder_)).filePath(QString::fromStdString(Preset_));
    if (!QFileInfo::exists(path) || !LoadPreset(Preset_)) {
        // No preset yet: the built-in list, to be saved.
        List_ = DefaultOrderList();
        ShowList();
        SetChanged(true);
    }
    connect(Presets_, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        if (!name.isEmpty()) LoadPreset(name.toStdString());
    });
    resize(960, 580);
}

QString TSMFCustom::Tr2(const char* japanese, const char* english) const {
    return QString::fromUtf8(Language_ == TLanguage::Japanese ? japanese : english);
}

QString TSMFCustom::StatusText() const { return Status_->text(); }

void TSMFCustom::FillCandidates() {
    auto header = [this](const QString& text) {
        auto* item = new QListWidgetItem("-------- " + text, Candidates_);
        item->setData(Qt::UserRole, kHeader);
        item->setFlags(Qt::ItemIsEnabled);  // never chosen
    };
    auto add = [this](int group, int index) {
        TOrderItem record = MakeOrderItem(group, index);
        auto* item = new QListWidgetItem(QString::fromStdString(OrderItemText(Image_, record)), Candidates_);
        item->setData(Qt::UserRole, Key(group, index));
    };
    header(QStringLiteral("Master / Effect"));
    for (int n = 1; n <= kSystemParameterCount; ++n) add(ogSystem, n);
    header(QStringLiteral("Part"));
    for (int n = 1; n <= kPartParameterCount; ++n)
        if (n <= ppScaleTuningC || n > ppScaleTuningB) add(ogPart, n);  // the scale tuning block is one item
    header(QStringLiteral("Drum Set"));
    for (int n = 1; n <= kDrumParameterCount; ++n) add(ogDrum, n);
    header(QStringLiteral("User Drum Set"));
    add(ogUserDrum, 1);
}

void TSMFCustom::FillPresets() {
    const QSignalBlocker blocker(Presets_);
    Presets_->clear();
    const QStringList files = QDir(QString::fromStdString(Folder_)).entryList({QStringLiteral("*.scd")}, QDir::Files, QDir::Name);
    Presets_->addItems(files);
    Presets_->setCurrentIndex(int(files.indexOf(QString::fromStdString(Preset_))));
}

void TSMFCustom::ShowList(int select) {
    Chosen_->clear();
    for (const TOrderItem& item : List_) {
        QString text = QString::fromStdString(OrderItemText(Image_, item)) + "   [" + kFormNames[item.Form % 4];
        if (item.ChangedOnly) text += Tr2(", 変更時のみ", ", changed only");
        Chosen_->addItem(text + "]");
    }
    if (select >= 0 && select < Chosen_->count()) Chosen_->setCurrentRow(select);
    ShowSelectedState();
}

void TSMFCustom::ShowSelectedState() {
    // The buttons show the form of the first selected item and which forms it allows.
    const int row = Chosen_->currentRow();
    const bool any = row >= 0 && row < int(List_.size()) && Chosen_->item(row)->isSelected();
    for (int form = 0; form < 4; ++form) {
        FormButtons_[form]->setEnabled(any && List_[size_t(row)].Forms[size_t(form)]);
        FormButtons_[form]->setChecked(any && List_[size_t(row)].Form == form);
    }
    ChangedOnly_->setChecked(any && List_[size_t(row)].ChangedOnly);
}

void TSMFCustom::SetChanged(bool changed) {
    Changed_ = changed;
    setWindowTitle(Tr2("Setup の構成 - ", "SMF Export Setup - ") + QString::fromStdString(Preset_) + (changed ? "*" : ""));
}

void TSMFCustom::Add() {
    int added = 0;
    for (QListWidgetItem* item : Candidates_->selectedItems()) {
        const int key = item->data(Qt::UserRole).toInt();
        if (key == kHeader) continue;
        const int group = key / 256, index = key % 256;
        const bool already = std::any_of(List_.begin(), List_.end(),
                                         [&](const TOrderItem& i) { return i.Group == group && i.Index == index; });
        if (already) continue;
        List_.push_back(MakeOrderItem(group, index));
        ++added;
    }
    if (added == 0) return;
    ShowList(int(List_.size()) - 1);
    SetChanged(true);
}

void TSMFCustom::Delete() {
    std::vector<int> rows;
    for (QListWidgetItem* item : Chosen_->selectedItems()) rows.push_back(Chosen_->row(item));
    if (rows.empty()) return;
    std::sort(rows.rbegin(), rows.rend());
    for (int row : rows) List_.erase(List_.begin() + row);
    ShowList(std::min(rows.back(), int(List_.size()) - 1));
    SetChanged(true);
}

void TSMFCustom::Up() {
    const int row = Chosen_->currentRow();
    if (row <= 0 || row >= int(List_.size())) return;
    std::swap(List_[size_t(row)], List_[size_t(row - 1)]);
    ShowList(row - 1);
    SetChanged(true);
}

void TSMFCustom::Down() {
    const int row = Chosen_->currentRow();
    if (row < 0 || row + 1 >= int(List_.size())) return;
    std::swap(List_[size_t(row)], List_[size_t(row + 1)]);
    ShowList(row + 1);
    SetChanged(true);
}

void TSMFCustom::SetForm(int form) {
    if (form < 0 || form >= 4) return;
    const int current = Chosen_->currentRow();
    bool changed = false;
    for (QListWidgetItem* item : Chosen_->selectedItems()) {
        TOrderItem& record = List_[size_t(Chosen_->row(item))];
        // A form the parameter has no message for leaves it as it is.
        if (!record.Forms[size_t(form)] || record.Form == form) continue;
        record.Form = uint8_t(form);
        changed = true;
    }
    if (changed) SetChanged(true);
    ShowList(current);
}

void TSMFCustom::ToggleChangedOnly(bool allItems) {
    const int current = Chosen_->currentRow();
    if (allItems) {
        for (TOrderItem& item : List_) item.ChangedOnly = item.ChangedOnly ? 0 : 1;
    } else {
        const auto selected = Chosen_->selectedItems();
        if (selected.isEmpty()) return;
        for (QListWidgetItem* item : selected) {
            TOrderItem& record = List_[size_t(Chosen_->row(item))];
            record.ChangedOnly = record.ChangedOnly ? 0 : 1;
        }
    }
    SetChanged(true);
    ShowList(current);
}

bool TSMFCustom::LoadPreset(const std::string& fileName) {
    const std::string path = QDir(QString::fromStdString(Folder_)).filePath(QString::fromStdString(fileName)).toStdString();
    TOrderList list;
    std::string error;
    if (!ReadOrderFile(path, list, error)) {
        Status_->setText(QString::fromStdString(error) + " : " + QString::fromStdString(fileName));
        List_.clear();
        Preset_ = fileName;
        ShowList();
        SetChanged(false);
        return false;
    }
    List_ = std::move(list);
    Preset_ = fileName;
    ShowList(0);
    SetChanged(false);
    WriteListing();
    Status_->clear();
    return true;
}

void TSMFCustom::WriteListing() const {
    // "UsePartPara.txt": the preset in words, one item per line, for the user to read.
    std::string text = "SMF Export Setup - " + Preset_ + "\n";
    for (const TOrderItem& item : List_)
        text += OrderItemText(Image_, item) + "\t" + kFormNames[item.Form % 4] + (item.ChangedOnly ? "\tchanged only" : "") + "\n";
    std::string error;
    const std::string path = QDir(QString::fromStdString(Folder_)).filePath(QStringLiteral("UsePartPara.txt")).toStdString();
    ReplaceFile(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()), error);
}

bool TSMFCustom::SaveAsPreset() {
    const QString folder = QString::fromStdString(Folder_);
    QString name = PresetNameHook ? PresetNameHook(folder)
                                  : QFileDialog::getSaveFileName(this, QStringLiteral("Save setting as Preset"), folder,
                                                                 QStringLiteral("SMF Export Setup (*.scd)"));
    if (name.isEmpty()) return false;
    if (!name.endsWith(QStringLiteral(".scd"), Qt::CaseInsensitive)) name += QStringLiteral(".scd");
    std::string error;
    if (!WriteOrderFile(List_, name.toStdString(), error)) {
        Status_->setText(QString::fromStdString(error));
        return false;
    }
    // A preset outside the program folder is kept, but only the folder's are listed.
    Preset_ = QFileInfo(name).fileName().toStdString();
    FillPresets();
    SetChanged(false);
    WriteListing();
    return true;
}

void TSMFCustom::accept() {
    if (Changed_) {
        const QString text = Tr2("現在の状態を保存しますか？", "Data has changed. Save it?");
        const auto answer = AskHook ? AskHook(text)
                                    : QMessageBox::question(this, windowTitle(), text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel) return;
        if (answer == QMessageBox::Yes && !SaveAsPreset()) return;
    }
    QDialog::accept();
}

bool TSMFCustom::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched == Chosen_)
        Status_->setText(Tr2("Del: 削除   -: １つ上へ   +: １つ下へ", "Del: delete   -: up   +: down"));
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == Candidates_ && key == Qt::Key_Right) {
        Add();
        return true;
    }
    if (watched == Chosen_) {
        if (key == Qt::Key_Delete) { Delete(); return true; }
        if (key == Qt::Key_Minus) { Up(); return true; }
        if (key == Qt::Key_Plus) { Down(); return true; }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace veka
