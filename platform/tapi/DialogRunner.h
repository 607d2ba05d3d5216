#pragma once

#include <functional>

class QDialog;

namespace platform::tapi {

// Shows the service's modal dialogs (dialling locations, line settings). The
// service builds the real dialog and hands it here; the program shows it
// modally, a test fills and accepts the real widgets without blocking.
class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    // Runs the dialog and returns its result (QDialog::Accepted or Rejected).
    virtual int run(QDialog& dialog) = 0;
};

// Shows the dialog with exec(); the event loop runs while it is open.
class ModalDialogRunner final : public DialogRunner {
public:
    int run(QDialog& dialog) override;
};

// Hands the dialog to a script that works its widgets and returns a result;
// without a script every dialog is rejected. Counts the dialogs it was given.
class ScriptedDialogRunner final : public DialogRunner {
public:
    using Script = std::function<int(QDialog&)>;

    void setScript(Script script) { m_script = std::move(script); }
    int dialogsShown() const { return m_shown; }

    int run(QDialog& dialog) override;

private:
    Script m_script;
    int m_shown = 0;
};

} // namespace platform::tapi
