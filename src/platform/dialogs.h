#pragma once
// What a modal message box looks like and what it answers.

#include <string>

namespace zelvano {

enum class MessageIcon { None, Information, Question, Exclamation };
enum class MessageButtons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

struct MessageRequest {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    Answer defaultAnswer = Answer::Ok;
};

// Titles of messages the program gives no topic of their own.
inline constexpr const char* kApplicationTitle = "Zelvano2004";

}  // namespace zelvano
