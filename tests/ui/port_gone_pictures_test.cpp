// Pictures of the main window with a port gone and of the question once it is back, in both
// languages, for a person to look at; the texts they show are checked too.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>

#include "app/led_panel.h"
#include "app/main_window.h"
#include "app/status_area.h"
#include "app/toolbars.h"
#include "midi/midi_session.h"
#include "midi/virtual_module.h"
#include "ui/main_window_fixture.h"
#include "windows/global_select_window.h"

namespace veka {
namespace {

using PortGonePictures = test::TMainWindowFixture;

TEST_F(PortGonePictures, TheGoneLampTheStatusAndTheOfferInBothLanguages) {
    QDir().mkpath(VEKA_ARTIFACT_DIR);
    for (const bool japanese : {false, true}) {
        SCOPED_TRACE(japanese ? "Japanese" : "English");
        const QString language = japanese ? "ja" : "en";
        Options.SystemJapanese = japanese;
        WriteCompleteSettings();
        TVekaMainForm& form = Make();
        ASSERT_TRUE(form.Create());
        form.resize(1000, 700);
        form.show();
        const auto module = TMidiDevices::Instance().VirtualModule();
        module->Unplug(1);
        form.Document().Image().SetPartValue(1, 4, 45, ppVolume);
        form.Document().Image().SetPartValue(1, 5, 10, ppPanpot);
        QApplication::processEvents();
        EXPECT_EQ(form.Toolbars().Lamp(1)->accessibleName(),
                  japanese ? QString::fromUtf8("Port B (なし)") : QStringLiteral("Port B (gone)"));
        EXPECT_TRUE(form.StatusArea().ModuleText().endsWith(
            japanese ? QString::fromUtf8("B: Virtual Module Port B (なし, 2 未送信)")
                     : QStringLiteral("B: Virtual Module Port B (gone, 2 not heard)")))
            << form.StatusArea().ModuleText().toStdString();
        const QString gone = QStringLiteral(VEKA_ARTIFACT_DIR "/port-gone-%1.png").arg(language);
        EXPECT_TRUE(form.grab().save(gone)) << gone.toStdString();

        // The question once the port is back, shown as the program shows it.
        std::optional<TSelectRequest> asked;
        form.Hooks.Select = [&asked](const TSelectRequest& request) -> std::optional<int> {
            asked = request;
            return std::nullopt;
        };
        module->Plug(1);
        form.Document().Session().LookAtPorts();
        ASSERT_TRUE(asked);
        EXPECT_EQ(asked->Items.size(), 3u);
        TGlobalSelectWindow dialog(form.Language());
        dialog.SetTitle(QString::fromStdString(asked->Title));
        QStringList items;
        for (const std::string& item : asked->Items) items << QString::fromStdString(item);
        dialog.SetList(1, QString::fromStdString(asked->Label), items, asked->Preselected);
        dialog.HideUnusedRows();
        dialog.show();
        QApplication::processEvents();
        const QString offer = QStringLiteral(VEKA_ARTIFACT_DIR "/port-back-offer-%1.png").arg(language);
        EXPECT_TRUE(dialog.grab().save(offer)) << offer.toStdString();
        dialog.close();
        Form.reset();
    }
}

}  // namespace
}  // namespace veka
