#pragma once
// TVekaKeyboard: the on-screen piano of eleven octaves (seven white keys of 12 pixels each, so
// 925 by 62 pixels). The pointer's place gives the note, its height the velocity; the play
// octave is marked red in the strip along the bottom. Keys held anywhere (the pointer, the
// computer keys, a master keyboard) are drawn down.
#include <QWidget>
#include <array>

namespace veka {

struct TKeyAtPoint {
    int Note = -1;      // -1: no key there (or a key above note 127)
    int Velocity = 0;
    bool Black = false;
};

class TVekaKeyboard : public QWidget {
    Q_OBJECT
public:
    static constexpr int OneKeyWidth = 12;
    static constexpr int kOctaves = 11;
    static constexpr int kWhiteKeys = kOctaves * 7;
    static constexpr int kWidth = kWhiteKeys * OneKeyWidth + 1;
    static constexpr int kHeight = 62;
    static constexpr int kBlackHeight = 36;
    static constexpr int kStripHeight = 5;

    // In the upper 36 pixels a black key where there is one, otherwise the white key under x;
    // velocity by height in five steps: 30, 64, 94, 117, 127.
    static TKeyAtPoint KeyAt(int x, int y);
    // The white key's index (0..76) of a white note; -1 for a black one.
    static int WhiteIndexOf(int note);

    explicit TVekaKeyboard(QWidget* parent = nullptr);

    void SetOctave(int octave);
    int Octave() const { return Octave_; }
    // Keys are counted: a key held by two sources stays down until both let go.
    void SetKeyDown(int note, bool down);
    bool KeyDown(int note) const { return note >= 0 && note < 128 && Down_[size_t(note)] > 0; }
    void ReleaseDrawnKeys();
    // Ends the pointer's note as a button release would (the window is hidden under it).
    void CancelPress() { Release(); }

    QSize sizeHint() const override { return QSize(kWidth, kHeight); }

signals:
    // The pointer's note: pressed (or reached by a glissando), and let go.
    void OnNoteDown(int note, int velocity);
    void OnNoteUp();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Press(const QPoint& pos);
    void Release();

    int Octave_ = 5;
    int MouseNote_ = -1;
    std::array<int, 128> Down_{};
};

}  // namespace veka
