#pragma once

#include <QString>

#include <optional>

namespace platform::ui {

// The icon a message shows (the standard message box icons).
enum class Icon { None, Information, Warning, Critical, Question };

// The button sets a message can offer.
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };

// The button the user pressed.
enum class Answer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

struct Message {
    QString text;
    QString title;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    bool systemModal = false;
};

struct InputRequest {
    QString prompt;
    QString title;
    QString defaultText;
};

// Every message box, question, input box and clipboard access of the programs
// goes through this seam, so that tests answer dialogs ahead instead of
// blocking on a modal window.
class UserInterface {
public:
    virtual ~UserInterface() = default;

    // Shows a message and returns the button pressed.
    virtual Answer message(const Message& message) = 0;

    // Asks for a line of text; std::nullopt when the user cancels.
    virtual std::optional<QString> input(const InputRequest& request) = 0;

    virtual QString clipboardText() const = 0;
    virtual void setClipboardText(const QString& text) = 0;
    virtual void clearClipboard() = 0;

    // Convenience for the common one-button message.
    void inform(const QString& text, const QString& title, Icon icon = Icon::None)
    {
        message({text, title, icon, Buttons::Ok, false});
    }
    // Convenience for the Yes/No question; true on Yes.
    bool ask(const QString& text, const QString& title, Icon icon = Icon::Question)
    {
        return message({text, title, icon, Buttons::YesNo, false}) == Answer::Yes;
    }
};

} // namespace platform::ui
