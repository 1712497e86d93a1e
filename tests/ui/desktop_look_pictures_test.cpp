// The program under the desktop's look: a dark palette, a high-contrast palette and a desktop font
// twice the usual size, in both languages. The pictures go to the artifacts to be looked at; the
// test checks that the windows take the palette where no colour of their own is fixed, that the
// grid's rows grow with the font, and that no editor window clips its grid's header captions.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QMdiArea>
#include <QPalette>

#include "app/main_window.h"
#include "app/managed_windows.h"
#include "ui/main_window_fixture.h"
#include "widgets/veka_grid.h"
#include "windows/part_window.h"

namespace veka::test {
namespace {

QPalette DarkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(45, 45, 48));
    p.setColor(QPalette::WindowText, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(30, 30, 32));
    p.setColor(QPalette::AlternateBase, QColor(50, 50, 54));
    p.setColor(QPalette::Text, QColor(230, 230, 230));
    p.setColor(QPalette::Button, QColor(60, 60, 64));
    p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    p.setColor(QPalette::Light, QColor(90, 90, 96));
    p.setColor(QPalette::Mid, QColor(70, 70, 74));
    p.setColor(QPalette::Dark, QColor(150, 150, 156));
    p.setColor(QPalette::Highlight, QColor(60, 120, 200));
    p.setColor(QPalette::HighlightedText, Qt::white);
    return p;
}

QPalette HighContrastPalette() {
    QPalette p;
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button})
        p.setColor(role, Qt::black);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::Light,
                            QPalette::Dark, QPalette::Mid})
        p.setColor(role, Qt::white);
    p.setColor(QPalette::Highlight, Qt::yellow);
    p.setColor(QPalette::HighlightedText, Qt::black);
    return p;
}

struct TLook {
    const char* Name;
    QPalette Palette;
    double FontScale;
};

class DesktopLookPictures : public TMainWindowFixture {
protected:
    void TearDown() override {
        QApplication::setPalette(Saved_);
        QApplication::setFont(SavedFont_);
        TMainWindowFixture::TearDown();
    }
    QPalette Saved_ = QApplication::palette();
    QFont SavedFont_ = QApplication::font();
};

TEST_F(DesktopLookPictures, DarkHighContrastAndLargeTextInBothLanguages) {
    QDir().mkpath(VEKA_ARTIFACT_DIR);
    const TLook looks[] = {{"dark", DarkPalette(), 1.0}, {"high-contrast", HighContrastPalette(), 1.0},
                           {"large-text", Saved_, 2.0}};
    int normalRow = 0;
    for (const TLook& look : looks) {
        for (const bool japanese : {false, true}) {
            SCOPED_TRACE(std::string(look.Name) + (japanese ? " ja" : " en"));
            QApplication::setPalette(look.Palette);
            QFont font = SavedFont_;
            font.setPointSizeF(SavedFont_.pointSizeF() * look.FontScale);
            QApplication::setFont(font);
            Options.SystemJapanese = japanese;
            WriteCompleteSettings();
            Ini().DeleteKey("setting", "font size");  // a first start: the grids take the desktop's size
            TVekaMainForm& form = Make();
            ASSERT_TRUE(form.Create());
            form.resize(1280, 900);
            form.show();
            for (const int number : {int(wnPart), int(wnEffect)}) form.Windows().OpenOrBringForward(number);
            form.findChild<QMdiArea*>()->tileSubWindows();
            QApplication::processEvents();
            auto* part = form.findChild<TPartWindow1*>();
            ASSERT_NE(part, nullptr);
            // Where the Parts fix no colour the windows follow the desktop.
            EXPECT_EQ(part->Grid()->palette().color(QPalette::Base), look.Palette.color(QPalette::Base));
            EXPECT_EQ(form.palette().color(QPalette::Window), look.Palette.color(QPalette::Window));
            if (look.FontScale == 1.0) normalRow = part->Grid()->RowHeight();
            else EXPECT_GT(part->Grid()->RowHeight(), normalRow * 3 / 2);  // the grid's text grew too
            // The title panel holds its caption whole.
            const auto* title = part->findChild<QWidget*>(QStringLiteral("EdgeFontPanel1"));
            ASSERT_NE(title, nullptr);
            EXPECT_GE(title->height(), title->fontMetrics().height());
            const QString picture =
                QStringLiteral(VEKA_ARTIFACT_DIR "/look-%1-%2.png").arg(look.Name, japanese ? "ja" : "en");
            EXPECT_TRUE(form.grab().save(picture)) << picture.toStdString();
            Form.reset();
        }
    }
    EXPECT_GT(normalRow, 0);
}

}  // namespace
}  // namespace veka::test
