#pragma once
// The windows of a data request: TDataReq chooses what to read back from the module (twenty
// items in their groups, the reply time limit, the log), TDataReqDlg shows the request loop
// running and stops it. Neither reads or writes settings: the caller hands the choice in and
// stores it.
#include <QDialog>
#include <array>
#include <atomic>

#include "document/request_command.h"
#include "midi/data_request.h"
#include "module/language.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace veka {


class TDataReq : public QDialog {
    Q_OBJECT
public:
    // insertionAllowed: false for the SC-88 family, which has no insertion effect.
    TDataReq(const TDataRequestChoice& choice, bool insertionAllowed, const QString& logPath, TLanguage language,
             QWidget* parent = nullptr);
    TDataRequestChoice Choice() const;

    QCheckBox* Box(TRequestItem item) const { return Boxes_[size_t(item)]; }
    QPushButton* SelectAllButton() const { return SelectAll_; }
    QSpinBox* WaitField() const { return Wait_; }

private:
    std::array<QCheckBox*, riItemCount> Boxes_{};
    QPushButton* SelectAll_ = nullptr;
    QSpinBox* Wait_ = nullptr;
    QCheckBox* Log_ = nullptr;
};

class TDataReqDlg : public QDialog {
    Q_OBJECT
public:
    TDataReqDlg(std::atomic<bool>& cancel, TLanguage language, QWidget* parent = nullptr);

    // What the request loop reports.
    void ShowRequest(const std::string& category, const std::string& parameter);
    void ShowMarker(int marker);
    void ShowRestTime(int percent, const std::string& text);
    // The loop has ended: the window may close now.
    void Finish() { Finished_ = true; }

    QPushButton* StopButton() const { return Stop_; }
    QString CategoryText() const;

protected:
    // Refuses to close until Stop was pressed or the loop ended.
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    std::atomic<bool>& Cancel_;
    bool Finished_ = false;
    QLabel* Category_ = nullptr;
    QLabel* Parameter_ = nullptr;
    QLabel* Rest_ = nullptr;
    QLabel* Marker_ = nullptr;
    QProgressBar* Bar_ = nullptr;
    QPushButton* Stop_ = nullptr;
};

}  // namespace veka
