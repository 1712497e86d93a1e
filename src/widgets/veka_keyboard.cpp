#include "widgets/veka_keyboard.h"

#include "widgets/control_accessibles.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>


namespace veka {

namespace {

constexpr std::array<int, 7> kWhiteSemitones{0, 2, 4, 5, 7, 9, 11};
// The black key to the right of each white key: C#, D#, none, F#, G#, A#, none.
constexpr std::array<int, 7> kBlackSemitones{1, 3, -1, 6, 8, 10, -1};
constexpr std::array<int, 5> kVelocities{30, 64, 94, 117, 127};
constexpr int kBlackDrawHalf = 4;  // drawn 9 pixels wide over the boundary of two white keys

const QColor kPressedWhite(0x80, 0xC0, 0xFF);
const QColor kPressedBlack(0x00, 0x40, 0xC0);
const QColor kStrip(0xC0, 0xC0, 0xC0);
const QColor kNoKey(0xA0, 0xA0, 0xA0);  // the keys above note 127

int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

}  // namespace

TKeyAtPoint TVekaKeyboard::KeyAt(int x, int y) {
    TKeyAtPoint key;
    if (x < 0 || y < 0 || x >= kWidth - 1 || y >= kHeight) return key;
    if (y < kBlackHeight) {
        // Half a key to the left: a black key covers the boundary it sits on.
        const int index = FloorDiv(x - OneKeyWidth / 2, OneKeyWidth);
        if (index >= 0 && index < kWhiteKeys && kBlackSemitones[size_t(index % 7)] >= 0) {
            const int note = index / 7 * 12 + kBlackSemitones[size_t(index % 7)];
            if (note > 127) return key;
            key.Note = note;
            key.Black = true;
            key.Velocity = kVelocities[size_t(std::clamp(y / 9, 0, 4))];
            return key;
        }
    }
    const int index = x / OneKeyWidth;
    const int note = index / 7 * 12 + kWhiteSemitones[size_t(index % 7)];
    if (note > 127) return key;
    key.Note = note;
    key.Velocity = kVelocities[size_t(std::clamp(y / 13, 0, 4))];
    return key;
}

int TVekaKeyboard::WhiteIndexOf(int note) {
    if (note < 0 || note > 127) return -1;
    const auto it = std::find(kWhiteSemitones.begin(), kWhiteSemitones.end(), note % 12);
    return it == kWhiteSemitones.end() ? -1 : note / 12 * 7 + int(it - kWhiteSemitones.begin());
}

TVekaKeyboard::TVekaKeyboard(QWidget* parent) : QWidget(parent) {
    setFixedSize(kWidth, kHeight);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    InstallControlAccessibility();
}

void TVekaKeyboard::SetOctave(int octave) {
    if (octave == Octave_) return;
    Octave_ = octave;
    update(0, kHeight - kStripHeight, kWidth, kStripHeight);
}

void TVekaKeyboard::SetKeyDown(int note, bool down) {
    if (note < 0 || note > 127) return;
    int& count = Down_[size_t(note)];
    const bool was = count > 0;
    count = down ? count + 1 : std::max(0, count - 1);
    if (was != (count > 0)) update();
}

void TVekaKeyboard::ReleaseDrawnKeys() {
    Down_.fill(0);
    update();
}

void TVekaKeyboard::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const int whiteBottom = kHeight - kStripHeight;
    painter.fillRect(rect(), Qt::white);
    for (int i = 0; i < kWhiteKeys; ++i) {
        const int note = i / 7 * 12 + kWhiteSemitones[size_t(i % 7)];
        const QRect key(i * OneKeyWidth, 0, OneKeyWidth, whiteBottom);
        if (note > 127) painter.fillRect(key, kNoKey);
        else if (KeyDown(note)) painter.fillRect(key, kPressedWhite);
        painter.fillRect(i * OneKeyWidth + 1, whiteBottom, OneKeyWidth - 1, kStripHeight,
                         i / 7 == Octave_ ? Qt::red : kStrip);
    }
    painter.setPen(Qt::black);
    for (int i = 0; i <= kWhiteKeys; ++i) painter.drawLine(i * OneKeyWidth, 0, i * OneKeyWidth, kHeight - 1);
    painter.drawLine(0, 0, kWidth - 1, 0);
    painter.drawLine(0, kHeight - 1, kWidth - 1, kHeight - 1);
    painter.drawLine(0, whiteBottom, kWidth - 1, whiteBottom);
    for (int i = 0; i < kWhiteKeys; ++i) {
        const int semitone = kBlackSemitones[size_t(i % 7)];
        if (semitone < 0) continue;
        const int note = i / 7 * 12 + semitone;
        const int centre = (i + 1) * OneKeyWidth;
        const QRect key(centre - kBlackDrawHalf, 0, 2 * kBlackDrawHalf + 1, kBlackHeight);
        painter.fillRect(key, note > 127 ? kNoKey : KeyDown(note) ? kPressedBlack : QColor(Qt::black));
    }
}

void TVekaKeyboard::Press(const QPoint& pos) {
    const TKeyAtPoint key = KeyAt(pos.x(), pos.y());
    if (key.Note == MouseNote_) return;
    Release();
    if (key.Note < 0) return;
    MouseNote_ = key.Note;
    emit OnNoteDown(key.Note, key.Velocity);
}

void TVekaKeyboard::Release() {
    if (MouseNote_ < 0) return;
    MouseNote_ = -1;
    emit OnNoteUp();
}

void TVekaKeyboard::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Press(event->position().toPoint());
}

void TVekaKeyboard::mouseMoveEvent(QMouseEvent* event) {
    // A glissando: another key under the held button releases the one before.
    if (event->buttons() & Qt::LeftButton) Press(event->position().toPoint());
}

void TVekaKeyboard::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Release();
}

}  // namespace veka
