#include "ScriptedUserInterface.h"

namespace platform::ui {

namespace {

Answer firstButton(Buttons buttons)
{
    switch (buttons) {
    case Buttons::YesNo:
    case Buttons::YesNoCancel: return Answer::Yes;
    case Buttons::RetryCancel: return Answer::Retry;
    case Buttons::AbortRetryIgnore: return Answer::Abort;
    case Buttons::Ok:
    case Buttons::OkCancel: break;
    }
    return Answer::Ok;
}

} // namespace

void ScriptedUserInterface::clear()
{
    m_answers.clear();
    m_inputs.clear();
    m_messages.clear();
    m_inputRequests.clear();
    m_clipboardHistory.clear();
}

Answer ScriptedUserInterface::message(const Message& message)
{
    m_messages.append(message);
    if (m_answers.empty())
        return firstButton(message.buttons);
    const Answer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedUserInterface::input(const InputRequest& request)
{
    m_inputRequests.append(request);
    if (m_inputs.empty())
        return std::nullopt;
    auto text = m_inputs.front();
    m_inputs.pop_front();
    return text;
}

void ScriptedUserInterface::setClipboardText(const QString& text)
{
    m_clipboard = text;
    m_clipboardHistory.append(text);
}

void ScriptedUserInterface::clearClipboard()
{
    m_clipboard.clear();
    m_clipboardHistory.append(QString());
}

} // namespace platform::ui
