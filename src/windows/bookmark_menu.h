#pragma once
// The bookmark pop-up of an editor grid: "register the current row", a separator, then ten
// entries, each naming a row by its identifier and its name. Choosing an entry selects that
// row; the window says which rows it has, which one is current and how to select one.
#include <QMenu>
#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "windows/window_services.h"

namespace veka {

class TBookmarkMenu : public QMenu {
    Q_OBJECT
public:
    using TRows = std::function<std::vector<std::pair<int, std::string>>()>;  // identifier, name

    TBookmarkMenu(IWindowStore& store, std::string window, TLanguage language, TRows rows,
                  std::function<int()> currentRow, std::function<void(int)> selectRow, QWidget* parent);

    // Fills the entries from the stored identifiers (run before the menu shows).
    void Prepare();
    void RegisterCurrent();
    // Entry position 0..9; an entry without a caption does nothing.
    void Choose(int position);
    QAction* RegisterAction() const { return Register_; }
    QAction* Entry(int position) const { return Entries_[size_t(std::clamp(position, 0, 9))]; }

private:
    IWindowStore& Store_;
    std::string Window_;
    TRows Rows_;
    std::function<int()> CurrentRow_;
    std::function<void(int)> SelectRow_;
    QAction* Register_ = nullptr;
    std::array<QAction*, 10> Entries_{};
    std::array<int, 10> Shown_{};  // the identifier behind each entry's caption, -1 for none
};

}  // namespace veka
