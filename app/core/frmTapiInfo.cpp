#include "frmTapiInfo.h"

#include <QFontDatabase>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace fonkel {

namespace {

QFrame* decorativeLine(const QString& name, QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

frmTapiInfo::frmTapiInfo(const QString& report, QWidget* parent) : QDialog(parent), m_report(report)
{
    setObjectName(QStringLiteral("frmTapiInfo"));
    setWindowTitle(Caption);

    txbInfo = new QPlainTextEdit(this);
    txbInfo->setObjectName(QStringLiteral("txbInfo"));
    txbInfo->setReadOnly(true);
    txbInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The capability lists are indented with tabs: a fixed font keeps them in columns.
    txbInfo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txbInfo->setTabStopDistance(txbInfo->fontMetrics().horizontalAdvance(u' ') * 14);
    // Each capability list ends in a lone carriage return; the text box would
    // show it as an empty line, so only the real line breaks are shown.
    QString shown = report;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.remove(u'\r');
    txbInfo->setPlainText(shown);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    Line1 = decorativeLine(QStringLiteral("Line1"), this);
    Line2 = decorativeLine(QStringLiteral("Line2"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Line1);
    layout->addWidget(txbInfo, 1);
    layout->addWidget(Line2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addStretch();
    layout->addLayout(buttons);
    resize(480, 520);
}

void frmTapiInfo::keyPressEvent(QKeyEvent* event)
{
    // QDialog would close on the press already.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmTapiInfo::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && !event->isAutoRepeat()) {
        event->accept();
        reject();
        return;
    }
    QDialog::keyReleaseEvent(event);
}

} // namespace fonkel
