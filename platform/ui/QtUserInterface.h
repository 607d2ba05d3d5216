#pragma once

#include "UserInterface.h"

class QWidget;

namespace platform::ui {

// Real dialogs (QMessageBox, QInputDialog) and the system clipboard.
class QtUserInterface final : public UserInterface {
public:
    explicit QtUserInterface(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParentWidget(QWidget* parent) { m_parent = parent; }

    Answer message(const Message& message) override;
    std::optional<QString> input(const InputRequest& request) override;
    QString clipboardText() const override;
    void setClipboardText(const QString& text) override;
    void clearClipboard() override;

private:
    QWidget* m_parent;
};

} // namespace platform::ui
