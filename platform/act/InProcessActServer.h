#pragma once

#include "platform/act/Automation.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>

namespace platform::act {

// The test double of ACT!'s automation server, in process. Tests set its
// state, and read back every call made (object, member, arguments) and how
// many references the client still holds. Members check their argument types
// as the real server's signatures do (16-bit "Create"/"GetVersion", 32-bit
// "Command"/"setfield"/"getfield", boolean "Show", text "GoTo").
class InProcessActServer final : public AutomationConnector {
public:
    struct Call {
        QString object; // "application", "views", "view 1", "view 3", ...
        QString member;
        QVariantList args;
    };

    // The state the server answers from.
    bool running = true; // false: the object cannot be created
    QString databaseName;
    std::optional<AutomationError> databaseNameError; // "GetOpenDBName" fails with it
    QString version = QStringLiteral("3.0");
    int activeViewType = 1; // 0: no active view
    // The next this many requests for a view ("GetActive", "Create") give none.
    int viewsUnavailable = 0;
    QStringList contactIds;   // identifiers "GoTo" knows, as the server spells them
    QString currentContactId; // of the contact view
    qint32 currentFieldId = 0;
    qint32 commandResult = 1;
    bool shown = false;
    std::map<std::pair<int, qint32>, QString> fields; // (view type, field id) -> value

    // Runs after every call was recorded (a test may change the state here).
    std::function<void(const Call&)> onCall;

    AutomationRef create(const QString& progId) override;

    const QList<Call>& calls() const { return m_calls; }
    QStringList members() const; // the members called, in order
    void clearCalls() { m_calls.clear(); }
    int creations() const { return m_creations; }
    // Server objects the client still holds references to.
    int liveReferences() const { return *m_live; }

private:
    class Object;
    friend class Object;
    AutomationValue handle(const QString& object, int viewType, const QString& member,
                           const QVariantList& args);
    AutomationRef makeObject(const QString& name, int viewType);
    AutomationRef requestView(int type);

    QList<Call> m_calls;
    int m_creations = 0;
    std::shared_ptr<int> m_live = std::make_shared<int>(0);
};

} // namespace platform::act
