#include "windows/patch_dialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "widgets/caption.h"

namespace veka {

namespace {

enum TDialogText { dtSearch, dtKeyword, dtQueryTitle, dtQuery, dtCancel, dtCount };
constexpr TCaption kTexts[dtCount] = {
    {"検索", "Search"},
    {"検索文字列 (1語につき2文字以上で有効)", "Keyword(s) (more than 2 characters)"},
    {"Drum Mapの選択", "Drum Mapの選択"},
    {"  SC-88ｼﾘｰｽﾞはDrum Setを収める領域を各ﾊﾟｰﾄｸﾞﾙｰﾌﾟに2つづつ持っています。\r\n\r\n"
     "  それぞれDrum Map1,Map2と呼ばれ、Use for Rythmﾊﾟﾗﾒｰﾀｰで指定されます。\r\n\r\n"
     "  このﾄﾞﾗﾑｾｯﾄ\"%s\"をどちらのDrum Mapにｾｯﾄしますか？",
     "The SC-88 series have two Drum Sets for each Part Group. They are called \"Drum Map 1\" and \"Drum Map 2\". "
     "respectively.\r\n(You can set the \"Drum Map\" in the \"Use for Rhythm\" parameter.)\r\n\r\nWhich \"Drum Map\" "
     "do you use?"},
    {"ｷｬﾝｾﾙ", "Cancel"},
};
constexpr int kKeywordMax = 12;
constexpr std::array<const char*, kToneMapCount + 1> kMapBoxes = {"", "Tone Map 55", "Tone Map 88", "Tone Map 88Pro",
                                                                  "Tone Map 8850"};

}  // namespace

TSearchWin::TSearchWin(const TMapChoice& maps, int moduleType, TLanguage language, QWidget* parent)
    : QDialog(parent), Language_(language) {
    setObjectName("SearchWin");
    setWindowTitle(Tr(kTexts[dtSearch], language));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Tr(kTexts[dtKeyword], language), this));
    Edit1_ = new QLineEdit(this);
    Edit1_->setObjectName("Edit1");
    Edit1_->setMaxLength(kKeywordMax);
    layout->addWidget(Edit1_);
    auto* boxes = new QHBoxLayout;
    for (int map = 1; map <= kToneMapCount; ++map) {
        auto* box = new QCheckBox(QString::fromLatin1(kMapBoxes[size_t(map)]), this);
        box->setObjectName(QStringLiteral("cbMap%1").arg(map));
        box->setChecked(maps[size_t(map)]);
        // The 88Pro box shows from module type 2 on, the 8850 box on type 3 only.
        const bool shown = map <= 2 || (map == 3 && moduleType >= 2) || (map == 4 && moduleType >= 3);
        box->setVisible(shown);
        if (!shown) box->setChecked(false);
        connect(box, &QCheckBox::toggled, this, &TSearchWin::Describe);
        boxes->addWidget(box);
        Maps_[size_t(map)] = box;
    }
    boxes->addStretch(1);
    layout->addLayout(boxes);
    Sentence_ = new QLabel(this);
    Sentence_->setObjectName("Label2");
    Sentence_->setWordWrap(true);
    Sentence_->setMinimumHeight(3 * Sentence_->fontMetrics().height());
    Sentence_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(Sentence_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(Tr(kTexts[dtCancel], language));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(Edit1_, &QLineEdit::textChanged, this, &TSearchWin::Describe);
    setMinimumWidth(420);
    Describe();
}

TSearchRequest TSearchWin::Request() const {
    TSearchRequest request;
    request.Keywords = SearchKeywords(Edit1_->text().toStdString());
    for (int map = 1; map <= kToneMapCount; ++map)
        request.Maps[size_t(map)] = Maps_[size_t(map)]->isChecked() && !Maps_[size_t(map)]->isHidden();
    return request;
}

QString TSearchWin::Description() const { return Sentence_->text(); }

void TSearchWin::Describe() {
    const TSearchRequest request = Request();
    Sentence_->setText(QString::fromStdString(SearchDescription(request.Keywords, request.Maps, Language_)));
}

TDrumMapQuery::TDrumMapQuery(const std::string& kitName, TLanguage language, QWidget* parent) : QDialog(parent) {
    setObjectName("DrumMapQuery");
    setWindowTitle(Tr(kTexts[dtQueryTitle], language));
    auto* layout = new QVBoxLayout(this);
    QString text = Tr(kTexts[dtQuery], language);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QStringLiteral("%s"), QString::fromStdString(kitName));
    Label_ = new QLabel(text, this);
    Label_->setObjectName("Label1");
    Label_->setWordWrap(true);
    Label_->setMinimumWidth(380);
    layout->addWidget(Label_);  // the dialog grows with the text
    auto* group = new QGroupBox(QStringLiteral("Drum Map"), this);
    auto* choices = new QHBoxLayout(group);
    Map1_ = new QRadioButton(QStringLiteral("Drum Map 1"), group);
    Map2_ = new QRadioButton(QStringLiteral("Drum Map 2"), group);
    Map1_->setChecked(true);
    choices->addWidget(Map1_);
    choices->addWidget(Map2_);
    choices->addStretch(1);
    layout->addWidget(group);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(Tr(kTexts[dtCancel], language));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

int TDrumMapQuery::DrumMap() const { return Map2_->isChecked() ? 2 : 1; }

QString TDrumMapQuery::Text() const { return Label_->text(); }

}  // namespace veka
