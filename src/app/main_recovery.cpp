// The recovery file of the main window: the unsaved setup kept in the program folder while the
// program runs, and offered back at the next start after an unclean end.
#include <QTimer>
#include <iostream>

#include "widgets/caption.h"
#include "app/main_window.h"

namespace veka {

namespace {

enum TRecoveryText { rtOffer, rtNewSetup, rtUnusable, rtDamaged, rtOtherVersion, rtOtherType, rtRestored, rtStep, rtCount };
constexpr TCaption kTexts[rtCount] = {
    {"前回の終了時に保存されていないｾｯﾄｱｯﾌﾟが残っています:\n%1\n\n復元しますか？（いいえ: 破棄します）",
     "Veka kept a setup that was not saved when it last ended:\n%1\n\nRestore it? (No discards it.)"},
    {"(新規ｾｯﾄｱｯﾌﾟ)", "(a new setup)"},
    {"前回の終了時に残されたｾｯﾄｱｯﾌﾟは復元できません: %1\n\n破棄しますか？（いいえ: 次回の起動時にもう一度確認します）",
     "The setup kept when Veka last ended cannot be restored: %1\n\nDiscard it? (No asks again at the next start.)"},
    {"ﾌｧｲﾙが壊れています", "the file is damaged"},
    {"別のﾊﾞｰｼﾞｮﾝの Veka が書いたﾌｧｲﾙです", "it was written by another version of Veka"},
    {"別の音源ﾀｲﾌﾟで書かれたﾌｧｲﾙです", "it was written for another module type"},
    {"保存されていないｾｯﾄｱｯﾌﾟを復元しました", "The unsaved setup was restored."},
    {"ｾｯﾄｱｯﾌﾟの復元", "Restore Setup"},
};

}  // namespace

std::string TVekaMainForm::RecoveryFile() const { return RecoveryPath(Options_.ProgramFolder); }

void TVekaMainForm::StartRecoveryTimer() {
    RecoveryTimer_ = new QTimer(this);
    RecoveryTimer_->setSingleShot(true);
    // A drag raises a change per step: the file is written once the steps have paused.
    RecoveryTimer_->setInterval(kRecoveryDelayMs);
    connect(RecoveryTimer_, &QTimer::timeout, this, [this] {
        // A transmission or a request runs its own loop: the image settles after it.
        if (Busy_ || RequestCancel_) RecoveryTimer_->start();
        else WriteRecoveryNow();
    });
}

void TVekaMainForm::ClearDataChanged() {
    DataChanged_ = false;
    if (!RecoveryWritten_) return;
    std::string error;
    if (RemoveRecoveryFile(RecoveryFile(), error)) RecoveryWritten_ = false;
    else std::cerr << "veka4: " << error << std::endl;
}

void TVekaMainForm::WriteRecoveryNow() {
    if (!Image_) return;
    if (!DataChanged_) {
        ClearDataChanged();
        return;
    }
    TRecoveryInfo info;
    info.ModuleType = Image_->ModuleType();
    info.MaxPart = Image_->MaxPart;
    info.FileName = FileName_.toStdString();
    std::string error;
    if (WriteRecoveryFile(*Image_, RecoveryFile(), info, error)) RecoveryWritten_ = true;
    else ShowHelp(QString::fromStdString(error));  // the edit itself stands; say why nothing is kept
}

void TVekaMainForm::OfferRecovery() {
    const std::string path = RecoveryFile();
    TRecoveryRead read = ReadRecoveryFile(path, Image_->ModuleType());
    if (read.Status == TRecoveryStatus::Missing) return;
    const auto text = [this](TRecoveryText id) { return Tr(kTexts[id], Language_); };
    std::string error;
    if (read.Status != TRecoveryStatus::Ok) {
        const QString why = text(read.Status == TRecoveryStatus::Damaged        ? rtDamaged
                                 : read.Status == TRecoveryStatus::OtherVersion ? rtOtherVersion
                                                                                : rtOtherType) +
                            " (" + QString::fromStdString(read.Detail) + ")";
        if (ShowMessage(QMessageBox::Warning, text(rtUnusable).arg(why), QMessageBox::Yes | QMessageBox::No) ==
            QMessageBox::Yes)
            RemoveRecoveryFile(path, error);
        return;
    }
    const QString name = QString::fromStdString(read.Info.FileName);
    if (ShowMessage(QMessageBox::Question, text(rtOffer).arg(name.isEmpty() ? text(rtNewSetup) : name),
                    QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
        RemoveRecoveryFile(path, error);
        return;
    }
    // Onto the power-on image, as a whole setup is read; then the module hears all of it.
    const TUndoScope step(*this, kTexts[rtStep]);
    New(false);
    TFixedSetupFileHost host;
    const TSetupReadResult result =
        ReadSetupBytes(*Image_, host, CurrentPort(), TSetupFileKind::Ga4, read.Setup, read.Info.FileName);
    if (!result.Ok()) {
        ShowMessage(QMessageBox::Warning, QString::fromStdString(result.Text(Language_)));
        return;
    }
    SetCaption(name);
    MarkChanged();  // still unsaved, and kept again
    RecoveryWritten_ = true;
    RefreshAll();
    try {
        Session_->Transmitter.SendAll(true, true, true, true, true, false);
    } catch (const std::exception& sendError) {
        ReportSendError(sendError);
    }
    ShowHelp(text(rtRestored));
}

}  // namespace veka
