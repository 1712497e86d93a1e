#include "windows/data_request_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "widgets/caption.h"
#include "widgets/control_accessibles.h"

namespace veka {

namespace {

enum TRequestText {
    rtTitle, rtSelectAll, rtParts, rtWait, rtLog, rtCancel, rtProgressTitle, rtReceiving, rtMeasuring, rtStop,
    rtSystemEffect, rtOther, rtCount
};
constexpr TCaption kTexts[rtCount] = {
    {"ﾃﾞｰﾀﾘｸｴｽﾄ", "Data Request"},
    {"全て選択", "Select All"},
    {"Part Parameter 1..16", "Part Parameter 1..16"},
    {"最大受信許容時間 (ms)", "maximum time to wait (ms)"},
    {"ﾛｸﾞを取る", "Accsess log"},
    {"ｷｬﾝｾﾙ", "Cancel"},
    {"ﾃﾞｰﾀ要求", "Data Request"},
    {"受信中 :", "Receiving"},
    {"通信速度計測中...", "communication speed is calculated now..."},
    {"中止", "Stop"},
    {"System Effect", "System Effect"},
    {"Other", "Other"},
};

QString T(TRequestText id, TLanguage language) { return Tr(kTexts[id], language); }

}  // namespace

TDataReq::TDataReq(const TDataRequestChoice& choice, bool insertionAllowed, const QString& logPath,
                   TLanguage language, QWidget* parent)
    : QDialog(parent) {
    setObjectName("DataReq");
    setWindowTitle(T(rtTitle, language));
    auto* layout = new QVBoxLayout(this);
    auto* groups = new QGridLayout;
    std::vector<QPushButton*> groupButtons;
    // One group of boxes with its own "Select All".
    auto group = [&](const QString& title, const std::vector<std::pair<TRequestItem, QString>>& items, int row,
                     int column) {
        auto* box = new QGroupBox(title, this);
        auto* column_ = new QVBoxLayout(box);
        std::vector<QCheckBox*> members;
        for (const auto& [item, text] : items) {
            auto* check = new QCheckBox(text, box);
            check->setObjectName(QStringLiteral("cb%1").arg(int(item) + 1));
            check->setChecked(choice.Selected[size_t(item)]);
            Boxes_[size_t(item)] = check;
            members.push_back(check);
            column_->addWidget(check);
        }
        auto* all = new QPushButton(T(rtSelectAll, language), box);
        connect(all, &QPushButton::clicked, this, [members] {
            for (QCheckBox* check : members)
                if (check->isEnabled()) check->setChecked(true);
        });
        column_->addWidget(all);
        column_->addStretch(1);
        groups->addWidget(box, row, column);
    };
    const QString parts = T(rtParts, language);
    group("Module A", {{riPartsA, parts}, {riMap1A, "Drum Map1"}, {riMap2A, "Drum Map2"}}, 0, 0);
    group("Module B", {{riPartsB, parts}, {riMap1B, "Drum Map1"}, {riMap2B, "Drum Map2"}}, 0, 1);
    group("Module C", {{riPartsC, parts}, {riMap1C, "Drum Map1"}, {riMap2C, "Drum Map2"}}, 0, 2);
    group("Module D", {{riPartsD, parts}, {riMap1D, "Drum Map1"}, {riMap2D, "Drum Map2"}}, 0, 3);
    group(T(rtSystemEffect, language), {{riReverb, "Reverb"}, {riChorus, "Chorus"}, {riDelay, "Delay"}, {riEq, "EQ"}},
          1, 0);
    group(T(rtOther, language),
          {{riInsertion, "Insertion"}, {riMaster, "Master"}, {riUserDrum65, "U.DrumSet65"}, {riUserDrum66, "U.DrumSet66"}},
          1, 1);
    if (!insertionAllowed) {
        Boxes_[riInsertion]->setChecked(false);
        Boxes_[riInsertion]->setEnabled(false);
    }
    layout->addLayout(groups);

    // The choices of the whole request fill the room beside the last two groups.
    auto* options = new QGridLayout;
    SelectAll_ = new QPushButton(T(rtSelectAll, language), this);
    SelectAll_->setObjectName("SelectAll");
    connect(SelectAll_, &QPushButton::clicked, this, [this] {
        for (QCheckBox* check : Boxes_)
            if (check->isEnabled()) check->setChecked(true);
    });
    Wait_ = new QSpinBox(this);
    Wait_->setObjectName("WaitField");
    Wait_->setRange(300, 10000);
    Wait_->setSingleStep(100);
    Wait_->setValue(std::clamp(choice.WaitMs, 300, 10000));
    Log_ = new QCheckBox(T(rtLog, language), this);
    Log_->setObjectName("LogBox");
    Log_->setChecked(choice.TakeLog);
    auto* path = new QLineEdit(logPath, this);
    path->setReadOnly(true);
    path->setAccessibleName(Log_->text());
    path->setMinimumWidth(200);
    options->addWidget(SelectAll_, 0, 0, 1, 2);
    options->addWidget(LabelFor(T(rtWait, language), Wait_, this), 1, 0);
    options->addWidget(Wait_, 1, 1);
    options->addWidget(Log_, 2, 0, 1, 2);
    options->addWidget(path, 3, 0, 1, 2);
    options->setRowStretch(4, 1);
    groups->addLayout(options, 1, 2, 1, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(T(rtCancel, language));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

TDataRequestChoice TDataReq::Choice() const {
    TDataRequestChoice choice;
    for (size_t i = 0; i < Boxes_.size(); ++i) choice.Selected[i] = Boxes_[i]->isChecked() && Boxes_[i]->isEnabled();
    choice.WaitMs = Wait_->value();
    choice.TakeLog = Log_->isChecked();
    return choice;
}

TDataReqDlg::TDataReqDlg(std::atomic<bool>& cancel, TLanguage language, QWidget* parent)
    : QDialog(parent), Cancel_(cancel) {
    setObjectName("DataReqDlg");
    setWindowTitle(T(rtProgressTitle, language));
    auto* layout = new QVBoxLayout(this);
    auto* receiving = new QHBoxLayout;
    receiving->addWidget(new QLabel(T(rtReceiving, language), this));
    Category_ = new QLabel(this);
    Category_->setObjectName("Category");
    Parameter_ = new QLabel(this);
    Parameter_->setObjectName("Parameter");
    Parameter_->setMinimumWidth(160);
    receiving->addWidget(Category_);
    receiving->addWidget(Parameter_, 1);
    layout->addLayout(receiving);
    Rest_ = new QLabel(T(rtMeasuring, language), this);
    Rest_->setObjectName("RestTime");
    layout->addWidget(Rest_);
    Marker_ = new QLabel(this);
    Marker_->setObjectName("Marker");
    Marker_->setFont(QFont(QStringLiteral("Monospace")));
    ShowMarker(0);
    layout->addWidget(Marker_);
    Bar_ = new QProgressBar(this);
    Bar_->setRange(0, 100);
    Bar_->setValue(0);
    layout->addWidget(Bar_);
    Stop_ = new QPushButton(T(rtStop, language), this);
    Stop_->setObjectName("StopButton");
    connect(Stop_, &QPushButton::clicked, this, [this] { Cancel_ = true; });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Stop_);
    layout->addLayout(buttons);
    setMinimumWidth(420);
}

void TDataReqDlg::ShowRequest(const std::string& category, const std::string& parameter) {
    Category_->setText(QString::fromStdString(category));
    Parameter_->setText(QString::fromStdString(parameter));
}

void TDataReqDlg::ShowMarker(int marker) {
    // Fifteen places; the marker walks along them as replies come in.
    QString line(15, QChar(u'·'));
    line[std::clamp(marker, 0, 14)] = QChar(u'■');
    Marker_->setText(line);
}

void TDataReqDlg::ShowRestTime(int percent, const std::string& text) {
    Bar_->setValue(std::clamp(percent, 0, 100));
    Rest_->setText(QString::fromStdString(text));
}

QString TDataReqDlg::CategoryText() const { return Category_->text(); }

void TDataReqDlg::closeEvent(QCloseEvent* event) {
    if (Finished_ || Cancel_) event->accept();
    else event->ignore();
}

void TDataReqDlg::reject() {
    if (Finished_ || Cancel_) QDialog::reject();
}

}  // namespace veka
