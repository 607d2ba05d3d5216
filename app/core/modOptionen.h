#pragma once

#include <QString>
#include <QVariant>

#include <optional>

namespace platform::settings {
class SettingsStore;
}

namespace fonkel {

// The only gate to the program's options (group "Optionen") and to the main
// window's geometry (group "Window"). Every option key has a type and a
// default, so a key that was never written still reads as a sensible value.
class modOptionen {
public:
    enum class OptionType { Text, Number };

    static inline const QString ApplicationName = QStringLiteral("Fonkel");
    static inline const QString SectionOptionen = QStringLiteral("Optionen");
    static inline const QString SectionWindow = QStringLiteral("Window");

    explicit modOptionen(platform::settings::SettingsStore& store) : m_store(store) {}

    // A QString for text keys, a double for number keys, an invalid QVariant
    // for a key that is not an option (exact case); the store is not asked then.
    QVariant ReadOption(const QString& key) const;

    // Number keys store the decimal text of the value, text keys its text;
    // unknown keys are ignored.
    void WriteOption(const QString& key, const QVariant& value);

    // The user's temporary folder (at most 256 characters).
    static QString TempFolderPath();

    static std::optional<OptionType> optionType(const QString& key);

    // The numeric value of the leading decimal number of a text (blanks before
    // it and a sign allowed); 0 when the text does not begin with a number.
    static double LeadingNumber(const QString& text);

    // Geometry keys of the main window ("Left", "Top", "Height", "Width") in
    // twips. A missing key or one whose text is not a whole number reads as
    // its default.
    int ReadWindow(const QString& key) const;
    void WriteWindow(const QString& key, int value);
    static int windowDefault(const QString& key);

private:
    QString defaultText(const QString& key) const;

    platform::settings::SettingsStore& m_store;
};

} // namespace fonkel
