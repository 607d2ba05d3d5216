#include "control/line/LintaroPropertyPages.h"

#include "control/line/Lintaro.h"
#include "control/line/LintaroVersion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

const QList<LintaroPropertyPages::Preset>& LintaroPropertyPages::presets()
{
    static const QList<Preset> list = {
        {u"Telekom Octopus E"_s, 2, 4, 1, 6},     {u"Siemens Hicom"_s, 2, 4, 1, 6},
        {u"Telekom Octophon 340i"_s, 2, 4, 1, 6}, {u"Telekom PX721"_s, 1, 4, 1, 6},
        {u"AVM Fritz Card"_s, 1, 4, 1, 6},        {u"Nitsuko DX500"_s, 1, 4, 1, 6},
        {u"Elmeg CS300"_s, 1, 4, 1, 6},
    };
    return list;
}

LintaroPropertyPages::LintaroPropertyPages(const QList<Lintaro*>& selection, QWidget* parent)
    : QDialog(parent), m_pages(new QTabWidget(this))
{
    setWindowTitle(u"Lintaro"_s);

    auto* about = new QWidget;
    auto* aboutLayout = new QVBoxLayout(about);
    aboutLayout->addWidget(new QLabel(u"Lintaro"_s));
    m_version = new QLabel(lintaroVersion());
    m_version->setObjectName(u"lblVersion"_s);
    aboutLayout->addWidget(m_version);
    aboutLayout->addStretch();
    m_pages->addTab(about, u"Info"_s);

    auto* settings = new QWidget;
    auto* settingsLayout = new QVBoxLayout(settings);
    m_autoPhoneOpen = new QCheckBox(u"autoPhoneOpen"_s);
    m_autoPhoneOpen->setObjectName(u"chkAutoPhoneOpen"_s);
    settingsLayout->addWidget(m_autoPhoneOpen);
    auto* frame = new QGroupBox(u"TSP Standardeinstellungen"_s);
    frame->setToolTip(u"standard TSP settings"_s);
    auto* frameLayout = new QVBoxLayout(frame);
    m_presets = new QComboBox;
    m_presets->setObjectName(u"Combo1"_s);
    frameLayout->addWidget(m_presets);
    settingsLayout->addWidget(frame);
    settingsLayout->addStretch();
    m_pages->addTab(settings, u"Einstellungen/Settings"_s);

    // The list starts without a choice: only a chosen preset is written.
    m_presets->clear();
    for (const Preset& preset : presets())
        m_presets->addItem(preset.name);
    m_presets->setCurrentIndex(-1);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                     QDialogButtonBox::Apply);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(m_buttons);

    connect(m_autoPhoneOpen, &QCheckBox::clicked, this, [this] { setChanged(true); });
    // A chosen preset counts as a change too, or OK would drop it.
    connect(m_presets, &QComboBox::activated, this, [this] { setChanged(true); });
    connect(m_buttons, &QDialogButtonBox::accepted, this, &LintaroPropertyPages::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &LintaroPropertyPages::reject);
    connect(m_buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            &LintaroPropertyPages::applyChanges);

    setSelection(selection);
    setChanged(false);
}

void LintaroPropertyPages::setSelection(const QList<Lintaro*>& selection)
{
    m_selection.clear();
    for (Lintaro* control : selection)
        m_selection.append(control);
    if (!m_selection.isEmpty() && m_selection.first())
        m_autoPhoneOpen->setChecked(m_selection.first()->autoPhoneOpen());
}

void LintaroPropertyPages::setChanged(bool changed)
{
    m_changed = changed;
    m_buttons->button(QDialogButtonBox::Apply)->setEnabled(changed);
}

void LintaroPropertyPages::applyChanges()
{
    if (m_selection.isEmpty() || !m_selection.first())
        return;
    Lintaro* control = m_selection.first();
    control->setAutoPhoneOpen(m_autoPhoneOpen->isChecked());
    const int index = m_presets->currentIndex();
    if (index >= 0 && index < presets().size()) {
        const Preset& preset = presets().at(index);
        control->setTAPI_LINEADDRESSMODE(preset.addressMode);
        control->setTAPI_LINEMEDIAMODE(preset.mediaMode);
        control->setTAPI_LINEBEARERMODE(preset.bearerMode);
        control->setTAPI_LINECALLPRIVILEGE(preset.callPrivilege);
    }
    setChanged(false);
}

void LintaroPropertyPages::accept()
{
    if (m_changed)
        applyChanges();
    QDialog::accept();
}
