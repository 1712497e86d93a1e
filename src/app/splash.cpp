#include "app/splash.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

#include "app/app_texts.h"
#include "app/toolbar_icons.h"

namespace veka {

TMySplash::TMySplash(bool english, QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("TMySplash");
    const QPixmap picture = SplashPicture();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    Picture_ = new QLabel(this);
    Picture_->setPixmap(picture);
    Picture_->setFixedSize(picture.size());
    layout->addWidget(Picture_);
    Version_ = new QLabel(QString::fromUtf8(kVersionText) + (english ? QStringLiteral("e") : QString()), this);
    Version_->setObjectName("Version");
    layout->addWidget(Version_);
    Identity_ = new QLabel(this);
    Identity_->setObjectName("Identity");
    Identity_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Identity_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Identity_->hide();
    layout->addWidget(Identity_);
    Status_ = new QLabel(this);
    Status_->setObjectName("Status");
    layout->addWidget(Status_);
    Bar_ = new QProgressBar(this);
    Bar_->setRange(0, 100);
    Bar_->setTextVisible(false);
    Bar_->setFixedHeight(10);
    Bar_->hide();
    layout->addWidget(Bar_);
    setFixedWidth(picture.width() + 8);
    Centre();
}

void TMySplash::Centre() {
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TMySplash::SetStatus(const QString& text, bool showProgress) {
    Status_->setText(text);
    Bar_->setVisible(showProgress);
    repaint();
}

void TMySplash::SetProgress(int percent) {
    Bar_->setValue(qBound(0, percent, 100));
}

void TMySplash::SetIdentity(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Identity_->setText(shown);
    Identity_->setVisible(!shown.isEmpty());
    Centre();
}

QString TMySplash::Identity() const { return Identity_->text(); }

QString TMySplash::Status() const { return Status_->text(); }
int TMySplash::Progress() const { return Bar_->value(); }
bool TMySplash::ProgressVisible() const { return !Bar_->isHidden(); }

void TMySplash::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // A raised 3-D frame: white at the top and left, grey at the bottom and right, black outside.
    QPainter painter(this);
    const int w = width(), h = height();
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, w - 1, h - 1);
    for (int inset : {1, 2}) {
        painter.setPen(Qt::white);
        painter.drawLine(inset, inset, w - 1 - inset, inset);
        painter.drawLine(inset, inset, inset, h - 1 - inset);
        painter.setPen(QColor(0x80, 0x80, 0x80));
        painter.drawLine(inset, h - 1 - inset, w - 1 - inset, h - 1 - inset);
        painter.drawLine(w - 1 - inset, inset, w - 1 - inset, h - 1 - inset);
    }
}

void TMySplash::mousePressEvent(QMouseEvent* event) {
    QDialog::mousePressEvent(event);
    if (childAt(event->position().toPoint()) == Picture_) close();
}

}  // namespace veka
