#pragma once
// TMasterWindow: the four master parameters of the module (system parameters 1 to 4: tune,
// volume, key shift, pan) in one small grid. Master Tune is shown centred on zero (stored
// 24..2024, shown -1000..1000). Every edit goes to the module at once as one data set.
#include "windows/veka_temp_form.h"

class QLabel;
class QPushButton;

namespace veka {

class TVekaGrid;
struct TOneCell;

class TMasterWindow : public TVekaTempForm {
    Q_OBJECT
public:
    static constexpr int kRows = 5;        // the heading and the four parameters
    static constexpr int kTuneShift = 1024;

    explicit TMasterWindow(const TWindowServices& services, QWidget* parent = nullptr);

    // The window pattern.
    void RefreshFromImage() override;
    void PropagateValue(const TLinkData& link, int value) override;
    bool ShowParameter(int port, const TLinkData& link) override;

    TVekaGrid* Grid() const { return VekaGrid1_; }
    QPushButton* CloseButton() const { return CancelBtn_; }
    QString StatusText() const;

    // Handlers.
    void VekaGrid1Click();
    void VekaGrid1CellChange(int col, int row, const TOneCell& cell);
    void VekaGrid1PutLink(const TOneCell& cell);
    void CancelBtnClick();

protected:
    void ImageChanged(const TChangeNotice& change) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The grid in its font and the window as large as its content.
    void FitToFont();
    static int Shift(int number) { return number == 1 ? kTuneShift : 0; }
    void FillCell(int row);

    TVekaGrid* VekaGrid1_ = nullptr;
    QPushButton* CancelBtn_ = nullptr;
    QLabel* StatusBar1_ = nullptr;
};

}  // namespace veka
