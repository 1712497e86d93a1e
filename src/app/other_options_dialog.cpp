#include "app/other_options_dialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "widgets/caption.h"
#include "smf/setup_commands.h"

namespace veka {

namespace {

// Option 1 to 13, in number order.
constexpr TCaption kOptionCaptions[13] = {
    {"ﾏｳｽ通過でWindowをｱｸﾃｨﾌﾞにする", "Auto activate"},
    {"起動時に音源をﾘｾｯﾄする", "Transmit GS RESET when starts up."},
    {"ﾊﾟｿｺﾝのｷｰﾎﾞｰﾄﾞで音を鳴らす", "Use PC Keyboard to make sounds."},
    {"使用するｷｰを無効にする", "Music-keys are ineffective to another use."},
    {"Sysx文字列をｺﾋﾟｰする時F0,F7を省く", "Copy sysx text without F0 and F7"},
    {"SMF書込み時、先頭にﾀﾞﾐｰ･ﾉｰﾄを置く", "Use dummy note event in SMF"},
    {"ﾊﾟﾗﾒｰﾀｰを変更したら発音する", "Review by every edit."},
    {"ﾃﾞｰﾀﾌｧｲﾙ毎にﾚｲｱｳﾄを保持する", "Save the window layout into \".ga4\" file"},
    {"編集Windowの[×]ﾎﾞﾀﾝはｱｲｺﾝ化", "Use [X](close) button to minimize windows"},
    {"MIDI INPUTをMIDI OUTPUTにｽﾙｰ", "MIDI echo"},
    {"SMF書込み時、SMF Setup 構成Windowを開く", "SMF Export Setup Dialog Option."},
    {"背景は無し", "No background picture."},
    {"SMF書込み時、ﾃｷｽﾄｲﾍﾞﾝﾄを付加する", "Insert text events to setup measures."},
};

enum TText { otTitle, otMidi, otSmf, otOther, otTimeBase, otClose, otCount };
constexpr TCaption kTexts[otCount] = {
    {"ｵﾌﾟｼｮﾝ", "Other Options"}, {"MIDI", "MIDI"}, {"SMF", "SMF"}, {"その他", "Other"},
    {"Timebase", "Timebase"},     {"閉じる", "Close"},
};

// The options of each page, top to bottom.
constexpr int kMidiPage[] = {10, 2, 7};
constexpr int kSmfPage[] = {6, 11, 13};
constexpr int kOtherPage[] = {1, 5, 8, 9, 12, 3, 4};

}  // namespace

TOterOption::TOterOption(const std::array<bool, 13>& options, int timeBase, bool midiInputInUse, TLanguage language,
                         QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("OterOption"));
    setWindowTitle(Tr(kTexts[otTitle], language));
    for (int n = 1; n <= 13; ++n) {
        QCheckBox* box = new QCheckBox(Tr(kOptionCaptions[n - 1], language), this);
        box->setObjectName(QStringLiteral("Option%1").arg(n));
        box->setChecked(options[size_t(n - 1)]);
        Boxes_[size_t(n - 1)] = box;
    }
    // The echo needs an input to echo.
    if (!midiInputInUse) {
        Box(10)->setChecked(false);
        Box(10)->setEnabled(false);
    }
    // The review note after an edit is shown in Japanese captions only.
    if (language == TLanguage::English) {
        Box(7)->setChecked(false);
        Box(7)->setEnabled(false);
    }

    Pages_ = new QTabWidget(this);
    auto page = [this](const TCaption& caption, TLanguage lang, const int* numbers, size_t count) {
        QWidget* sheet = new QWidget(Pages_);
        auto* column = new QVBoxLayout(sheet);
        for (size_t i = 0; i < count; ++i) column->addWidget(Box(numbers[i]));
        column->addStretch(1);
        Pages_->addTab(sheet, Tr(caption, lang));
        return column;
    };
    page(kTexts[otMidi], language, kMidiPage, std::size(kMidiPage));
    QVBoxLayout* smf = page(kTexts[otSmf], language, kSmfPage, std::size(kSmfPage));
    TimeBase_ = new QComboBox(this);
    TimeBase_->setObjectName(QStringLiteral("TimeBase"));
    for (int value : kSmfTimeBases) TimeBase_->addItem(QString::number(value));
    TimeBase_->setCurrentIndex(std::clamp(timeBase, 0, int(std::size(kSmfTimeBases)) - 1));
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(new QLabel(Tr(kTexts[otTimeBase], language), this));
    timeRow->addWidget(TimeBase_);
    timeRow->addStretch(1);
    smf->insertLayout(0, timeRow);
    page(kTexts[otOther], language, kOtherPage, std::size(kOtherPage));

    Close_ = new QPushButton(Tr(kTexts[otClose], language), this);
    Close_->setDefault(true);
    connect(Close_, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Pages_);
    layout->addLayout(buttons);
}

std::array<bool, 13> TOterOption::Options() const {
    std::array<bool, 13> options{};
    for (size_t i = 0; i < options.size(); ++i) options[i] = Boxes_[i]->isChecked();
    return options;
}

int TOterOption::TimeBase() const { return TimeBase_->currentIndex(); }

}  // namespace veka
