// The composition of a song's setup: the order list built from the candidates, its forms and
// changed-only marks, the ".scd" presets, and the window in both languages.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QAbstractButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "module/image.h"
#include "smf/order_file.h"
#include "temp_dir.h"
#include "windows/smf_custom_window.h"
#include "ui/control_names.h"

namespace veka::test {
namespace {

// The candidate row of a group's parameter.
int CandidateRow(const TSMFCustom& window, int group, int index) {
    for (int row = 0; row < window.Candidates()->count(); ++row)
        if (window.Candidates()->item(row)->data(Qt::UserRole).toInt() == group * 256 + index) return row;
    return -1;
}

void SelectOnly(QListWidget* list, int row) {
    list->clearSelection();
    list->setCurrentRow(row);
    list->item(row)->setSelected(true);
}

// A screen reader names every control, in both languages.
TEST(SmfCustomWindow, EveryControlHasAName) {
    TTempDir dir;
    TVGS image(VEKA_TEST_DEFAULT_DIR);
    for (const TLanguage language : {TLanguage::English, TLanguage::Japanese}) {
        TSMFCustom window(image, dir.Path.string(), "default.scd", language);
        window.show();
        QApplication::processEvents();
        EXPECT_EQ(test::UnnamedControls(window), std::vector<std::string>{});
    }
}

TEST(SmfCustomWindow, TheListIsBuiltFromTheCandidatesWithTheFormsEachParameterHas) {
    TTempDir dir;
    TVGS image(VEKA_TEST_DEFAULT_DIR);
    TSMFCustom window(image, dir.Path.string(), "default.scd", TLanguage::English);
    // No preset yet: the built-in list, not saved.
    EXPECT_EQ(window.List(), DefaultOrderList());
    EXPECT_TRUE(window.Changed());
    EXPECT_EQ(window.windowTitle(), "SMF Export Setup - default.scd*");
    // Headers cannot be chosen; the scale tuning block is one candidate.
    EXPECT_TRUE(window.Candidates()->item(0)->text().startsWith("--------"));
    EXPECT_FALSE(window.Candidates()->item(0)->flags() & Qt::ItemIsSelectable);
    EXPECT_GE(CandidateRow(window, ogPart, ppScaleTuningC), 0);
    EXPECT_LT(CandidateRow(window, ogPart, ppScaleTuningC + 1), 0);

    // Adding what is there already keeps one entry; something new goes to the end.
    const size_t size = window.List().size();
    SelectOnly(window.Candidates(), CandidateRow(window, ogPart, ppVolume));
    window.Add();
    EXPECT_EQ(window.List().size(), size);
    while (!window.List().empty()) {
        window.Chosen()->selectAll();
        window.Delete();
    }
    for (int index : {2, int(ppVolume)}) {
        SelectOnly(window.Candidates(), CandidateRow(window, index == 2 ? ogSystem : ogPart, index));
        QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
        QApplication::sendEvent(window.Candidates(), &right);  // the Right key adds
    }
    ASSERT_EQ(window.List().size(), 2u);
    EXPECT_EQ(window.Chosen()->item(0)->text().left(26), "Master / Effect : Master V");
    EXPECT_TRUE(window.Chosen()->item(1)->text().startsWith("Part : Volume"));

    // CC on a parameter without a control change leaves it exclusive; on Volume it takes.
    SelectOnly(window.Chosen(), 0);
    EXPECT_FALSE(window.FormButton(ofCC)->isEnabled());
    window.SetForm(ofCC);
    EXPECT_EQ(window.List()[0].Form, ofSysx);
    SelectOnly(window.Chosen(), 1);
    EXPECT_TRUE(window.FormButton(ofCC)->isEnabled());
    window.SetForm(ofCC);
    EXPECT_EQ(window.List()[1].Form, ofCC);
    EXPECT_TRUE(window.FormButton(ofCC)->isChecked());
    // Changed-only: the selected item, then every item (Ctrl).
    const uint8_t before = window.List()[1].ChangedOnly;
    window.ToggleChangedOnly(false);
    EXPECT_NE(window.List()[1].ChangedOnly, before);
    EXPECT_EQ(window.List()[0].ChangedOnly, 1);
    window.ToggleChangedOnly(true);
    EXPECT_EQ(window.List()[0].ChangedOnly, 0);
    // "-" moves up, "+" down, Del deletes.
    QKeyEvent minus(QEvent::KeyPress, Qt::Key_Minus, Qt::NoModifier);
    QApplication::sendEvent(window.Chosen(), &minus);
    EXPECT_EQ(window.List()[0].Group, ogPart);
    QKeyEvent plus(QEvent::KeyPress, Qt::Key_Plus, Qt::NoModifier);
    QApplication::sendEvent(window.Chosen(), &plus);
    EXPECT_EQ(window.List()[1].Group, ogPart);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(window.Chosen(), &del);
    ASSERT_EQ(window.List().size(), 1u);
    EXPECT_EQ(window.List()[0].Group, ogSystem);
}

TEST(SmfCustomWindow, PresetsAreSavedListedAndReadBackAndABadTagIsRefused) {
    TTempDir dir;
    TVGS image(VEKA_TEST_DEFAULT_DIR);
    TSMFCustom window(image, dir.Path.string(), "default.scd", TLanguage::English);
    // OK with changes asks first; Cancel keeps the window, No closes it unsaved.
    int asked = 0;
    window.AskHook = [&asked](const QString& text) {
        ++asked;
        EXPECT_EQ(text, "Data has changed. Save it?");
        return asked == 1 ? QMessageBox::Cancel : QMessageBox::Yes;
    };
    window.PresetNameHook = [&dir](const QString&) { return QString::fromStdString(dir / "live"); };
    window.accept();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(window.result(), 0);
    window.accept();  // Yes: saved as live.scd, then closed
    EXPECT_EQ(window.result(), int(QDialog::Accepted));
    EXPECT_FALSE(window.Changed());
    EXPECT_EQ(window.CurrentPreset(), "live.scd");
    TOrderList read;
    std::string error;
    ASSERT_TRUE(ReadOrderFile(dir / "live.scd", read, error)) << error;
    EXPECT_EQ(read, window.List());
    EXPECT_TRUE(std::filesystem::exists(dir / "UsePartPara.txt"));
    EXPECT_EQ(window.Presets()->currentText(), "live.scd");

    // A preset whose tag has one blank too few is refused and gives an empty list.
    std::vector<uint8_t> bytes = OrderFileBytes(DefaultOrderList());
    bytes[19] = 'x';
    std::ofstream(dir / "bad.scd", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    TSMFCustom again(image, dir.Path.string(), "live.scd", TLanguage::English);
    EXPECT_EQ(again.List(), read);
    EXPECT_FALSE(again.Changed());
    EXPECT_EQ(again.Presets()->count(), 2);
    again.Presets()->setCurrentText("bad.scd");
    EXPECT_TRUE(again.List().empty());
    EXPECT_TRUE(again.StatusText().contains("Order Data")) << again.StatusText().toStdString();
}

TEST(SmfCustomWindow, PicturesInBothLanguages) {
    TTempDir dir;
    TVGS image(VEKA_TEST_DEFAULT_DIR);
    for (TLanguage language : {TLanguage::English, TLanguage::Japanese}) {
        TSMFCustom window(image, dir.Path.string(), "default.scd", language);
        window.show();
        window.Chosen()->setCurrentRow(3);
        QApplication::processEvents();
        const std::string suffix = language == TLanguage::English ? "en" : "ja";
        EXPECT_TRUE(
            window.grab().save(QString::fromStdString(std::string(VEKA_ARTIFACT_DIR) + "/smf_custom_" + suffix + ".png")));
        EXPECT_EQ(window.Chosen()->currentRow(), 3);
        // Nothing in the picture is cut: every button and one-line label has its room.
        for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            if (!button->isVisible()) continue;
            EXPECT_GE(button->width(), button->minimumSizeHint().width()) << button->text().toStdString() << " " << suffix;
        }
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            if (!label->isVisible() || label->wordWrap() || label->text().isEmpty()) continue;
            EXPECT_GE(label->width(), label->minimumSizeHint().width()) << label->text().toStdString() << " " << suffix;
        }
    }
}

}  // namespace
}  // namespace veka::test
