#pragma once

#include <QString>

#include <exception>

// An error that the ACT! database classes leave to their caller (reading the
// field definitions, SucheMaxWert): a number and a description, as the
// caller's message shows them. The numbers are the runtime error numbers
// these failures have always had.
class ActDbError : public std::exception {
public:
    static constexpr int SubscriptOutOfRange = 9;
    static constexpr int TypeMismatch = 13;
    static constexpr int FileNotFound = 53;
    static constexpr int FileAccess = 75;
    static constexpr int Overflow = 6;

    ActDbError(int number, QString description)
        : m_number(number), m_description(std::move(description)),
          m_what(QStringLiteral("%1: %2").arg(number).arg(m_description).toUtf8())
    {
    }

    int number() const noexcept { return m_number; }
    const QString& description() const noexcept { return m_description; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    int m_number;
    QString m_description;
    QByteArray m_what;
};
