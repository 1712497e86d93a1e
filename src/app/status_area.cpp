#include "app/status_area.h"

#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "midi/pump_wait.h"

namespace veka {

TStatusArea::TStatusArea(QMainWindow& window, TLanguage language, TPumpWait& clock, std::function<void()> stop)
    : Window_(window), Clock_(clock) {
    QStatusBar* bar = window.statusBar();
    Status_ = new QLabel(bar);
    Status_->setObjectName("StatusText");
    bar->addWidget(Status_, 1);
    // Long work shows its progress as a bar, with a way to stop it (also Escape).
    ProgressBar_ = new QProgressBar(bar);
    ProgressBar_->setObjectName("ProgressBar");
    ProgressBar_->setMaximumWidth(220);
    ProgressBar_->hide();
    bar->addPermanentWidget(ProgressBar_);
    const bool japanese = language == TLanguage::Japanese;
    StopButton_ = new QPushButton(japanese ? QStringLiteral("中止") : QStringLiteral("Stop"), bar);
    StopButton_->setObjectName("StopButton");
    StopButton_->setToolTip(japanese ? QStringLiteral("送信を中止します (Esc)") : QStringLiteral("Stops the transmission (Esc)"));
    StopButton_->hide();
    QObject::connect(StopButton_, &QPushButton::clicked, &window, stop);
    bar->addPermanentWidget(StopButton_);
    StopShortcut_ = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    StopShortcut_->setContext(Qt::ApplicationShortcut);
    StopShortcut_->setEnabled(false);
    QObject::connect(StopShortcut_, &QShortcut::activated, &window, stop);
    ModuleField_ = new QLabel(bar);
    ModuleField_->setObjectName("ModuleField");
    bar->addPermanentWidget(ModuleField_);
    Progress_.OnProgress = [this](int max, int current, const std::string& text) {
        ShowProgress(QString::fromStdString(text), current, max);
    };
    Progress_.OnFinished = [this] { ProgressDone(); };
}

void TStatusArea::ShowProgress(const QString& text, int position, int total) {
    if (Status_->text() != text) Status_->setText(text);
    // The progress ends with its command, whichever way the command ends (a question
    // answered No, an error): once control is back in the main loop, the bar and its text go.
    ProgressText_ = text;
    if (!ProgressEnd_) {
        ProgressEnd_ = new QTimer(&Window_);
        ProgressEnd_->setSingleShot(true);
        QObject::connect(ProgressEnd_, &QTimer::timeout, &Window_, [this] {
            if (Clock_.Depth() > 0) {  // still inside the work's waits: look again after them
                if (!ProgressEndDeferred_)
                    Clock_.AfterOutermost([this, timer = QPointer<QTimer>(ProgressEnd_)] {
                        if (!timer) return;  // the window has gone (the clock may outlive it)
                        ProgressEndDeferred_ = false;
                        timer->start(0);
                    });
                ProgressEndDeferred_ = true;
                return;
            }
            if (Status_->text() == ProgressText_) Status_->clear();
            ProgressBar_->hide();
        });
    }
    ProgressEnd_->start(0);
    if (total > 0) {
        if (ProgressBar_->maximum() != total) ProgressBar_->setRange(0, total);
        ProgressBar_->setValue(std::clamp(position, 0, total));
        if (ProgressBar_->isHidden()) ProgressBar_->show();
        if (OnPercent) OnPercent(int(std::lround(double(position) / total * 100.0)));
    }
}

void TStatusArea::ProgressDone() {
    Status_->clear();
    ProgressBar_->hide();
}

void TStatusArea::ShowHelp(const QString& text) { Status_->setText(text); }

void TStatusArea::SetBusy(bool busy) {
    StopButton_->setVisible(busy);
    StopShortcut_->setEnabled(busy);
}

void TStatusArea::ShowModule(int moduleType, const std::vector<std::string>& outputs) {
    ModuleField_->setText(ModuleStatusText(moduleType, outputs));
}

QString TStatusArea::Text() const { return Status_->text(); }
QString TStatusArea::ModuleText() const { return ModuleField_->text(); }

QString ModuleStatusText(int moduleType, const std::vector<std::string>& outputs) {
    static const char* const kModels[] = {"SC-88", "SC-88Pro", "SC-8850"};
    QString text = QString::fromUtf8(kModels[std::clamp(moduleType, 1, 3) - 1]);
    for (size_t port = 0; port < outputs.size() && port < 4; ++port)
        text += QStringLiteral(" · %1: %2")
                    .arg(QChar('A' + int(port)))
                    .arg(outputs[port].empty() ? QStringLiteral("-") : QString::fromStdString(outputs[port]));
    return text;
}

}  // namespace veka
