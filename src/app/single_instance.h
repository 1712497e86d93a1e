#pragma once
// One running program per user. The first instance listens on a local socket named
// "Veka_Mutex"; a second one connects, hands over the file it was started with (cut to 255
// bytes) and leaves once the first has answered. The socket lives in the user's runtime folder,
// so users of one machine never meet.
#include <QByteArray>
#include <QObject>
#include <QString>

class QLocalServer;

namespace veka {

class TSingleInstance : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxNameBytes = 255;
    static constexpr int kAnswerTimeoutMs = 3000;

    enum TResult {
        First,       // no other instance: this one listens now
        HandedOver,  // another instance answered: exit 0
        NoAnswer,    // another instance is there but did not answer in time: exit quietly
    };

    explicit TSingleInstance(QObject* parent = nullptr);
    ~TSingleInstance() override;

    // The socket's full name: $XDG_RUNTIME_DIR/Veka_Mutex, else the temporary folder with the
    // user id appended.
    static QString ServerName();
    // The hand-over message of a file name ("" when there is none to hand over).
    static QByteArray HandOverMessage(const QByteArray& fileName);

    // Hands fileName (empty: nothing to open) to a running instance, or becomes the first.
    TResult Start(const QByteArray& fileName);

signals:
    // A second instance asked the first to come to the front, with a file or without.
    void Activate(const QString& fileName);

private:
    void Accept();
    QLocalServer* Server_ = nullptr;
};

}  // namespace veka
