#include "platform/tapi/sim/SimLineSettingsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace platform::tapi::sim {

namespace {

QSpinBox* deviceBox(const QString& objectName, int value, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(objectName);
    box->setRange(-1, 255);
    box->setSpecialValueText(u"keines"_s);
    box->setValue(value);
    return box;
}

} // namespace

SimLineSettingsDialog::SimLineSettingsDialog(SimLineConfig line, QWidget* parent)
    : QDialog(parent), m_line(std::move(line))
{
    setWindowTitle(u"Einstellungen: "_s + m_line.name);

    m_name = new QLineEdit(m_line.name, this);
    m_name->setObjectName(u"nameEdit"_s);
    m_address = new QLineEdit(m_line.addresses.value(0), this);
    m_address->setObjectName(u"addressEdit"_s);
    m_address->setValidator(
        new QRegularExpressionValidator(QRegularExpression(u"[0-9*#]{1,20}"_s), m_address));
    m_acceptToAlert = new QCheckBox(u"Anrufe vor dem Klingeln &annehmen"_s, this);
    m_acceptToAlert->setObjectName(u"acceptToAlertBox"_s);
    m_acceptToAlert->setChecked(m_line.acceptToAlert);
    m_ringInterval = new QSpinBox(this);
    m_ringInterval->setObjectName(u"ringIntervalBox"_s);
    m_ringInterval->setRange(0, 60);
    m_ringInterval->setSuffix(u" s"_s);
    m_ringInterval->setSpecialValueText(u"nur auf Anforderung"_s);
    m_ringInterval->setValue((m_line.ringIntervalMs + 999) / 1000);
    m_waveOut = deviceBox(u"waveOutBox"_s, m_line.waveOut, this);
    m_waveIn = deviceBox(u"waveInBox"_s, m_line.waveIn, this);

    auto* form = new QFormLayout;
    form->addRow(u"&Name der Leitung:"_s, m_name);
    form->addRow(u"&Rufnummer:"_s, m_address);
    form->addRow(QString(), m_acceptToAlert);
    form->addRow(u"Klingel&abstand:"_s, m_ringInterval);
    form->addRow(u"Wiedergabegerät (wave/out):"_s, m_waveOut);
    form->addRow(u"Aufnahmegerät (wave/in):"_s, m_waveIn);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->setObjectName(u"buttonBox"_s);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_buttons);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_name, &QLineEdit::textChanged, this, [this] { updateState(); });
    connect(m_address, &QLineEdit::textChanged, this, [this] { updateState(); });
    updateState();
}

void SimLineSettingsDialog::updateState()
{
    const bool valid = !m_name->text().trimmed().isEmpty() && m_address->hasAcceptableInput();
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(valid);
}

SimLineConfig SimLineSettingsDialog::settings() const
{
    SimLineConfig line = m_line;
    line.name = m_name->text().trimmed();
    if (line.addresses.isEmpty())
        line.addresses.append(QString());
    line.addresses[0] = m_address->text();
    line.acceptToAlert = m_acceptToAlert->isChecked();
    line.ringIntervalMs = m_ringInterval->value() * 1000;
    line.waveOut = m_waveOut->value();
    line.waveIn = m_waveIn->value();
    return line;
}

} // namespace platform::tapi::sim
