#pragma once
// TSysxHistoryDialog: the content of the "Sysx History" window, the recently sent parameter
// messages newest first. The main window puts it in an MDI child and keeps it up to date
// through AddHistory.
#include <chrono>

#include <QString>
#include <QWidget>

#include "midi/history.h"
#include "module/language.h"
#include "document/options_view.h"

class QLabel;
class QTreeWidget;

namespace veka {

class TSysxHistoryDialog : public QWidget {
    Q_OBJECT
public:
    enum TColumn { colName, colValue, colSysx, colTime };

    TSysxHistoryDialog(const THistory& history, TOptionsView options, TLanguage language,
                       QWidget* parent = nullptr);

    // A new entry at the top; when the history dropped its oldest, the last row goes too.
    void AddHistory(const THistoryEntry& entry, bool droppedOldest);

    QTreeWidget* List() const { return List_; }
    QString StatusText() const;

    // Handlers.
    void ListView1DblClick();
    void ListView1MouseMove();

    // The time column's text for a sending time (local date and time).
    static QString TimeText(std::chrono::system_clock::time_point time);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate(const THistory& history, TLanguage language);

    TOptionsView Options_;
    QTreeWidget* List_;
    QLabel* Status_;
};

}  // namespace veka
