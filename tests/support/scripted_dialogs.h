#pragma once

#include <deque>
#include <string>
#include <vector>

#include "model/dialogs.h"

namespace tarnex::testing {

/// Dialogs that record every text and answer from a script: Yes/No answers and input box
/// replies are taken in order; when the script runs out, questions get No and input boxes
/// are cancelled.
class ScriptedDialogs : public Dialogs {
  public:
    struct Question {
        std::string text;
        std::string title;
    };
    struct Input {
        std::string prompt;
        std::string title;
        std::string defaultText;
    };

    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string& text, const std::string& title) override {
        questions.push_back({text, title});
        if (yesNoAnswers.empty()) return false;
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override {
        inputs.push_back({prompt, title, defaultText});
        if (inputReplies.empty()) return "";
        std::string reply = inputReplies.front();
        inputReplies.pop_front();
        return reply;
    }
    void Beep() override { ++beeps; }
    /// Answers from `saveAnswers`; when the script runs out the changes are discarded.
    SaveChoice AskSaveChanges(const std::string& text) override {
        saveQuestions.push_back(text);
        if (saveAnswers.empty()) return SaveChoice::Discard;
        const SaveChoice answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }
    void RefreshForm() override { ++refreshes; }
    void SetTooltips() override { ++tooltipCalls; }

    std::deque<bool> yesNoAnswers;
    std::deque<std::string> inputReplies;
    std::deque<SaveChoice> saveAnswers;
    std::vector<std::string> saveQuestions;
    std::vector<std::string> messages;
    std::vector<Question> questions;
    std::vector<Input> inputs;
    int beeps = 0;
    int refreshes = 0;
    int tooltipCalls = 0;
};

}  // namespace tarnex::testing
