#pragma once

#include <string>

namespace slyders {

// The modal message boxes of the game. Tests answer them through a scripted stand-in.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A question with Yes and No (confirmation icon); true for Yes.
    virtual bool ask(const std::string& text) = 0;
    // A result or notice with OK (information icon).
    virtual void inform(const std::string& text) = 0;
    // A warning with OK (used by the players dialog).
    virtual void warn(const std::string& text) = 0;
    // A failure with OK (error icon) and a title.
    virtual void error(const std::string& title, const std::string& text) = 0;
};

}  // namespace slyders
