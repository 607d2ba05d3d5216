#include "frmProtokoll.h"

#include "Twips.h"
#include "platform/ui/LocaleDateTime.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

namespace fonkel {

using twips::fromPixels;
using twips::toPixels;

namespace {

// Design-time positions and sizes (twips).
constexpr int TextLeft = 120;
constexpr int TextTop = 120;
constexpr int ButtonWidth = 1215;
constexpr int ButtonHeight = 375;

// The log grows until "&Löschen"; past this many lines the oldest go, so a
// log left on for weeks cannot eat the memory.
constexpr int MaximumLines = 100000;

QString oneLine(QString values)
{
    values.replace(QStringLiteral("\r\n"), QStringLiteral(", "));
    // A lone CR or LF (a caller name may carry one) must not split the line either.
    values.replace(u'\r', QStringLiteral(", "));
    values.replace(u'\n', QStringLiteral(", "));
    return values;
}

} // namespace

frmProtokoll::frmProtokoll(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmProtokoll"));
    setWindowTitle(Caption);

    txbProtokoll = new QPlainTextEdit(this);
    txbProtokoll->setObjectName(QStringLiteral("txbProtokoll"));
    txbProtokoll->setReadOnly(true);
    txbProtokoll->setLineWrapMode(QPlainTextEdit::NoWrap);
    txbProtokoll->setMaximumBlockCount(MaximumLines);

    cmdReset = new QPushButton(QStringLiteral("&Löschen"), this);
    cmdReset->setObjectName(QStringLiteral("cmdReset"));
    cmdClose = new QPushButton(QStringLiteral("&Beenden"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdReset, &QPushButton::clicked, txbProtokoll, &QPlainTextEdit::clear);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    cmdReset->resize(toPixels(ButtonWidth), toPixels(ButtonHeight));
    cmdClose->resize(toPixels(ButtonWidth), toPixels(ButtonHeight));
    txbProtokoll->move(toPixels(TextLeft), toPixels(TextTop));
    setMinimumSize(toPixels(MinimumWidth), toPixels(MinimumHeight));
    resize(toPixels(MinimumWidth), toPixels(MinimumHeight));
    layoutControls();
}

void frmProtokoll::PrintProtokoll(const QString& event, const QString& values)
{
    // Date and time are read each on its own, as the log always did.
    const QString line = platform::ui::LocaleDateTime::shortDate(QDate::currentDate()) + u' ' +
                         platform::ui::LocaleDateTime::longTime(QTime::currentTime()) +
                         QStringLiteral(" Event: ") + event + QStringLiteral(" Values: ") +
                         oneLine(values);
    // Every line begins with a line break, the first one included: the box
    // starts with an empty line.
    QScrollBar* scroll = txbProtokoll->verticalScrollBar();
    const bool atEnd = scroll->value() == scroll->maximum();
    if (txbProtokoll->document()->isEmpty())
        txbProtokoll->setPlainText(QStringLiteral("\n") + line);
    else
        txbProtokoll->appendPlainText(line);
    if (atEnd)
        scroll->setValue(scroll->maximum());
}

QString frmProtokoll::text() const
{
    QString text = txbProtokoll->toPlainText();
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

void frmProtokoll::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutControls();
}

void frmProtokoll::layoutControls()
{
    const int minimumWidth = toPixels(MinimumWidth);
    const int minimumHeight = toPixels(MinimumHeight);
    if (width() < minimumWidth || height() < minimumHeight) {
        // The resize comes back here with the corrected size.
        resize(std::max(width(), minimumWidth), std::max(height(), minimumHeight));
        return;
    }
    const int innerWidth = fromPixels(width());
    const int innerHeight = fromPixels(height());
    const int left = fromPixels(txbProtokoll->x());
    const int top = fromPixels(txbProtokoll->y());
    const int buttonWidth = fromPixels(cmdReset->width());
    const int buttonHeight = fromPixels(cmdReset->height());

    // Equal margins left and right; the buttons on one line at the bottom,
    // "&Löschen" ending at a third of the width, "&Beenden" starting at two.
    txbProtokoll->resize(std::max(0, toPixels(innerWidth - 2 * left)),
                         std::max(0, toPixels(innerHeight - buttonHeight - 3 * top)));
    const int buttonTop = innerHeight - buttonHeight - top;
    cmdReset->move(toPixels(innerWidth / 3 - buttonWidth), toPixels(buttonTop));
    cmdClose->move(toPixels(2 * innerWidth / 3), toPixels(buttonTop));
}

void frmProtokoll::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

} // namespace fonkel
