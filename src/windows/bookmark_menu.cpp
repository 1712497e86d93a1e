#include "windows/bookmark_menu.h"

#include <algorithm>

#include "widgets/caption.h"
#include "document/bookmarks.h"

namespace veka {

namespace {
constexpr TCaption kRegister = {"現在の位置をしおりに登録する", "Bookmark the current row"};
}  // namespace

TBookmarkMenu::TBookmarkMenu(IWindowStore& store, std::string window, TLanguage language, TRows rows,
                             std::function<int()> currentRow, std::function<void(int)> selectRow, QWidget* parent)
    : QMenu(parent), Store_(store), Window_(std::move(window)), Rows_(std::move(rows)),
      CurrentRow_(std::move(currentRow)), SelectRow_(std::move(selectRow)) {
    setObjectName("BookmarkMenu");
    Register_ = addAction(Tr(kRegister, language), this, &TBookmarkMenu::RegisterCurrent);
    addSeparator();
    Shown_.fill(-1);
    for (int i = 0; i < 10; ++i) {
        Entries_[size_t(i)] = addAction(QString(), this, [this, i] { Choose(i); });
        Entries_[size_t(i)]->setVisible(false);
    }
    connect(this, &QMenu::aboutToShow, this, &TBookmarkMenu::Prepare);
}

void TBookmarkMenu::Prepare() {
    const std::vector<std::pair<int, std::string>> rows = Rows_();
    // The stored rows the grid has, in order; the entries after them stay empty.
    std::vector<std::pair<int, std::string>> listed;
    for (const int id : Store_.Bookmarks(Window_)) {
        const auto row = std::find_if(rows.begin(), rows.end(), [id](const auto& r) { return r.first == id; });
        if (row != rows.end()) listed.push_back(*row);
    }
    for (size_t i = 0; i < Entries_.size(); ++i) {
        const bool shown = i < listed.size();
        Shown_[i] = shown ? listed[i].first : -1;
        Entries_[i]->setText(shown ? QStringLiteral("%1:%2").arg(listed[i].first).arg(QString::fromStdString(listed[i].second))
                                   : QString());
        Entries_[i]->setVisible(shown);
    }
}

void TBookmarkMenu::RegisterCurrent() {
    TBookmarkIds ids = Store_.Bookmarks(Window_);
    const int current = CurrentRow_();
    if (current < 0 || !RegisterBookmark(ids, current)) return;
    Store_.SetBookmarks(Window_, ids);
    Prepare();
}

void TBookmarkMenu::Choose(int position) {
    if (position < 0 || position >= 10 || Shown_[size_t(position)] < 0) return;
    SelectRow_(Shown_[size_t(position)]);
}

}  // namespace veka
