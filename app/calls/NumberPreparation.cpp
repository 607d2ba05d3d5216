#include "NumberPreparation.h"

#include "NumberFilters.h"

#include "app/core/frmHaupt.h"
#include "app/core/modOptionen.h"
#include "platform/ui/UserInterface.h"

#include <QAction>

namespace fonkel {

namespace {
const QString Fonkel = QStringLiteral("Fonkel");
const QString CrLf = QStringLiteral("\r\n");
} // namespace

NumberPreparation::NumberPreparation(frmHaupt& window, modOptionen& options,
                                     platform::ui::UserInterface& ui, QObject* parent)
    : QObject(parent), m_window(window), m_options(options), m_ui(ui)
{
    connect(window.mnuNummernfilter, &QAction::triggered, this,
            &NumberPreparation::NummernfilterDialog);
    connect(window.mnuTapiNullAendern, &QAction::triggered, this,
            &NumberPreparation::PraefixDialog);
    connect(window.mnuTapiNull, &QAction::triggered, this, &NumberPreparation::prefixAddChosen);
    connect(window.mnuTAPINullEntfernen, &QAction::triggered, this,
            &NumberPreparation::prefixRemoveChosen);
}

QString NumberPreparation::prefix() const
{
    return m_options.ReadOption(QStringLiteral("Prefix")).toString();
}

std::optional<QString> NumberPreparation::IsFilteredNumber(const QString& number) const
{
    if (m_nummernfilter.isEmpty() || number.isEmpty())
        return std::nullopt;
    for (const QString& entry : m_nummernfilter.split(u',')) {
        if (entry == number)
            return entry;
    }
    return std::nullopt;
}

QString NumberPreparation::PrepareIncomingNumber(const QString& number, const QString& party) const
{
    if (!party.contains(QStringLiteral("<ADDRESS>")))
        return QStringLiteral("keine Nummer");
    QString result = number;
    if (m_window.mnuTAPIPlusKlammerFilter->isChecked())
        result = FilterPlusAndBrackets(result);
    const bool add = m_window.mnuTapiNull->isChecked();
    const bool remove = m_window.mnuTAPINullEntfernen->isChecked();
    if (add && !remove)
        result = prefix() + result;
    if (remove && !add) {
        result = TrimBlanks(result);
        const QString p = prefix();
        if (!p.isEmpty() && result.startsWith(p))
            result.remove(0, p.size());
    }
    return result;
}

QString NumberPreparation::ReplaceMissingNumber(const QString& number) const
{
    if (!number.isEmpty())
        return number;
    m_ui.inform(QStringLiteral("Ihr Tapi-Treiber meldet einen Anruf mit Telefonnummer,") + CrLf +
                    QStringLiteral("jedoch wurde keine Nummer an Fonkel übergeben.") + CrLf +
                    QStringLiteral("Die Nummer wird auf '0' gesetzt."),
                Fonkel, platform::ui::Icon::Information);
    return QStringLiteral("0");
}

QString NumberPreparation::SearchNumber(const QString& shown, const QString& countryCode) const
{
    QString result = shown;
    if (!countryCode.isEmpty()) {
        const QString kennung =
            m_options.ReadOption(QStringLiteral("InternationaleKennung")).toString();
        result.remove(0, kennung.size() + countryCode.size());
    }
    if (m_window.mnuKeineNullBeimSuchen->isChecked() && result.startsWith(u'0'))
        result.remove(0, 1);
    return result;
}

void NumberPreparation::NummernfilterDialog()
{
    const QString answer =
        m_ui.input({QStringLiteral("Bitte geben Sie die Nummer(n) ein, auf die Fonkel nicht "
                                   "reagieren soll."),
                    QStringLiteral("Fonkel - Nummernfilter"), m_nummernfilter})
            .value_or(QString());
    if (answer.isEmpty()) {
        if (!m_nummernfilter.isEmpty() &&
            !m_ui.ask(QStringLiteral("Wollen Sie den Nummernfilter wirklich löschen?"), Fonkel))
            return;
        m_nummernfilter.clear();
    } else {
        m_nummernfilter = CleanNumberFilter(answer);
    }
    m_options.WriteOption(QStringLiteral("Nummernfilter"), m_nummernfilter);
}

void NumberPreparation::PraefixDialog()
{
    const QString current = prefix();
    const QString answer = m_ui.input({QStringLiteral("Bitte geben Sie das Präfix ein."),
                                       QStringLiteral("Fonkel - Präfix"), current})
                               .value_or(QString());
    if (answer.isEmpty() || answer == current)
        return;
    m_options.WriteOption(QStringLiteral("Prefix"), answer);
    BuildPrefixCaptions();
}

void NumberPreparation::BuildPrefixCaptions()
{
    const QString p = prefix();
    m_window.mnuTapiNullAendern->setText(u"Präfix (" + p + u") än&dern");
    m_window.mnuTapiNull->setText(u"Präfix (" + p + u") hin&zufügen");
    m_window.mnuTAPINullEntfernen->setText(u"Präfix (" + p + u") ent&fernen");
}

void NumberPreparation::prefixAddChosen(bool checked)
{
    // The item has reversed its own mark; at most one of the two stays marked.
    if (checked)
        m_window.mnuTAPINullEntfernen->setChecked(false);
}

void NumberPreparation::prefixRemoveChosen(bool checked)
{
    if (checked)
        m_window.mnuTapiNull->setChecked(false);
}

void NumberPreparation::ApplyNullOption(int value)
{
    switch (value) {
    case 0:
        m_window.mnuTapiNull->setChecked(false);
        m_window.mnuTAPINullEntfernen->setChecked(false);
        break;
    case 1:
        m_window.mnuTapiNull->setChecked(true);
        m_window.mnuTAPINullEntfernen->setChecked(false);
        break;
    case -1:
        m_window.mnuTapiNull->setChecked(false);
        m_window.mnuTAPINullEntfernen->setChecked(true);
        break;
    default:
        break;
    }
}

int NumberPreparation::NullOption() const
{
    if (m_window.mnuTAPINullEntfernen->isChecked())
        return -1;
    return m_window.mnuTapiNull->isChecked() ? 1 : 0;
}

} // namespace fonkel
