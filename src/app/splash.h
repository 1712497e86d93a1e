#pragma once
// TMySplash: the start-up window - our picture, the version, a status line and a progress bar.
// The About command shows the same window as a modal dialog.
#include <QDialog>

class QLabel;
class QProgressBar;

namespace veka {

class TMySplash : public QDialog {
    Q_OBJECT
public:
    // english appends "e" to the version, as every English copy shows it.
    explicit TMySplash(bool english, QWidget* parent = nullptr);
    // Status text; showProgress shows or hides the progress bar.
    void SetStatus(const QString& text, bool showProgress);
    void SetProgress(int percent);
    // The module's identity reply, shown under the version in the About window (CR LF line ends allowed).
    void SetIdentity(const QString& text);
    QString Identity() const;
    QString Status() const;
    int Progress() const;
    bool ProgressVisible() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void Centre();

    QLabel* Picture_ = nullptr;
    QLabel* Version_ = nullptr;
    QLabel* Status_ = nullptr;
    QLabel* Identity_ = nullptr;
    QProgressBar* Bar_ = nullptr;
};

}  // namespace veka
