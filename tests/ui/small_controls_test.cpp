// The small controls the editor windows share: the owning list, the number field's keys,
// typing and dragging, the title panel's colours and painting, the check box's layout and the
// chooser dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "widgets/check_box_95.h"
#include "widgets/edge_font_panel.h"
#include "windows/global_select_window.h"
#include "widgets/list_ex.h"
#include "widgets/message_box_title.h"
#include "widgets/veka_edit.h"

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace veka {
namespace {

// --- TListEx ---

struct TCounted {
    static inline int Alive = 0;
    int Value;
    explicit TCounted(int value) : Value(value) { ++Alive; }
    TCounted(const TCounted& other) : Value(other.Value) { ++Alive; }
    ~TCounted() { --Alive; }
};

TEST(ListEx, OwnsItsItems) {
    TCounted::Alive = 0;
    {
        TListEx<TCounted> list;
        list.ClearItems();  // on an empty list: nothing happens
        EXPECT_EQ(list.Count(), 0);
        for (int i = 0; i < 4; ++i) list.Add(std::make_unique<TCounted>(i));
        EXPECT_EQ(TCounted::Alive, 4);
        list.DeleteItem(1);
        EXPECT_EQ(TCounted::Alive, 3);
        EXPECT_EQ(list[1].Value, 2);
        list.ClearItems();
        EXPECT_EQ(TCounted::Alive, 0);
        EXPECT_TRUE(list.Empty());
        list.Add(std::make_unique<TCounted>(9));
        list.Add(std::make_unique<TCounted>(8));
    }
    EXPECT_EQ(TCounted::Alive, 0);  // destroying the list freed the rest
}

TEST(ListEx, MovesLikeAGridColumnAndKeepsItemAddresses) {
    TListEx<int> list;
    for (int i = 0; i < 5; ++i) list.Add(i);
    int* third = &list[2];
    list.Move(0, 3);
    EXPECT_EQ(list.Values(), (std::vector<int>{1, 2, 3, 0, 4}));
    list.Move(4, 0);
    EXPECT_EQ(list.Values(), (std::vector<int>{4, 1, 2, 3, 0}));
    list.Exchange(0, 4);
    EXPECT_EQ(list.Values(), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(&list[2], third);
    list.Insert(5, 5);
    list.Insert(0, -1);
    int sum = 0;
    for (int& v : list) sum += v;
    const TListEx<int>& readOnly = list;
    for (const int& v : readOnly) sum += v;
    EXPECT_EQ(sum, 28);
    EXPECT_THROW(list.DeleteItem(7), std::out_of_range);
    EXPECT_THROW(list.DeleteItem(-1), std::out_of_range);
    EXPECT_THROW(list.Insert(9, 0), std::out_of_range);
    EXPECT_EQ(list.Count(), 7);
}

// --- TVekaEdit ---

class VekaEdit : public ::testing::Test {
protected:
    VekaEdit() {
        QObject::connect(&Edit, &TVekaEdit::OnEditValueChange, &Edit, [this](TVekaEdit* sender, int value) {
            EXPECT_EQ(sender, &Edit);
            Raised.push_back(value);
        });
    }
    void Mouse(QEvent::Type type, int y, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QPointF at(10, y);
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, Edit.mapToGlobal(at), button, buttons, modifiers);
        QApplication::sendEvent(&Edit, &event);
    }
    TVekaEdit Edit;
    std::vector<int> Raised;
};

TEST_F(VekaEdit, StartsAtZeroWithinZeroTo127AndClampsSetValues) {
    EXPECT_EQ(Edit.Value(), 0);
    EXPECT_EQ(Edit.Min(), 0);
    EXPECT_EQ(Edit.Max(), 127);
    EXPECT_EQ(Edit.text(), "0");
    Edit.SetValue(500);
    EXPECT_EQ(Edit.Value(), 127);
    EXPECT_EQ(Edit.text(), "127");
    Edit.SetValue(-4);
    EXPECT_EQ(Edit.Value(), 0);
    EXPECT_TRUE(Raised.empty());  // only the user's changes are reported
}

TEST_F(VekaEdit, KeypadPlusAtTheTopKeepsTheValueAndStillReports) {
    Edit.SetValue(127);
    QTest::keyClick(&Edit, Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(Edit.Value(), 127);
    EXPECT_EQ(Edit.text(), "127");
    EXPECT_EQ(Raised, std::vector<int>{127});
    EXPECT_EQ(Edit.selectedText(), "127");  // the whole text is selected after a step
}

TEST_F(VekaEdit, KeypadStepsByOneOrByTenWithCtrl) {
    Edit.SetValue(64);
    QTest::keyClick(&Edit, Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_EQ(Edit.Value(), 63);
    QTest::keyClick(&Edit, Qt::Key_Minus, Qt::KeypadModifier | Qt::ControlModifier);
    EXPECT_EQ(Edit.Value(), 53);
    QTest::keyClick(&Edit, Qt::Key_Plus, Qt::KeypadModifier | Qt::ControlModifier);
    EXPECT_EQ(Edit.Value(), 63);
    EXPECT_EQ(Raised, (std::vector<int>{63, 53, 63}));
    EXPECT_EQ(Edit.text(), "63");  // no sign was typed into the text
}

TEST_F(VekaEdit, SignsAreNeverTyped) {
    Edit.SetValue(5);
    Edit.end(false);
    QTest::keyClick(&Edit, Qt::Key_Plus);
    QTest::keyClick(&Edit, Qt::Key_Minus);
    EXPECT_EQ(Edit.text(), "5");
    EXPECT_TRUE(Raised.empty());
}

TEST_F(VekaEdit, TextThatIsNoNumberIsResetOnEnter) {
    Edit.SetValue(5);
    Edit.setText("12a");
    QTest::keyClick(&Edit, Qt::Key_Return);
    EXPECT_EQ(Edit.text(), "5");
    EXPECT_EQ(Edit.Value(), 5);
    EXPECT_TRUE(Raised.empty());
}

TEST_F(VekaEdit, DigitsAreTakenAsTheyAreTyped) {
    Edit.SetValue(5);
    Edit.selectAll();
    QTest::keyClicks(&Edit, "12a");
    EXPECT_EQ(Edit.Value(), 12);
    EXPECT_EQ(Raised, (std::vector<int>{1, 12}));
    QTest::keyClick(&Edit, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Edit.text(), "12");
    Edit.selectAll();
    QTest::keyClicks(&Edit, "300");  // clamped as soon as it is too large
    EXPECT_EQ(Edit.Value(), 127);
    EXPECT_EQ(Edit.text(), "127");
}

TEST_F(VekaEdit, CheckTextMayRewriteTheTypedTextAndTextsMayBeNamed) {
    Edit.SetMin(-64);
    Edit.SetMax(63);
    QObject::connect(&Edit, &TVekaEdit::OnTextStringChanging, &Edit, [](TVekaEdit*, int value, QString* text) {
        if (value < 0) *text = QStringLiteral("L%1").arg(-value);
    });
    QObject::connect(&Edit, &TVekaEdit::OnCheckText, &Edit, [](TVekaEdit*, int oldValue, QString* text) {
        EXPECT_EQ(oldValue, -10);
        if (text->startsWith('L')) *text = "-" + text->mid(1);
    });
    Edit.SetValue(-10);
    EXPECT_EQ(Edit.text(), "L10");
    Edit.setText("L20");
    QTest::keyClick(&Edit, Qt::Key_Return);
    EXPECT_EQ(Edit.Value(), -20);
    EXPECT_EQ(Edit.text(), "L20");
    EXPECT_EQ(Raised, std::vector<int>{-20});
}

TEST_F(VekaEdit, DraggingStepsOnlyBeyondFivePixelsAndOnlyWithTheLeftButton) {
    Edit.resize(80, 40);
    Edit.SetValue(50);
    Mouse(QEvent::MouseButtonPress, 20, Qt::LeftButton);
    Mouse(QEvent::MouseMove, 16, Qt::LeftButton);  // 4 pixels: nothing yet
    EXPECT_EQ(Edit.Value(), 50);
    Mouse(QEvent::MouseMove, 14, Qt::LeftButton);  // 6 above the press, 2 above the last move
    EXPECT_EQ(Edit.Value(), 51);
    Mouse(QEvent::MouseMove, 12, Qt::LeftButton);
    EXPECT_EQ(Edit.Value(), 52);
    Mouse(QEvent::MouseMove, 13, Qt::LeftButton);  // back down a pixel, still far above the press
    EXPECT_EQ(Edit.Value(), 51);
    Mouse(QEvent::MouseMove, 11, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(Edit.Value(), 61);
    Mouse(QEvent::MouseMove, 9, Qt::LeftButton | Qt::RightButton);  // two buttons: no step
    EXPECT_EQ(Edit.Value(), 61);
    Mouse(QEvent::MouseMove, 5, Qt::LeftButton, Qt::ShiftModifier);  // Shift: no step
    EXPECT_EQ(Edit.Value(), 61);
    Mouse(QEvent::MouseButtonRelease, 5, Qt::NoButton);
    Mouse(QEvent::MouseMove, 1, Qt::LeftButton);  // no drag after the release
    EXPECT_EQ(Edit.Value(), 61);
    EXPECT_EQ(Raised, (std::vector<int>{51, 52, 51, 61}));
    EXPECT_EQ(Edit.cursor().shape(), Qt::IBeamCursor);
}

// --- TEdgeFontPanel ---

QColor At(const TEdgeFontPanel& panel, int i) { return QColor::fromRgb(panel.Colarray()[size_t(i)]); }

TEST(EdgeFontPanel, GradientArrayRunsFromStartToEnd) {
    TEdgeFontPanel panel;
    EXPECT_EQ(panel.StartColor(), QColor(0, 0, 255));
    EXPECT_EQ(panel.EndColor(), QColor(0, 0, 0));
    EXPECT_EQ(At(panel, 0), QColor(0, 0, 255));
    EXPECT_EQ(At(panel, 1), QColor(0, 0, 254));
    EXPECT_EQ(At(panel, 128), QColor(0, 0, 127));
    EXPECT_EQ(At(panel, 254), QColor(0, 0, 1));
    EXPECT_EQ(At(panel, 255), QColor(0, 0, 0));

    // A small difference still fades smoothly instead of jumping at the end.
    panel.SetStartColor(QColor(128, 128, 128));
    EXPECT_EQ(At(panel, 0), QColor(128, 128, 128));
    EXPECT_EQ(At(panel, 128), QColor(63, 63, 63));
    EXPECT_EQ(At(panel, 255), QColor(0, 0, 0));
    for (int i = 1; i < 256; ++i) EXPECT_LE(At(panel, i).red(), At(panel, i - 1).red()) << i;

    panel.SetColarray(QColor(10, 20, 30), QColor(250, 200, 100), 1);  // reversed
    EXPECT_EQ(At(panel, 0), QColor(250, 200, 100));
    EXPECT_EQ(At(panel, 255), QColor(10, 20, 30));
    const auto before = panel.Colarray();
    panel.SetColarray(QColor(1, 2, 3), QColor(4, 5, 6), 4);  // mode 4 leaves it alone
    EXPECT_EQ(panel.Colarray(), before);
    panel.SetColarray(QColor(1, 2, 3), QColor(4, 5, 6), 0);
    EXPECT_EQ(At(panel, 0), QColor(1, 2, 3));
    EXPECT_EQ(At(panel, 255), QColor(4, 5, 6));
}

void RightClick(TEdgeFontPanel& panel) { QTest::mouseClick(&panel, Qt::RightButton, {}, QPoint(5, 5)); }

TEST(EdgeFontPanel, RightClickCyclesTheStartColour) {
    TEdgeFontPanel panel;
    panel.resize(200, 24);
    QSignalSpy clicks(&panel, &TEdgeFontPanel::clicked);
    panel.SetStartColor(QColor(128, 128, 128));  // grey
    RightClick(panel);
    EXPECT_EQ(panel.StartColor(), QColor(0, 0, 255));
    EXPECT_EQ(At(panel, 0), QColor(0, 0, 255));  // the gradient follows
    const std::vector<QColor> cycle{QColor(0, 128, 0), QColor(128, 0, 0), QColor(128, 128, 0), QColor(0, 128, 128),
                                    QColor(128, 0, 128), QColor(192, 192, 192), QColor(128, 128, 128),
                                    QColor(0, 0, 255)};
    for (const QColor& next : cycle) {
        RightClick(panel);
        EXPECT_EQ(panel.StartColor(), next);
    }
    panel.SetStartColor(QColor(1, 2, 3));  // not in the cycle
    RightClick(panel);
    EXPECT_EQ(panel.StartColor(), QColor(0, 0, 255));
    EXPECT_EQ(clicks.count(), 0);
    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
}

TEST(EdgeFontPanel, BackgroundIsTheGradientOrFlatAtThePanelSizeLessTheEdge) {
    TEdgeFontPanel panel;
    panel.resize(302, 26);
    panel.UpdateBack();
    QImage back = panel.Back().toImage();
    ASSERT_EQ(back.size(), QSize(300, 24));
    EXPECT_EQ(back.pixelColor(0, 10), QColor(0, 0, 255));
    EXPECT_EQ(back.pixelColor(150, 10), QColor(0, 0, 127));  // stripe 128 starts at 128 * 300 / 255 = 150
    EXPECT_LE(back.pixelColor(299, 10).blue(), 2);

    panel.SetGradient(false);
    back = panel.Back().toImage();
    EXPECT_EQ(back.pixelColor(299, 10), QColor(0, 0, 255));
    EXPECT_EQ(back.pixelColor(0, 0), QColor(0, 0, 255));
}

TEST(EdgeFontPanel, CaptionIsWhiteWithABlackEdge) {
    TEdgeFontPanel panel;
    panel.resize(200, 30);
    QFont font = panel.font();
    font.setPixelSize(16);
    panel.setFont(font);
    panel.SetGradient(false);
    panel.SetStartColor(QColor(0, 128, 0));
    const QImage empty = panel.grab().toImage();
    panel.SetCaption("HHHH");
    const QImage shown = panel.grab().toImage();
    int white = 0, black = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QColor c = shown.pixelColor(x, y);
            white += c == QColor(Qt::white);
            black += c == QColor(Qt::black);
            if (x < 7) {
                EXPECT_EQ(c, empty.pixelColor(x, y)) << x << "," << y;  // the caption starts at 8
            }
        }
    EXPECT_GT(white, 20);
    EXPECT_GT(black, 20);
}

// --- TCheckBox95 ---

TEST(CheckBox95, BoxSideTextAlignmentAndPushButtonLook) {
    TCheckBox95 box("Text");
    box.resize(200, 40);
    EXPECT_EQ(box.IndicatorRect().left(), 0);
    EXPECT_GT(box.TextRect().left(), box.IndicatorRect().right());
    EXPECT_EQ(box.TextAlignment(), Qt::AlignLeft | Qt::AlignVCenter);

    box.SetAlignmentBtn(TCheckBox95::TBoxSide::Right);
    EXPECT_EQ(box.IndicatorRect().right(), 199);
    EXPECT_LT(box.TextRect().right(), box.IndicatorRect().left());
    box.SetAlignment(TCheckBox95::TAlignment::Center);
    box.SetVerticalAlignment(TCheckBox95::TVerticalAlignment::Bottom);
    EXPECT_EQ(box.TextAlignment(), Qt::AlignHCenter | Qt::AlignBottom);
    EXPECT_EQ(box.IndicatorRect().bottom(), 39);

    box.SetLikePushButton(true);
    EXPECT_TRUE(box.IndicatorRect().isEmpty());
    // The whole control answers a click, whatever the layout.
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(100, 20));
    EXPECT_TRUE(box.isChecked());
    const QImage down = box.grab().toImage();
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_FALSE(box.isChecked());
    EXPECT_NE(box.grab().toImage(), down);  // a checked push button looks pressed
}

TEST(CheckBox95, WordWrapTakesMoreLinesWhenNarrow) {
    TCheckBox95 box("several words that need more than one line when the control is narrow");
    EXPECT_FALSE(box.hasHeightForWidth());
    const int oneLine = box.heightForWidth(2000);
    box.SetWordWrap(true);
    EXPECT_TRUE(box.hasHeightForWidth());
    EXPECT_TRUE(box.TextFlags() & Qt::TextWordWrap);
    EXPECT_FALSE(box.TextFlags() & Qt::TextSingleLine);
    EXPECT_GT(box.heightForWidth(120), oneLine * 2);
    EXPECT_LT(box.minimumSizeHint().width(), box.sizeHint().width());
}

// --- TGlobalSelectWindow ---

TEST(GlobalSelectWindow, CancelTextFollowsTheLanguage) {
    TGlobalSelectWindow japanese(TLanguage::Japanese);
    EXPECT_EQ(japanese.OKButton()->text(), "OK");
    EXPECT_EQ(japanese.CancelButton()->text(), QString::fromUtf8("ｷｬﾝｾﾙ"));
    TGlobalSelectWindow english(TLanguage::English);
    EXPECT_EQ(english.CancelButton()->text(), "Cancel");
    EXPECT_EQ(english.cb2()->objectName(), "cb2");
}

TEST(GlobalSelectWindow, ShowsOnlyFilledRowsAndReportsTheChoices) {
    TGlobalSelectWindow window(TLanguage::English);
    window.SetTitle("Specify object");
    window.SetList(1, "From ", {"A1 Piano 1", "A2 Piano 2", "A3 Piano 3"}, 1);
    window.SetList(2, "To ", {"A1 Piano 1", "A2 Piano 2", "A3 Piano 3"}, 7);  // out of range: first
    QTimer::singleShot(0, &window, [&] {
        EXPECT_TRUE(window.cb1()->isVisible());
        EXPECT_TRUE(window.ListLabel(2)->isVisible());
        EXPECT_FALSE(window.cb3()->isVisible());
        EXPECT_FALSE(window.ListLabel(3)->isVisible());
        EXPECT_FALSE(window.Edit()->isVisible());
        window.cb2()->setCurrentIndex(2);
        window.OKButton()->click();
    });
    EXPECT_EQ(window.exec(), 1);
    EXPECT_EQ(window.Chosen(1), 1);
    EXPECT_EQ(window.Chosen(2), 2);
    EXPECT_EQ(window.Chosen(3), -1);
    EXPECT_EQ(window.Chosen(4), -1);
    EXPECT_EQ(window.TitleLabel()->text(), "Specify object");
}

TEST(GlobalSelectWindow, NumberRowTakesItsValueAndCancelReportsZero) {
    TGlobalSelectWindow window(TLanguage::Japanese);
    window.SetEdit("Program", 1, 128, 200);
    EXPECT_EQ(window.Edit()->Value(), 128);
    QTimer::singleShot(0, &window, [&] {
        EXPECT_TRUE(window.Edit()->isVisible());
        EXPECT_FALSE(window.cb1()->isVisible());
        window.Edit()->setText("33");
        QTest::keyClick(window.Edit(), Qt::Key_Return);  // taken, and the default button closes
    });
    EXPECT_EQ(window.exec(), 1);
    EXPECT_EQ(window.Edit()->Value(), 33);

    QTimer::singleShot(0, &window, [&] { window.CancelButton()->click(); });
    EXPECT_EQ(window.exec(), 0);
}

TEST(MessageBoxTitle, AShortMessageKeepsRoomForTheWholeTitleBesideTheFramesButtons) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Veka 4.01"), QStringLiteral("Completed"), QMessageBox::Ok);
    KeepTitleVisible(box);
    box.show();
    QApplication::processEvents();
    QFont bold = QApplication::font();
    bold.setBold(true);
    EXPECT_GE(box.width(), QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + kTitleFrameRoom);
    box.close();
}

}  // namespace
}  // namespace veka
