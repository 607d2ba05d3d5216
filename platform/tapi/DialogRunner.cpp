#include "platform/tapi/DialogRunner.h"

#include <QDialog>

namespace platform::tapi {

int ModalDialogRunner::run(QDialog& dialog)
{
    return dialog.exec();
}

int ScriptedDialogRunner::run(QDialog& dialog)
{
    ++m_shown;
    if (!m_script)
        return QDialog::Rejected;
    return m_script(dialog);
}

} // namespace platform::tapi
