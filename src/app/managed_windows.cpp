#include "app/managed_windows.h"

#include <QMenu>
#include <QPointer>
#include <QTimer>

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMdiArea>
#include <algorithm>

namespace veka {

const std::array<TWindowDescriptor, wnCount>& WindowDescriptors() {
    static const std::array<TWindowDescriptor, wnCount> kDescriptors{{
        {wnPatch, "PatchWindow", 0, TCommand::ViewPatch, 9},
        {wnPart, "PartWindow1", 1, TCommand::ViewPart, 2},
        {wnDrum, "DrumWindow1", 2, TCommand::ViewDrum, 3},
        {wnUserDrum, "UserDrumWindow", 3, TCommand::ViewUserDrum, 4},
        {wnEffect, "EffectWindow", 4, TCommand::ViewEffect, 5},
        {wnKeyboard, "KeyboardWindow", 5, TCommand::KeyboardWindow, 6},
        {wnMatrix, "AssignWindow", 6, TCommand::ViewMatrix, 7},
        {wnDisplay, "DisplayWindow", 7, TCommand::ViewDisplay, 8},
        {wnMaster, "MasterWindow", 9, TCommand::ViewMaster, 10},
        {wnSysxHistory, "SysxHistoryDialog", 8, TCommand::SysxHistory, 1},
        // The layout files know the ten windows before it: the comparison has no record there.
        {wnCompare, "CompareWindow", -1, TCommand::Compare, 0},
    }};
    return kDescriptors;
}

const TWindowDescriptor* DescriptorOf(int number) {
    return number >= 1 && number <= wnCount ? &WindowDescriptors()[size_t(number - 1)] : nullptr;
}

const TWindowDescriptor* DescriptorOfLayoutCode(int code) {
    for (const TWindowDescriptor& d : WindowDescriptors())
        if (d.LayoutCode == code) return &d;
    return nullptr;
}

const char* ManagedWindowName(int number) {
    const TWindowDescriptor* d = DescriptorOf(number);
    return d ? d->Name : "";
}

void TManagedWindows::CloseAll() {
    std::array<const TWindowDescriptor*, wnCount> order{};
    for (size_t i = 0; i < order.size(); ++i) order[i] = &WindowDescriptors()[i];
    std::sort(order.begin(), order.end(), [](auto* a, auto* b) { return a->CloseRank < b->CloseRank; });
    for (const TWindowDescriptor* d : order)
        if (TManagedSubWindow* window = Window(d->Number)) window->close();
}

void TManagedWindows::MinimizeAll() {
    const auto list = Area_.subWindowList(QMdiArea::CreationOrder);
    for (auto it = list.rbegin(); it != list.rend(); ++it) (*it)->showMinimized();
}

void TManagedWindows::ArrangeIcons() {
    // Minimised windows in one row along the bottom, in the order they were created.
    int left = 0;
    const int bottom = Area_.viewport()->height();
    for (QMdiSubWindow* window : Area_.subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized()) continue;
        window->move(left, std::max(0, bottom - window->height()));
        left += window->width();
    }
}

TManagedSubWindow::TManagedSubWindow(int number, QWidget* content, TSettings& settings,
                                     const std::function<bool()>& closeMinimizes)
    : Number_(number), Settings_(settings), CloseMinimizes_(closeMinimizes) {
    setObjectName(ManagedWindowName(number));
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(content);
    // The frame follows the content's own limits, so a window that stops growing at its last
    // row stops there as a whole instead of showing empty bands around its content.
    if (layout()) layout()->setSizeConstraint(QLayout::SetMinAndMaxSize);
    setWindowTitle(content->windowTitle());
    connect(content, &QWidget::windowTitleChanged, this, &QWidget::setWindowTitle);
}

void TManagedSubWindow::StorePosition() {
    if (isMinimized()) return;
    TWindowPosition position;
    position.Left = x();
    position.Top = y();
    position.Width = width();
    position.Height = height();
    Settings_.WindowPosition(ManagedWindowName(Number_), 'W', position);
}

void TManagedSubWindow::CloseForGood() {
    ForGood_ = true;
    close();
}

