#include "windows/global_select_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/veka_edit.h"

namespace veka {

TGlobalSelectWindow::TGlobalSelectWindow(TLanguage language, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("GlobalSelectWindow"));
    auto* layout = new QVBoxLayout(this);
    Title_ = new QLabel(this);
    layout->addWidget(Title_);

    auto* grid = new QGridLayout;
    for (int i = 0; i < kListCount; ++i) {
        ListLabels_[size_t(i)] = new QLabel(this);
        Lists_[size_t(i)] = new QComboBox(this);
        Lists_[size_t(i)]->setObjectName(QStringLiteral("cb%1").arg(i + 1));
        Lists_[size_t(i)]->setMinimumContentsLength(24);
        ListLabels_[size_t(i)]->setBuddy(Lists_[size_t(i)]);
        grid->addWidget(ListLabels_[size_t(i)], i, 0);
        grid->addWidget(Lists_[size_t(i)], i, 1);
    }
    EditLabel_ = new QLabel(this);
    Edit_ = new TVekaEdit(this);
    EditLabel_->setBuddy(Edit_);
    grid->addWidget(EditLabel_, kListCount, 0);
    grid->addWidget(Edit_, kListCount, 1);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    OKBtn_ = new QPushButton(QStringLiteral("OK"), this);
    OKBtn_->setDefault(true);
    CancelBtn_ = new QPushButton(language == TLanguage::English ? QStringLiteral("Cancel") : QString::fromUtf8("ｷｬﾝｾﾙ"), this);
    buttons->addWidget(OKBtn_);
    buttons->addWidget(CancelBtn_);
    layout->addLayout(buttons);

    connect(OKBtn_, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn_, &QPushButton::clicked, this, &QDialog::reject);
}

QComboBox* TGlobalSelectWindow::List(int n) const {
    return n >= 1 && n <= kListCount ? Lists_[size_t(n - 1)] : nullptr;
}

QLabel* TGlobalSelectWindow::ListLabel(int n) const {
    return n >= 1 && n <= kListCount ? ListLabels_[size_t(n - 1)] : nullptr;
}

void TGlobalSelectWindow::SetTitle(const QString& title) { Title_->setText(title); }

void TGlobalSelectWindow::SetList(int n, const QString& label, const QStringList& items, int current) {
    QComboBox* list = List(n);
    if (!list) return;
    ListLabel(n)->setText(label);
    list->clear();
    list->addItems(items);
    list->setCurrentIndex(current >= 0 && current < items.size() ? current : (items.isEmpty() ? -1 : 0));
}

void TGlobalSelectWindow::SetEdit(const QString& label, int min, int max, int value) {
    EditLabel_->setText(label);
    Edit_->SetMin(min);
    Edit_->SetMax(max);
    Edit_->SetValue(value);
}

int TGlobalSelectWindow::Chosen(int n) const {
    const QComboBox* list = List(n);
    return list ? list->currentIndex() : -1;
}

void TGlobalSelectWindow::HideUnusedRows() {
    Title_->setVisible(!Title_->text().isEmpty());
    for (int i = 0; i < kListCount; ++i) {
        const bool used = Lists_[size_t(i)]->count() > 0;
        ListLabels_[size_t(i)]->setVisible(used);
        Lists_[size_t(i)]->setVisible(used);
    }
    const bool editUsed = !EditLabel_->text().isEmpty();
    EditLabel_->setVisible(editUsed);
    Edit_->setVisible(editUsed);
}

void TGlobalSelectWindow::setVisible(bool visible) {
    // Before the window appears, so its size is taken from the rows that remain.
    if (visible && !isVisible()) {
        HideUnusedRows();
        layout()->activate();
        adjustSize();
    }
    QDialog::setVisible(visible);
}

}  // namespace veka
