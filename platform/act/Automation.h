#pragma once

#include <QString>
#include <QVariant>

#include <memory>
#include <stdexcept>

namespace platform::act {

// A failed call of an automation member: the error number and text the
// server (or the way to it) reported.
class AutomationError : public std::runtime_error {
public:
    AutomationError(long number, const QString& description)
        : std::runtime_error(description.toStdString()), m_number(number),
          m_description(description)
    {
    }
    long number() const { return m_number; }
    const QString& description() const { return m_description; }

private:
    long m_number;
    QString m_description;
};

// The error numbers an automation client reports for the ways a call can fail.
namespace automation_error {
inline constexpr long badArgument = 5;         // invalid procedure call or argument
inline constexpr long noSuchMember = 438;      // the object has no such member
inline constexpr long automationFailed = 440;  // the server reported a failure
inline constexpr long serverUnavailable = 462; // the server is gone or does not answer
} // namespace automation_error

class AutomationObject;
using AutomationRef = std::shared_ptr<AutomationObject>;

// What a member returns: nothing, a value (text, number, boolean) or an object.
struct AutomationValue {
    QVariant value;
    AutomationRef object;
};

// One reference to an object of the automation server. Members are called by
// name, late bound, with arguments in the order given; the argument types
// matter (qint16 for 16-bit integers, qint32 for 32-bit ones, bool, QString).
// Dropping the last reference releases the object.
class AutomationObject {
public:
    virtual ~AutomationObject() = default;
    // Throws AutomationError when the call fails.
    virtual AutomationValue call(const QString& member, const QVariantList& args = {}) = 0;
};

// Creates automation objects by their programmatic identifier.
class AutomationConnector {
public:
    virtual ~AutomationConnector() = default;
    // The new object, or nullptr when the server cannot be reached.
    virtual AutomationRef create(const QString& progId) = 0;
};

} // namespace platform::act
