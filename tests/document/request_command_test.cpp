// The data request without a window: the module's memory comes into the image as one step, the
// choice is kept for the next time, and a request without an input or cancelled reads nothing.
#include <gtest/gtest.h>

#include "document/document_fixture.h"
#include "document/request_command.h"
#include "image_writer/image_writer.h"

namespace veka {
namespace {

struct TScriptedRequestView : IRequestView {
    bool Input = true;
    std::optional<TDataRequestChoice> Answer;
    std::vector<TDataRequestChoice> Offered;
    int Runs = 0;
    bool EnsureInput() override { return Input; }
    std::optional<TDataRequestChoice> ChooseRequest(const TDataRequestChoice& stored) override {
        Offered.push_back(stored);
        return Answer;
    }
    bool RunRequest(const std::function<void(const std::atomic<bool>& cancel)>& work) override {
        ++Runs;
        const std::atomic<bool> cancel{false};
        work(cancel);
        return true;
    }
};

class RequestCommandTest : public test::TDocumentFixture {
protected:
    TSettings Settings{Dir / "Veka.ini"};
    TSettingsData Data;
    TScriptedRequestView View;

    void SetUp() override {
        test::TDocumentFixture::SetUp();
        TMidiInput& input = Doc->Session().Input;
        input.SetProductName(TVirtualModule::InputName());
        input.Open();
        Clock.Process = [this] { Doc->Session().Process(); };
    }
    bool Run() { return DataRequestCommand(*Doc, Settings, Data, Dir / "DataReq.Log", Prompts, View); }
};

TEST_F(RequestCommandTest, TheModulesValuesComeInAsOneStepAndTheChoiceIsKept) {
    TVGS& image = Doc->Image();
    // The module holds 44 on A5; the image is set back to 100 without telling it.
    image.SetPartValue(0, 5, 44, ppVolume);
    TImageWriter(image).Part(0, 5, ppVolume).Value = 100;
    Timers.Run(0);
    const size_t steps = Doc->UndoHistory().Depth();

    TDataRequestChoice choice;
    choice.Selected[riPartsA] = true;
    choice.WaitMs = 500;
    View.Answer = choice;
    ASSERT_TRUE(Run());
    EXPECT_EQ(image.Part(0, 5, ppVolume).Value, 44);
    EXPECT_EQ(Doc->UndoHistory().Depth(), steps + 1);
    EXPECT_EQ(Doc->UndoHistory().NextUndo()->Name, "Data Request");
    ASSERT_FALSE(Prompts.Informed.empty());  // the report
    EXPECT_EQ(Data.DataReqWait, 500);

    // The next request starts from what was chosen.
    View.Answer.reset();
    EXPECT_FALSE(Run());
    ASSERT_EQ(View.Offered.size(), 2u);
    EXPECT_TRUE(View.Offered[1].Selected[riPartsA]);
    EXPECT_FALSE(View.Offered[1].Selected[riPartsB]);
    EXPECT_EQ(View.Offered[1].WaitMs, 500);
    EXPECT_EQ(View.Runs, 1);

    // Without an input nothing is asked.
    View.Input = false;
    EXPECT_FALSE(Run());
    EXPECT_EQ(View.Offered.size(), 2u);
    EXPECT_TRUE(Prompts.Warnings.empty());
}

}  // namespace
}  // namespace veka