void TManagedSubWindow::closeEvent(QCloseEvent* event) {
    if (!ForGood_ && CloseMinimizes_ && CloseMinimizes_()) {
        event->ignore();
        showMinimized();
        return;
    }
    StorePosition();
    QMdiSubWindow::closeEvent(event);
    if (!event->isAccepted() || !Wait || Wait->Depth() == 0 || !testAttribute(Qt::WA_DeleteOnClose)) return;
    // Hidden now, deleted later: the close handling would otherwise delete it in this very
    // (nested) event loop, under the handler that is waiting.
    setAttribute(Qt::WA_DeleteOnClose, false);
    if (OnClosedLater) OnClosedLater();
    DeleteWhenIdle();
}

void TManagedSubWindow::DeleteWhenIdle() {
    // From the event loop, and only when no wait runs: the handler that waited has returned.
    QTimer::singleShot(0, this, [this] {
        if (Wait && Wait->Depth() > 0) {
            Wait->AfterOutermost([window = QPointer<TManagedSubWindow>(this)] {
                if (window) window->DeleteWhenIdle();
            });
            return;
        }
        deleteLater();
    });
}

TManagedWindows::TManagedWindows(QMdiArea& area, TSettings& settings, std::function<bool()> closeMinimizes)
    : Area_(area), Settings_(settings), CloseMinimizes_(std::move(closeMinimizes)) {}

void TManagedWindows::SetFactory(int number, TFactory factory) {
    if (number >= 1 && number <= wnCount) Factories_[size_t(number)] = std::move(factory);
}

bool TManagedWindows::Available(int number) const {
    return number >= 1 && number <= wnCount && Factories_[size_t(number)] != nullptr;
}

TManagedSubWindow* TManagedWindows::Window(int number) const {
    return number >= 1 && number <= wnCount ? Slots_[size_t(number)] : nullptr;
}

QRect TManagedWindows::KeepInside(const TWindowPosition& position, const QSize& area) {
    const int width = std::clamp(position.Width, 120, std::max(120, area.width()));
    const int height = std::clamp(position.Height, 80, std::max(80, area.height()));
    // A window placed beyond the area comes back so that at least its top-left part shows.
    const int left = std::clamp(position.Left, 0, std::max(0, area.width() - 100));
    const int top = std::clamp(position.Top, 0, std::max(0, area.height() - 40));
    return QRect(left, top, width, height);
}

TManagedSubWindow* TManagedWindows::Create(int number, const TWindowPosition& position) {
    QWidget* content = Factories_[size_t(number)]();
    if (!content) return nullptr;
    auto* window = new TManagedSubWindow(number, content, Settings_, CloseMinimizes_);
    Area_.addSubWindow(window);
    Slots_[size_t(number)] = window;
    const auto leave = [this, number, window] {
        if (Slots_[size_t(number)] == window) Slots_[size_t(number)] = nullptr;
    };
    QObject::connect(window, &QObject::destroyed, leave);
    window->Wait = Wait_;
    window->OnClosedLater = leave;
    // Ctrl+F4 is the main window's (it closes the active window): the frame's own menu would
    // make it ambiguous, and an ambiguous key does nothing.
    if (QMenu* menu = window->systemMenu())
        for (QAction* action : menu->actions()) {
            QList<QKeySequence> keys = action->shortcuts();
            if (keys.removeAll(QKeySequence(Qt::CTRL | Qt::Key_F4)) > 0) action->setShortcuts(keys);
        }
    QSize area = Area_.viewport()->size();
    if (area.width() < 200 || area.height() < 100) area = QSize(1024, 768);  // not laid out yet
    window->setGeometry(KeepInside(position, area));
    window->show();
    return window;
}

TManagedSubWindow* TManagedWindows::OpenOrBringForward(int number) {
    if (!Available(number)) return nullptr;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TManagedSubWindow* window = Window(number);
    if (window) {
        if (window->isMinimized()) window->showNormal();
        window->show();
        Area_.setActiveSubWindow(window);
        window->raise();
    } else {
        TWindowPosition position;
        Settings_.WindowPosition(ManagedWindowName(number), 'R', position);
        window = Create(number, position);
    }
    QApplication::restoreOverrideCursor();
    return window;
}

TManagedSubWindow* TManagedWindows::OpenAt(int number, int left, int top) {
    if (!Available(number)) return nullptr;
    if (TManagedSubWindow* window = Window(number)) return window;
    TWindowPosition position;
    Settings_.WindowPosition(ManagedWindowName(number), 'R', position);
    position.Left = left;
    position.Top = top;
    return Create(number, position);
}

}  // namespace veka
