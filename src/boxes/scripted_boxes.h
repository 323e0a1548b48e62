#pragma once

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "boxes/message_boxes.h"

namespace slyders::test {

// Answers the game's message boxes from a script and keeps every text; a test may also look
// at the windows while a box is "open".
class ScriptedBoxes final : public MessageBoxes {
public:
    bool ask(const std::string& text) override {
        show(text);
        asked.push_back(text);
        if (answers.empty()) return answer;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void inform(const std::string& text) override { show(text), informed.push_back(text); }
    void warn(const std::string& text) override { show(text), informed.push_back(text); }
    void error(const std::string& title, const std::string& text) override {
        show(text);
        informed.push_back(text);
        errors.emplace_back(title, text);
    }

    std::deque<bool> answers;  // the next answers to questions ...
    bool answer = true;        // ... and the answer once they run out
    std::function<void()> whileOpen;

    std::vector<std::string> shown;                           // every text, in order
    std::vector<std::string> asked;                           // the questions
    std::vector<std::string> informed;                        // results, warnings and errors
    std::vector<std::pair<std::string, std::string>> errors;  // title and text

private:
    void show(const std::string& text) {
        shown.push_back(text);
        if (whileOpen) whileOpen();
    }
};

}  // namespace slyders::test
