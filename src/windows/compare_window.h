#pragma once
// TCompareWindow: every parameter in which the image differs from another setup - the power-on
// defaults, the current file as it was saved, another setup file, or the module as it answers
// a data request - with where it lives, its name and both values with their texts. The list
// follows the image as it is edited; a double-click shows the parameter in its editor window;
// against the module, "Send Differences" sends just the listed parameters.
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "document/compare_sources.h"
#include "windows/veka_temp_form.h"
#include "module/setup_diff.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace veka {

class TEdgeFontPanel;

// What the compare window asks of the main window.
class ICompareSources {
public:
    virtual ~ICompareSources() = default;
    virtual TCompareTarget Defaults() = 0;
    virtual TCompareTarget SavedFile() = 0;   // the current file as it stands on disk
    virtual TCompareTarget OtherFile() = 0;   // chosen with the open dialog
    virtual TCompareTarget Module() = 0;      // the selection chosen, then the data request
    // Sends the image's value of each parameter (flat indices); the number of messages.
    // Throws when a port fails.
    virtual int SendDifferences(const std::vector<int>& indices) = 0;
    // Opens the parameter's editor window on its cell.
    virtual void ShowParameter(int port, const TLinkData& link) = 0;
};

class TCompareWindow : public TVekaTempForm {
    Q_OBJECT
public:
    enum TSource : int { csDefaults, csSavedFile, csOtherFile, csModule, csCount };

    TCompareWindow(const TWindowServices& services, ICompareSources& sources, QWidget* parent = nullptr);

    // Fetches the setup of source (a dialog or the request where it needs one) and lists.
    void CompareWith(TSource source);
    TSource Source() const { return Source_; }
    const std::vector<TSetupDifference>& Differences() const { return Differences_; }
    const std::vector<int>& Unread() const { return Unread_; }

    // The window pattern.
    void RefreshFromImage() override;
    void PropagateValue(const TLinkData& link, int value) override;
    void Stabilize() override;

    QTreeWidget* List() const { return List_; }
    QComboBox* SourceBox() const { return cbSource_; }
    QPushButton* CompareButton() const { return CompareBtn_; }
    QPushButton* SendButton() const { return SendBtn_; }
    QString StatusText() const;

    // Handlers.
    void SourceChange(int index);
    void CompareClick();
    void SendClick();
    void ListDoubleClick(QTreeWidgetItem* item);

protected:
    void ImageChanged(const TChangeNotice& change) override;

private:
    void ScheduleList();
    void FillList();
    // The module heard a value the image now holds (an edit is sent as it is made).
    void ModuleHeard(int port, const TLinkData& link, const TOneParameter* record);

    ICompareSources& Sources_;
    TEdgeFontPanel* EdgeFontPanel1_ = nullptr;
    QComboBox* cbSource_ = nullptr;
    QPushButton* CompareBtn_ = nullptr;
    QPushButton* SendBtn_ = nullptr;
    QPushButton* CloseBtn_ = nullptr;
    QTreeWidget* List_ = nullptr;
    QLabel* StatusBar1_ = nullptr;
    QTimer* ListTimer_ = nullptr;
    TSource Source_ = csDefaults;
    std::unique_ptr<TVGS> Other_;
    QString OtherName_;
    std::vector<int> Unread_;
    std::vector<TSetupDifference> Differences_;
    QString Note_;  // what the last command said (sent, failed), kept beside the count
};

}  // namespace veka
