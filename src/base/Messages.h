#pragma once

#include <QString>
#include <functional>

// Every message box of the program goes through show(), so that tests can
// answer them all through one responder.
namespace Messages {

enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

struct Call
{
    QString text;
    QString title;
    Buttons buttons;
};
using Responder = std::function<Answer(const Call &)>;

// A modal box with no icon; Yes/No questions default to Yes.
Answer show(const QString &text, const QString &title, Buttons buttons = Buttons::Ok);
void setResponder(Responder responder); // empty: real message boxes

} // namespace Messages
