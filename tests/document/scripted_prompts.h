#pragma once
// The commands' questions answered from a script, and a frame that records what a command did
// with it: the core's commands run in tests without a window.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "document/user_prompts.h"

namespace veka::test {

struct TScriptedPrompts : IUserPrompts {
    std::deque<std::optional<std::pair<int, int>>> Answers;
    std::vector<std::tuple<TPartCommand, int, int>> Asked;
    std::vector<std::string> Warnings, Informed;
    std::optional<std::pair<int, int>> ChooseParts(TPartCommand command, int port, int currentPart) override {
        Asked.emplace_back(command, port, currentPart);
        if (Answers.empty()) ADD_FAILURE() << "an unexpected question";
        if (Answers.empty()) return std::nullopt;
        auto answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    void Warn(const std::string& text) override { Warnings.push_back(text); }
    void Inform(const std::string& text) override { Informed.push_back(text); }
    std::deque<bool> Confirmations;
    std::vector<std::string> Questions;
    bool Confirm(const std::string& question) override {
        Questions.push_back(question);
        if (Confirmations.empty()) ADD_FAILURE() << "an unexpected question: " << question;
        if (Confirmations.empty()) return false;
        const bool answer = Confirmations.front();
        Confirmations.pop_front();
        return answer;
    }
    std::vector<std::string> WarningQuestions;  // the questions about something gone wrong
    bool ConfirmWarning(const std::string& question) override {
        WarningQuestions.push_back(question);
        return Confirm(question);
    }
    std::deque<TSaveChanges> SaveAnswers;
    TSaveChanges AskSaveChanges(const std::string& question) override {
        Questions.push_back(question);
        if (SaveAnswers.empty()) ADD_FAILURE() << "an unexpected question: " << question;
        if (SaveAnswers.empty()) return TSaveChanges::Cancel;
        const TSaveChanges answer = SaveAnswers.front();
        SaveAnswers.pop_front();
        return answer;
    }
    std::deque<std::optional<int>> Choices;
    std::vector<TSelectRequest> Lists;
    std::optional<int> ChooseFromList(const TSelectRequest& request) override {
        Lists.push_back(request);
        if (Choices.empty()) ADD_FAILURE() << "an unexpected list: " << request.Title;
        if (Choices.empty()) return std::nullopt;
        const std::optional<int> answer = Choices.front();
        Choices.pop_front();
        return answer;
    }
    // Song names, each with the format a write chooses.
    std::deque<std::pair<std::string, int>> SongNames;
    std::vector<TSongRequest> Songs;
    std::string SongFileName(TSongRequest& request) override {
        Songs.push_back(request);
        if (SongNames.empty()) ADD_FAILURE() << "an unexpected song dialog";
        if (SongNames.empty()) return {};
        const auto [name, format] = SongNames.front();
        SongNames.pop_front();
        request.Format = format;
        return name;
    }
    std::deque<std::optional<TOrderList>> Orders;
    std::optional<TOrderList> ComposeOrder() override {
        if (Orders.empty()) ADD_FAILURE() << "an unexpected composition window";
        if (Orders.empty()) return std::nullopt;
        auto answer = Orders.front();
        Orders.pop_front();
        return answer;
    }
    std::deque<std::string> FileNames;
    std::vector<TSaveRequest> Saves;
    std::string SaveFileName(const TSaveRequest& request) override {
        Saves.push_back(request);
        if (FileNames.empty()) ADD_FAILURE() << "an unexpected save dialog";
        if (FileNames.empty()) return {};
        std::string answer = FileNames.front();
        FileNames.pop_front();
        return answer;
    }
};

struct TRecordingFrame : ICommandFrame {
    std::vector<std::string> Log;
    int Reports = 0;
    TProgress Watched{[this](int, int, const std::string&) { ++Reports; }, {}};
    void BeginCommand(const std::string& undoName, const std::string& progressText) override {
        Log.push_back("begin " + undoName + " / " + progressText);
    }
    void EndCommand() override { Log.push_back("end"); }
    const TProgress& Progress() const override { return Watched; }
    void ShowStatus(const std::string& text) override { Log.push_back("status " + text); }
    void Busy(bool busy) override { Log.push_back(busy ? "busy" : "free"); }
    void NoteFileChosen(const std::string& name) override { Log.push_back("chosen " + name); }
    void NoteSetupSaved(const std::string& name) override { Log.push_back("saved " + name); }
};

}  // namespace veka::test
