#include "windows/custom_file_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/caption.h"
#include "module/image.h"
#include "module/user_messages.h"

namespace veka {

namespace {
constexpr TCaption kTitle{"ｶｽﾀﾑﾌｧｲﾙ", "ｶｽﾀﾑﾌｧｲﾙ"};
constexpr TCaption kComment{"ｺﾒﾝﾄ", "Comment"};
constexpr TCaption kItems{"保存するﾃﾞｰﾀ", "Data to save"};
constexpr TCaption kContents{"ﾌｧｲﾙの内容", "Contents of the file"};
}  // namespace

TCustomSelection CustomSelectionOfHeaders(const std::vector<TSetupRecord>& headers) {
    TCustomSelection selection;
    for (const TSetupRecord& header : headers) {
        if (header.B0 == skSystem) {
            for (int g = 0; g < kSystemGroupCount; ++g) {
                const TParameterRange range = SystemGroupRange(TSystemGroup(g));
                if (header.B1 <= range.First && header.B2 >= range.First) selection.Groups[g] = true;
            }
        } else if (header.B0 == skPart && header.B1 >= 1 && header.B1 <= kPortCount * kPartsPerPort) {
            selection.GlobalParts.push_back(header.B1);
        }
    }
    return selection;
}

TCustomFile::TCustomFile(TLanguage language, const QStringList& partLabels, bool viewOnly, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("CustomFile"));
    setWindowTitle(Tr(kTitle, language));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(Tr(viewOnly ? kContents : kItems, language), this));
    List_ = new QListWidget(this);
    List_->setSelectionMode(viewOnly ? QAbstractItemView::NoSelection : QAbstractItemView::ExtendedSelection);
    for (int g = 0; g < kSystemGroupCount; ++g) List_->addItem(QString::fromUtf8(SystemGroupName(TSystemGroup(g)).data()));
    for (int global = 1; global <= kParts; ++global) {
        int port = 0, part = 0;
        GlobalPartToPortPart(global, port, part);
        const int index = global - 1;
        List_->addItem(index < partLabels.size() ? partLabels[index] : QString::fromStdString(PartName(port, part)));
    }
    List_->setMinimumWidth(List_->sizeHintForColumn(0) + 40);
    left->addWidget(List_, 1);
    top->addLayout(left, 1);
    // The note on drum parts: their drum maps go with them.
    const std::string_view note = UserMessage(42, language);
    Note_ = new QLabel(QString::fromUtf8(note.data(), qsizetype(note.size())).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), this);
    Note_->setWordWrap(false);
    Note_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    Note_->setContentsMargins(8, 24, 0, 0);
    top->addWidget(Note_, 0, Qt::AlignTop);
    layout->addLayout(top, 1);
    layout->addWidget(new QLabel(Tr(kComment, language), this));
    Memo_ = new QPlainTextEdit(this);
    Memo_->setReadOnly(viewOnly);
    Memo_->setFixedHeight(Memo_->fontMetrics().lineSpacing() * 5 + 12);
    layout->addWidget(Memo_);
    Buttons_ = new QDialogButtonBox(viewOnly ? QDialogButtonBox::Close : QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(Buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(Buttons_);
    resize(std::max(sizeHint().width(), 460), 480);
}

void TCustomFile::SetChoice(const TCustomChoice& choice) {
    // A view-only list still shows the file's items as selected.
    const auto mode = List_->selectionMode();
    List_->setSelectionMode(QAbstractItemView::MultiSelection);
    List_->clearSelection();
    for (int g = 0; g < kSystemGroupCount; ++g) List_->item(g)->setSelected(choice.Selection.Groups[g]);
    for (int global : choice.Selection.GlobalParts)
        if (global >= 1 && global <= kParts) List_->item(kFixedItems + global - 1)->setSelected(true);
    List_->setSelectionMode(mode);
    Memo_->setPlainText(choice.Comment);
}

TCustomChoice TCustomFile::Choice() const {
    TCustomChoice choice;
    for (int g = 0; g < kSystemGroupCount; ++g) choice.Selection.Groups[g] = List_->item(g)->isSelected();
    for (int global = 1; global <= kParts; ++global)
        if (List_->item(kFixedItems + global - 1)->isSelected()) choice.Selection.GlobalParts.push_back(global);
    choice.Comment = Memo_->toPlainText();
    return choice;
}

}  // namespace veka
