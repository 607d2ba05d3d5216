#pragma once

#include "control/lintaro_export.h"

#include <QString>

// Bits of debugLevel (debugMask) and the log entries they select.
namespace LogBit {
inline constexpr int LineCallback = 0x01;  // "1", "1A" ... "1F"
inline constexpr int PhoneCallback = 0x02; // "2"
inline constexpr int CallState = 0x04;     // "14A" ... "14P"
inline constexpr int CallInfo = 0x08;      // "8", "8A" ... "8I"
inline constexpr int LineInit = 0x10;      // "11A" ... "11F"
inline constexpr int LineOpen = 0x20;      // "12A" ... "12F"
inline constexpr int LineDrop = 0x40;      // "9A", "9B"
inline constexpr int LineClose = 0x80;     // "10A" ... "10C"
inline constexpr int Deallocate = 0x100;   // "13A"
inline constexpr int Messages = 0x200;     // "TAPIMESSAGE"
} // namespace LogBit

// One value of a log entry as text: numbers in decimal, booleans "True" or
// "False".
class LINTARO_TESTS_EXPORT LogValue {
public:
    LogValue(const QString& text) : m_text(text) {}
    LogValue(const char* text) : m_text(QString::fromLatin1(text)) {}
    LogValue(bool value) : m_text(value ? QStringLiteral("True") : QStringLiteral("False")) {}
    LogValue(int value) : m_text(QString::number(value)) {}
    LogValue(unsigned int value) : m_text(QString::number(value)) {}
    LogValue(long value) : m_text(QString::number(value)) {}
    LogValue(unsigned long value) : m_text(QString::number(value)) {}
    LogValue(long long value) : m_text(QString::number(value)) {}
    LogValue(unsigned long long value) : m_text(QString::number(value)) {}

    const QString& text() const { return m_text; }

private:
    QString m_text;
};

// The diagnostic log "status.log": one line per entry, "time;code;A;B", the
// time of day in the system's time format, each line followed by an empty
// line (CR LF line ends). The file is opened for appending and closed again
// for every entry, so nothing is buffered and the host may read or delete it
// at any time.
class LINTARO_TESTS_EXPORT StatusLog {
public:
    // directory: where the file lies; empty means the folder of the control's
    // own library file.
    explicit StatusLog(const QString& directory = QString());

    QString filePath() const { return m_path; }
    // Appends one entry; false if the file cannot be opened or written.
    bool append(const QString& code, const LogValue& a, const LogValue& b) const;

    // The folder of the library file that holds the control.
    static QString libraryDirectory();
    // The entry's text, with its line ends.
    static QString formatEntry(const QString& time, const QString& code, const LogValue& a,
                               const LogValue& b);
    // The local time of day in the system's time format.
    static QString timeOfDay();

private:
    QString m_path;
};
