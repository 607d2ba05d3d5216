#pragma once

#include <QObject>
#include <QString>

#include <optional>

namespace platform::ui {
class UserInterface;
}

namespace fonkel {

class frmHaupt;
class modOptionen;

// The main window's number preparation: the number filter, the form in which
// an incoming number is shown and stored, the form in which it is searched,
// and the menu commands and dialogs that set these options. The options live
// in the check marks of the window's menu items and in the option store.
class NumberPreparation : public QObject {
    Q_OBJECT
public:
    NumberPreparation(frmHaupt& window, modOptionen& options, platform::ui::UserInterface& ui,
                      QObject* parent = nullptr);

    // The numbers to ignore, held in memory (start-up copies the option
    // "Nummernfilter" here; the filter dialog changes and saves it).
    QString nummernfilter() const { return m_nummernfilter; }
    void setNummernfilter(const QString& filter) { m_nummernfilter = filter; }

    // The filter entry that equals the number as reported, if any.
    std::optional<QString> IsFilteredNumber(const QString& number) const;

    // The number to show and store: "keine Nummer" when the party text has no
    // "<ADDRESS>", else the number after the plus-and-brackets filter and the
    // prefix mode (add or remove the option "Prefix").
    QString PrepareIncomingNumber(const QString& number, const QString& party) const;

    // A number that preparation reduced to nothing: tells the user and gives
    // "0". Any other number comes back unchanged, without a message.
    QString ReplaceMissingNumber(const QString& number) const;

    // The number to search: without international prefix and country code
    // when a country code was found, and without a leading "0" when
    // "&Suche in ACT! ohne Null" is marked.
    QString SearchNumber(const QString& shown, const QString& countryCode) const;

    // The commands of the menu items.
    void NummernfilterDialog();
    void PraefixDialog();
    void BuildPrefixCaptions();

    // The option "Null" and the two prefix-mode marks: 1 add, -1 remove,
    // 0 neither. Applying any other value leaves both marks as they are.
    void ApplyNullOption(int value);
    int NullOption() const;

private:
    void prefixAddChosen(bool checked);
    void prefixRemoveChosen(bool checked);
    QString prefix() const;

    frmHaupt& m_window;
    modOptionen& m_options;
    platform::ui::UserInterface& m_ui;
    QString m_nummernfilter;
};

} // namespace fonkel
