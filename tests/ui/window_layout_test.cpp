// How the editor windows lay themselves out in a main window on the virtual module: the drum
// windows' rows, width limit and maximised frame, the Patch window's browser and grid, a tone
// dragged from every view of the browser, the Effect window's width and pictures, and every
// window after a new grid font (with pictures of them for a look by eye in build/*/artifacts).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QDrag>
#include <QDropEvent>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QListView>
#include <QMdiArea>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStringListModel>
#include <QTabBar>
#include <QTreeView>
#include <QTreeWidget>

#include "windows/drum_window.h"
#include "widgets/effect_pictures.h"
#include "windows/effect_window.h"
#include "windows/part_window.h"
#include "windows/patch_window.h"
#include "windows/user_drum_window.h"
#include "widgets/veka_grid.h"
#include "midi/pump_wait.h"
#include "ui/main_window_fixture.h"
#include "windows/assign_window.h"
#include "windows/master_window.h"
#include "app/managed_windows.h"
#include "app/option_menu.h"

namespace veka::test {
namespace {

class WindowLayoutTest : public TMainWindowFixture {
protected:
    TVekaMainForm& Start(bool japanese = false) {
        Options.SystemJapanese = japanese;
        TVekaMainForm& form = StartQuiet(Clock);
        form.resize(1200, 800);
        QApplication::processEvents();
        return form;
    }
    template <typename T> T& Open(int number) {
        TManagedSubWindow* sub = Form->Windows().OpenOrBringForward(number);
        EXPECT_TRUE(sub);
        QApplication::processEvents();
        return *qobject_cast<T*>(sub->widget());
    }
    TManagedSubWindow& Frame(int number) { return *Form->Windows().Window(number); }
    static void Settle() {
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
    }
    // A header or row caption drawn whole: it is drawn bold from 2 pixels in, and a character
    // is drawn while what comes before it fits the column less "BI".
    static bool Whole(const TVekaGrid& grid, int col, int row) {
        QFont bold = grid.font();
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        const QString text = QString::fromStdString(grid.GetCell(col, row).Text);
        int before = 0;
        for (qsizetype i = 0; i + 1 < text.size(); ++i) before += metrics.horizontalAdvance(text[i]);
        return before <= grid.ColWidth(col) - metrics.horizontalAdvance(QStringLiteral("BI")) &&
               metrics.horizontalAdvance(text) + 2 <= grid.ColWidth(col);
    }
    static void ExpectCaptionsWhole(const TVekaGrid& grid, const char* window) {
        for (int col = 1; col < grid.ColCount(); ++col)
            EXPECT_TRUE(Whole(grid, col, 0)) << window << ": " << grid.GetCell(col, 0).Text;
        for (int col = 0; col < grid.FixedCols(); ++col)
            for (int row = 1; row < grid.RowCount(); ++row)
                EXPECT_TRUE(Whole(grid, col, row)) << window << ": " << grid.GetCell(col, row).Text;
    }
    // Every column whole in the grid's width (nothing to scroll to the side).
    static bool AllColumnsShown(const TVekaGrid& grid) {
        return grid.FixedCols() + grid.VisibleColCount() == grid.ColCount();
    }
    static void Mouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, target->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          buttons, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    void Picture(QWidget& window, const QString& name) {
        QDir().mkpath(VEKA_ARTIFACT_DIR);
        const QString scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR") : "1";
        EXPECT_TRUE(window.grab().save(QStringLiteral(VEKA_ARTIFACT_DIR "/%1-x%2.png").arg(name, scale)));
    }
    TFakePumpWait Clock;
};

TEST_F(WindowLayoutTest, DrumWindowsOpenWithManyRowsFillAMaximisedAreaAndShowEveryColumnWhole) {
    Start(true);
    for (const int number : {int(wnDrum), int(wnUserDrum)}) {
        TVekaGrid& grid = number == wnDrum ? *Open<TDrumWindow1>(number).Grid() : *Open<TUserDrumWindow>(number).Grid();
        TManagedSubWindow& frame = Frame(number);
        Settle();
        // As it opens, without a click: many rows.
        EXPECT_GE(grid.VisibleRowCount(), 8) << number;
        ExpectCaptionsWhole(grid, number == wnDrum ? "drum" : "user drum");
        // As wide as it may be: every column whole beside the vertical scroll bar.
        frame.resize(3000, frame.height());
        Settle();
        EXPECT_TRUE(grid.verticalScrollBar()->isVisible());
        EXPECT_TRUE(AllColumnsShown(grid)) << number << ": " << grid.VisibleColCount() << " columns shown";
        // Maximised, the grid takes the area's width; restored, the limits are back.
        frame.showMaximized();
        Settle();
        EXPECT_GE(grid.width(), Form->MdiArea()->viewport()->width() - 40) << number;
        frame.showNormal();
        Settle();
        EXPECT_LT(frame.widget()->maximumWidth(), QWIDGETSIZE_MAX) << number;
        EXPECT_LE(frame.widget()->width(), frame.widget()->maximumWidth()) << number;
        frame.close();
        Settle();
    }
}

TEST_F(WindowLayoutTest, ThePatchWindowOpensWithItsBrowserReadableAndEveryColumnOfItsGrid) {
    Start(true);
    auto& window = Open<TPatchWindow>(wnPatch);
    Settle();
    // The programs' names under their category show whole in the tree as it opens.
    window.CollapseAll();
    QTreeWidgetItem* bell = window.NodeFor(nkProgram, 14);
    ASSERT_TRUE(bell);
    bell->parent()->setExpanded(true);
    bell->parent()->parent()->setExpanded(true);
    Settle();
    QTreeWidget& tree = *window.Tree();
    EXPECT_LE(tree.visualItemRect(bell).right(), tree.viewport()->width()) << tree.width();
    EXPECT_GE(tree.columnWidth(0), static_cast<QAbstractItemView&>(tree).sizeHintForColumn(0));
    // Two icons side by side in the list.
    window.SetListState(TPatchWindow::lsIcons);
    window.SelectNode(window.NodeFor(nkPatch, 0));
    Settle();
    QListView& icons = *window.IconView();
    EXPECT_EQ(icons.visualRect(icons.model()->index(1, 0)).top(), icons.visualRect(icons.model()->index(0, 0)).top());
    // Widened, the tree's names stay whole.
    window.ExpandAll();
    Frame(wnPatch).resize(Frame(wnPatch).width() + 300, Frame(wnPatch).height());
    Settle();
    EXPECT_GE(tree.columnWidth(0), static_cast<QAbstractItemView&>(tree).sizeHintForColumn(0));
    // Every column of the grid, the bank's too, whatever cell has the focus, maximised or not.
    TVekaGrid& grid = *window.Grid();
    ExpectCaptionsWhole(grid, "patch");
    for (const bool maximised : {false, true}) {
        if (maximised) Frame(wnPatch).showMaximized();
        Settle();
        EXPECT_TRUE(AllColumnsShown(grid)) << maximised;
        grid.SetFocusCell(TPatchWindow::pcMode, 16);
        EXPECT_EQ(grid.LeftCol(), TPatchWindow::pcBank) << maximised;
    }
}

TEST_F(WindowLayoutTest, AToneDraggedFromEveryViewOfTheBrowserOntoAPartIsPutThere) {
    Start();
    auto& window = Open<TPatchWindow>(wnPatch);
    window.SelectNode(window.NodeFor(nkProgram, 0));
    int part = 3;
    for (const int state : {int(TPatchWindow::lsIcons), int(TPatchWindow::lsSmallIcons), int(TPatchWindow::lsDetails)}) {
        window.SetListState(state);
        Settle();
        QAbstractItemView* view = state == TPatchWindow::lsDetails ? static_cast<QAbstractItemView*>(window.DetailsView())
                                                                   : window.IconView();
        const int line = 2 + part % 3;  // a tone (line 0 is "..")
        const TBrowserItem item = window.Items()[size_t(line)];
        ASSERT_EQ(item.Kind, ikTone);
        const QRect rect = view->visualRect(view->model()->index(line, 0));
        ASSERT_FALSE(rect.isEmpty()) << state;
        // Press on the line and move away with the button held, as a hand drags.
        QWidget* surface = view->viewport();
        const QPoint from = rect.center();
        Mouse(surface, QEvent::MouseButtonPress, from, Qt::LeftButton);
        for (int step = 1; step <= 4; ++step)
            Mouse(surface, QEvent::MouseMove, from + QPoint(12 * step, 8 * step), Qt::LeftButton);
        auto* drag = view->findChild<QDrag*>();
        ASSERT_TRUE(drag && drag->mimeData()) << "no drag in view " << state;
        // What it carries, dropped on a part row, puts the tone there.
        QMimeData carried;
        for (const QString& format : drag->mimeData()->formats()) carried.setData(format, drag->mimeData()->data(format));
        Mouse(surface, QEvent::MouseButtonRelease, from + QPoint(48, 32), Qt::NoButton);
        Settle();
        const QPoint cell = window.Grid()->CellRect(TPatchWindow::pcProgram, part).center();
        QWidget* target = window.Grid()->viewport();
        QDragEnterEvent enter(cell, Qt::CopyAction, &carried, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(cell), Qt::CopyAction, &carried, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        EXPECT_TRUE(drop.isAccepted()) << state;
        Settle();
        const int32_t tone = Form->Document().Image().Part(0, part, ppToneNumber).Value;
        EXPECT_EQ(tone, item.Bank * 128 + item.Program) << state;
        EXPECT_EQ(Form->Document().Image().Part(0, part, ppToneMap).Value, item.Map) << state;
        ++part;
    }
}

TEST_F(WindowLayoutTest, TheEffectWindowKeepsItsWidthWhateverItsHelpLineAndShowsTheWholeChorusPicture) {
    Start();
    auto& window = Open<TEffectWindow>(wnEffect);
    Settle();
    const int width = window.width();
    auto* status = window.findChild<QLabel*>(QStringLiteral("StatusBar1"));
    ASSERT_TRUE(status);
    status->setText(QString(300, QLatin1Char('x')));
    Settle();
    EXPECT_EQ(window.width(), width);
    // The chorus page the first time: its picture inside the window and its frame.
    window.Pages()->setCurrentIndex(1);
    Settle();
    const TChorusPicture& chorus = *window.ChorusPicture();
    ASSERT_TRUE(chorus.isVisible());
    const QRect inWindow(chorus.mapTo(&window, QPoint(0, 0)), chorus.size());
    EXPECT_TRUE(window.rect().contains(inWindow)) << inWindow.right() << " " << window.width();
    TManagedSubWindow& frame = Frame(wnEffect);
    const QRect inFrame(chorus.mapTo(&frame, QPoint(0, 0)), chorus.size());
    EXPECT_TRUE(frame.rect().contains(inFrame)) << inFrame.right() << " " << frame.width();
}

// The font dialog offers fixed-pitch fonts at the grids' own font; a new font lays every window
// out again: rows, captions, columns and the windows' sizes.
TEST_F(WindowLayoutTest, ANewGridFontLaysOutEveryWindowAgain) {
    for (const bool japanese : {false, true}) {
        TVekaMainForm& form = Start(japanese);
        for (const int number : {int(wnPatch), int(wnPart), int(wnDrum), int(wnUserDrum), int(wnEffect), int(wnMatrix),
                                 int(wnMaster), int(wnKeyboard), int(wnDisplay)})
            Open<QWidget>(number);
        const QFont before = Frame(wnMatrix).widget()->findChild<TVekaGrid*>()->font();
        QString fixed;
        form.Hooks.FontDialog = [&](QFontDialog& dialog) {
            auto* families = qobject_cast<QStringListModel*>(dialog.findChild<QListView*>()->model());
            EXPECT_TRUE(families);
            if (!families) return false;
            const QStringList offered = families->stringList();
            EXPECT_FALSE(offered.isEmpty());
            for (const QString& family : offered) {
                EXPECT_TRUE(QFontDatabase::isFixedPitch(family)) << family.toStdString();
                EXPECT_TRUE(QFontDatabase::writingSystems(family).contains(QFontDatabase::Latin)) << family.toStdString();
            }
            EXPECT_EQ(dialog.currentFont().pointSize(), before.pointSize());
            // At the grids' font when it is offered (a proportional default is not: another then).
            EXPECT_TRUE(offered.contains(dialog.currentFont().family()));
            if (QFontDatabase::isFixedPitch(QFontInfo(before).family())) {
                EXPECT_EQ(dialog.currentFont().family(), QFontInfo(before).family());
            }
            fixed = offered.contains(QStringLiteral("DejaVu Sans Mono")) ? QStringLiteral("DejaVu Sans Mono") : offered.value(0);
            dialog.setCurrentFont(QFont(fixed, 14));
            return true;
        };
        form.OptionMenu().FontCommand();
        // A font of symbols only, however it came, leaves the grids their letters.
        for (const QString& family : QFontDatabase::families(QFontDatabase::Symbol))
            if (!QFontDatabase::writingSystems(family).contains(QFontDatabase::Latin)) {
                form.OptionMenu().ApplyGridFont(QFont(family, 14));
                break;
            }
        Settle();
        const QString language = japanese ? "ja" : "en";
        for (const int number : {int(wnPatch), int(wnPart), int(wnDrum), int(wnUserDrum), int(wnEffect), int(wnMatrix),
                                 int(wnMaster), int(wnKeyboard), int(wnDisplay)}) {
            TManagedSubWindow& frame = Frame(number);
            const std::string name = ManagedWindowName(number);
            for (TVekaGrid* grid : frame.widget()->findChildren<TVekaGrid*>()) {
                if (!grid->isVisible()) continue;
                EXPECT_EQ(grid->font().pointSize(), 14) << name;
                EXPECT_EQ(QFontInfo(grid->font()).family(), fixed) << name;
                EXPECT_GE(grid->RowHeight(), QFontInfo(grid->font()).pixelSize() + 6) << name;
                ExpectCaptionsWhole(*grid, name.c_str());
                // A grid without scroll bars shows every row and column.
                if (grid->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff) {
                    EXPECT_EQ(grid->VisibleRowCount() + grid->FixedRows(), grid->RowCount()) << name;
                    EXPECT_TRUE(AllColumnsShown(*grid)) << name;
                }
            }
            // The frame holds its window whole.
            EXPECT_GE(frame.widget()->width(), frame.widget()->minimumSizeHint().width()) << name;
            EXPECT_GE(frame.widget()->height(), frame.widget()->minimumSizeHint().height()) << name;
            Picture(frame, QStringLiteral("font14-%1-%2").arg(QString::fromStdString(name), language));
        }
        Form.reset();
    }
}

// The windows as they open, in both languages, for a look by eye.
TEST_F(WindowLayoutTest, PicturesAsTheWindowsOpen) {
    for (const bool japanese : {false, true}) {
        Start(japanese);
        const QString language = japanese ? "ja" : "en";
        for (const int number : {int(wnPatch), int(wnDrum), int(wnUserDrum), int(wnEffect), int(wnMatrix)}) {
            Open<QWidget>(number);
            Settle();
            Picture(Frame(number), QStringLiteral("open-%1-%2").arg(QString::fromStdString(ManagedWindowName(number)), language));
        }
        // The drum window as wide as it goes, and maximised.
        Frame(wnDrum).resize(3000, 520);
        Settle();
        Picture(Frame(wnDrum), QStringLiteral("widest-DrumWindow1-%1").arg(language));
        Frame(wnDrum).showMaximized();
        Settle();
        Picture(*Form, QStringLiteral("maximised-DrumWindow1-%1").arg(language));
        Frame(wnDrum).showNormal();
        auto& effect = *qobject_cast<TEffectWindow*>(Frame(wnEffect).widget());
        effect.Pages()->setCurrentIndex(1);
        effect.Grid()->SetFocusCell(1, 2);
        effect.VekaGrid1Click();
        Settle();
        Picture(Frame(wnEffect), QStringLiteral("open-EffectWindow-chorus-%1").arg(language));
        Form.reset();
    }
}

}  // namespace
}  // namespace veka::test
