// A message to the player as data: the UI shows it in a message box with the program's title.
#pragma once

#include <string>

enum class MessageIcon { None, Information, Error, Question };
enum class MessageButtons { Ok, YesNoDefaultNo };

struct Message {
    std::string text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    bool operator==(const Message&) const = default;
};

inline Message InformationMessage(std::string text) {
    return {std::move(text), MessageIcon::Information};
}
inline Message ErrorMessage(std::string text) {
    return {std::move(text), MessageIcon::Error};
}
// The overwrite questions: "No" is the default button.
inline Message OverwriteQuestion() {
    return {"File exist. Overwrite?", MessageIcon::Question, MessageButtons::YesNoDefaultNo};
}
