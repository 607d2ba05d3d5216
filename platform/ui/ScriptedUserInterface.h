#pragma once

#include "UserInterface.h"

#include <QList>
#include <QStringList>

#include <deque>

namespace platform::ui {

// The test double of the UI seam: records every message and input box and
// answers from a script given ahead. Unscripted messages get the first button
// of their set (Ok, Yes, Retry, Abort); unscripted input boxes are cancelled.
class ScriptedUserInterface final : public UserInterface {
public:
    void answerNext(Answer answer) { m_answers.push_back(answer); }
    void inputNext(std::optional<QString> text) { m_inputs.push_back(std::move(text)); }

    const QList<Message>& messages() const { return m_messages; }
    const QList<InputRequest>& inputs() const { return m_inputRequests; }
    void clear();

    Answer message(const Message& message) override;
    std::optional<QString> input(const InputRequest& request) override;
    QString clipboardText() const override { return m_clipboard; }
    void setClipboardText(const QString& text) override;
    void clearClipboard() override;

    // Every text the clipboard held, in order (clearing shows as an empty text).
    const QStringList& clipboardHistory() const { return m_clipboardHistory; }

private:
    std::deque<Answer> m_answers;
    std::deque<std::optional<QString>> m_inputs;
    QList<Message> m_messages;
    QList<InputRequest> m_inputRequests;
    QString m_clipboard;
    QStringList m_clipboardHistory;
};

} // namespace platform::ui
