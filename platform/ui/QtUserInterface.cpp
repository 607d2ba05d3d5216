#include "QtUserInterface.h"

#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QMessageBox>

namespace platform::ui {

namespace {

QMessageBox::Icon toQt(Icon icon)
{
    switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQt(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return QMessageBox::Ok;
    case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    case Buttons::AbortRetryIgnore:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

Answer fromQt(int button)
{
    switch (button) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Retry: return Answer::Retry;
    case QMessageBox::Abort: return Answer::Abort;
    case QMessageBox::Ignore: return Answer::Ignore;
    default: return Answer::Ok;
    }
}

} // namespace

Answer QtUserInterface::message(const Message& message)
{
    QMessageBox box(toQt(message.icon), message.title, message.text, toQt(message.buttons), m_parent);
    if (message.systemModal)
        box.setWindowModality(Qt::ApplicationModal);
    return fromQt(box.exec());
}

std::optional<QString> QtUserInterface::input(const InputRequest& request)
{
    bool ok = false;
    const QString text = QInputDialog::getText(m_parent, request.title, request.prompt,
                                               QLineEdit::Normal, request.defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString QtUserInterface::clipboardText() const
{
    return QApplication::clipboard()->text();
}

void QtUserInterface::setClipboardText(const QString& text)
{
    QApplication::clipboard()->setText(text);
}

void QtUserInterface::clearClipboard()
{
    QApplication::clipboard()->clear();
}

} // namespace platform::ui
