// An edit's messages are paced by waits that run the event loop. What the user does meanwhile
// must not reach into the edit: a window closed during its own edit's wait goes only after the
// edit, and keys pressed meanwhile are handled one after the other, never inside the wait.
#include <gtest/gtest.h>

#include <qpa/qwindowsysteminterface.h>

#include <QApplication>
#include <QMdiArea>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "widgets/veka_grid.h"
#include "app/managed_windows.h"
#include "ui/main_window_fixture.h"

namespace veka::test {
namespace {

class EditWaitTest : public TMainWindowFixture {
protected:
    // The program's own waits (the Qt event loop), without the module reset at start.
    TVekaMainForm& Started() {
        WriteCompleteSettings();
        Ini().WriteBool("other option", "2", false);
        TVekaMainForm& form = Make();
        EXPECT_TRUE(form.Create());
        form.resize(1200, 800);
        form.show();
        QApplication::processEvents();
        return form;
    }
    // The first value cell of the window's grid that the keypad's + or - changes.
    static TVekaGrid* FocusedGrid(QWidget* window) {
        auto* grid = window->findChild<TVekaGrid*>();
        if (!grid) return nullptr;
        grid->SetFocusCell(grid->FixedCols(), grid->FixedRows());
        grid->setFocus();
        return grid;
    }
};

TEST_F(EditWaitTest, AWindowClosedWhileItsOwnEditIsBeingSentGoesAfterTheEdit) {
    TVekaMainForm& form = Started();
    TTransmitter& transmitter = form.Document().Transmitter();
    const auto lamps = transmitter.OnFlash;
    for (const int number : {wnDrum, wnUserDrum, wnEffect, wnMaster, wnPatch, wnPart}) {
        SCOPED_TRACE(ManagedWindowName(number));
        TManagedSubWindow* sub = form.Windows().OpenOrBringForward(number);
        ASSERT_TRUE(sub);
        QApplication::processEvents();
        const QPointer<QWidget> content(sub->widget());
        TVekaGrid* grid = FocusedGrid(content);
        ASSERT_TRUE(grid);
        // The close button is clicked while the edit's message is on its way: the close is
        // handled inside the wait that paces it.
        int closesAsked = 0;
        int depthAtClose = -1;
        transmitter.OnFlash = [&, sub = QPointer<TManagedSubWindow>(sub)](int port) {
            if (lamps) lamps(port);
            if (closesAsked++ > 0) return;
            QTimer::singleShot(0, sub, [&, sub] {
                depthAtClose = form.Document().Session().Wait().Depth();
                if (sub) sub->close();
            });
        };
        QTest::keyClick(grid, Qt::Key_Plus, Qt::KeypadModifier);
        if (closesAsked == 0) QTest::keyClick(grid, Qt::Key_Minus, Qt::KeypadModifier);  // at its top already
        ASSERT_GT(closesAsked, 0) << "the key sent nothing";
        EXPECT_GT(depthAtClose, 0) << "the close came inside the edit's wait";
        // Out of its slot at once (a new one opens fresh), deleted once the edit is over.
        EXPECT_EQ(form.Windows().Window(number), nullptr);
        EXPECT_FALSE(content.isNull()) << "deleted under the edit's handler";
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(content.isNull());
        transmitter.OnFlash = lamps;
    }
}

TEST_F(EditWaitTest, KeysPressedDuringAnEditsWaitAreHandledAfterItOneByOne) {
    TVekaMainForm& form = Started();
    TManagedSubWindow* sub = form.Windows().OpenOrBringForward(wnPart);
    ASSERT_TRUE(sub);
    form.activateWindow();
    QApplication::setActiveWindow(&form);
    QApplication::processEvents();
    TVekaGrid* grid = FocusedGrid(sub->widget());
    ASSERT_TRUE(grid);
    // A value with room for five steps (volume, pan...), at its bottom.
    int col = grid->FixedCols();
    const int row = grid->FixedRows();
    while (col < grid->ColCount() && grid->GetCell(col, row).Max - grid->GetCell(col, row).Min < 10) ++col;
    ASSERT_LT(col, grid->ColCount());
    grid->SetFocusCell(col, row);
    grid->SetCellValue(col, row, grid->GetCell(col, row).Min);
    QApplication::processEvents();
    const int start = grid->GetCellValue(col, row);
    TTransmitter& transmitter = form.Document().Transmitter();
    const auto lamps = transmitter.OnFlash;
    std::vector<int> depths;
    transmitter.OnFlash = [&](int port) {
        if (lamps) lamps(port);
        depths.push_back(form.Document().Session().Wait().Depth());
    };
    // Five presses queued at once, as a held key's repeats arrive from the window system.
    constexpr int kPresses = 5;
    for (int i = 0; i < kPresses; ++i) {
        QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
            form.windowHandle(), QEvent::KeyPress, Qt::Key_Plus, Qt::KeypadModifier);
        QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
            form.windowHandle(), QEvent::KeyRelease, Qt::Key_Plus, Qt::KeypadModifier);
    }
    for (int round = 0; round < 50 && grid->GetCellValue(col, row) < start + kPresses; ++round)
        QApplication::processEvents();
    transmitter.OnFlash = lamps;
    EXPECT_EQ(grid->GetCellValue(col, row), start + kPresses);
    ASSERT_EQ(depths.size(), size_t(kPresses));
    for (const int depth : depths) EXPECT_EQ(depth, 0) << "a key was handled inside another edit's wait";
}

}  // namespace
}  // namespace veka::test
