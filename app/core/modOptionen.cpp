#include "modOptionen.h"

#include "platform/settings/SettingsStore.h"

#include <QDir>

#include <array>
#include <cmath>

namespace fonkel {

namespace {

struct OptionKey {
    QStringView name;
    modOptionen::OptionType type;
    QStringView defaultText; // CacheMDB's default is built when it is read
};

using T = modOptionen::OptionType;

// The history template and the descriptor of the history dialog's OK button.
constexpr QStringView kProtokollSendKeys = u"%D|%Datum|%U||%Uhrzeit|%y||{HOME}|%A||%y|{TAB}";
constexpr QStringView kProtokollFensterKennung = u"OK|Button|Protokoll aufzeichnen |#32770";

constexpr std::array kOptions{
    OptionKey{u"TapiDevice", T::Text, u""},
    OptionKey{u"CacheMDB", T::Text, u""},
    OptionKey{u"InternationaleKennung", T::Text, u"00"},
    OptionKey{u"Ausschlussfelder", T::Text, u""},
    OptionKey{u"Nummernfilter", T::Text, u""},
    OptionKey{u"Prefix", T::Text, u"0"},
    OptionKey{u"ProtokollAufruf", T::Text, u"^h"},
    OptionKey{u"ProtokollSendKeys", T::Text, kProtokollSendKeys},
    OptionKey{u"ProtokollFensterKennung", T::Text, kProtokollFensterKennung},
    OptionKey{u"AutoNummern", T::Number, u"1"},
    OptionKey{u"Stellen", T::Number, u"3"},
    OptionKey{u"DialLineAdressMode", T::Number, u"1"},
    OptionKey{u"ProtokollSendKeyIntervall", T::Number, u"150"},
    OptionKey{u"NummernCacheAutomatisch", T::Number, u"1"},
    OptionKey{u"Null", T::Number, u"0"},
    OptionKey{u"AutoTapimonitor", T::Number, u"0"},
    OptionKey{u"NummernCache", T::Number, u"0"},
    OptionKey{u"FensterMin", T::Number, u"0"},
    OptionKey{u"Debug", T::Number, u"0"},
    OptionKey{u"KeineNullBeimSuchen", T::Number, u"0"},
    OptionKey{u"AutostartTimer", T::Number, u"0"},
    OptionKey{u"PlusKlammerFilter", T::Number, u"0"},
    OptionKey{u"WeiterleitungErkennen", T::Number, u"0"},
};

const OptionKey* findOption(const QString& key)
{
    for (const OptionKey& option : kOptions) {
        if (option.name == key) // exact, letter case included
            return &option;
    }
    return nullptr;
}

struct WindowKey {
    QStringView name;
    int defaultValue;
};

constexpr std::array kWindowKeys{
    WindowKey{u"Left", 100},
    WindowKey{u"Top", 100},
    WindowKey{u"Height", 6540},
    WindowKey{u"Width", 7575},
};

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

QString numberText(double value)
{
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15);
}

} // namespace

std::optional<modOptionen::OptionType> modOptionen::optionType(const QString& key)
{
    if (const OptionKey* option = findOption(key))
        return option->type;
    return std::nullopt;
}

QString modOptionen::defaultText(const QString& key) const
{
    if (key == u"CacheMDB")
        return TempFolderPath() + u'/' + u"FONKEL.MDB";
    const OptionKey* option = findOption(key);
    return option ? option->defaultText.toString() : QString();
}

QVariant modOptionen::ReadOption(const QString& key) const
{
    const OptionKey* option = findOption(key);
    if (!option)
        return {};
    const QString text = m_store.value(SectionOptionen, key, defaultText(key));
    if (option->type == OptionType::Text)
        return text;
    return LeadingNumber(text);
}

void modOptionen::WriteOption(const QString& key, const QVariant& value)
{
    const OptionKey* option = findOption(key);
    if (!option)
        return;
    if (option->type == OptionType::Text) {
        m_store.setValue(SectionOptionen, key, value.toString());
        return;
    }
    bool isNumber = false;
    double number = value.toDouble(&isNumber);
    if (!isNumber || value.typeId() == QMetaType::QString)
        number = LeadingNumber(value.toString());
    m_store.setValue(SectionOptionen, key, numberText(number));
}

QString modOptionen::TempFolderPath()
{
    return QDir::tempPath().left(256);
}

double modOptionen::LeadingNumber(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && isAsciiDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && isAsciiDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    // An exponent counts only when digits follow it ("1e" is 1, "1e3" is 1000).
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        if (j < n && isAsciiDigit(text[j])) {
            while (j < n && isAsciiDigit(text[j]))
                ++j;
            i = j;
        }
    }
    bool ok = false;
    const double value = text.mid(start, i - start).toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

int modOptionen::windowDefault(const QString& key)
{
    for (const WindowKey& window : kWindowKeys) {
        if (window.name == key)
            return window.defaultValue;
    }
    return 0;
}

int modOptionen::ReadWindow(const QString& key) const
{
    const int fallback = windowDefault(key);
    if (!m_store.contains(SectionWindow, key))
        return fallback;
    bool ok = false;
    const int value = m_store.value(SectionWindow, key).trimmed().toInt(&ok);
    return ok ? value : fallback;
}

void modOptionen::WriteWindow(const QString& key, int value)
{
    m_store.setValue(SectionWindow, key, QString::number(value));
}

} // namespace fonkel
