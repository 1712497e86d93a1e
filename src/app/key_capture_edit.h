#pragma once
// TKeyCaptureEdit: a field that takes the key combination pressed in it, as a menu shortcut
// code. A key needs a modifier other than Shift alone: a plain key or Shift with a key is
// taken with Alt instead, as the hot-key fields always did. Backspace alone clears the field.
#include <QLineEdit>

namespace veka {

class TKeyCaptureEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TKeyCaptureEdit(QWidget* parent = nullptr);
    int Code() const { return Code_; }
    void SetCode(int code);

signals:
    void CodeChanged(int code);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    int Code_ = 0;
};

// What the field makes of a key code pressed in it: Alt instead of no modifier or Shift alone.
int CapturedCode(int pressed);

}  // namespace veka
