#pragma once

#include "tools/actsim/ActDatabase.h"

#include <QObject>

#include <map>
#include <memory>
#include <optional>
#include <tuple>

namespace actsim {

// What the stand-in ACT! has open and shows: the database, the active view,
// the current contact and group, and field values changed through the
// automation (kept in memory only: the tables are never written).
class ActSimState : public QObject {
    Q_OBJECT

public:
    // View types as ACT!'s automation numbers them.
    enum class View { None = 0, Contact = 1, Group = 3 };

    bool openDatabase(const QString& contactTablePath, QString* error);
    void closeDatabase();
    const ActDatabase* database() const { return m_database.get(); }

    View activeView() const { return m_database ? m_view : View::None; }
    void setActiveView(View view);

    // Current rows; -1 when there is none.
    qint64 currentContact() const { return m_contact; }
    qint64 currentGroup() const { return m_group; }
    void stepContact(bool forward);
    void stepGroup(bool forward);

    // Identifiers as ACT! hands them out (12 characters); "" when none.
    QString currentContactId() const;
    QString currentGroupId() const;
    QString currentContactName() const;

    // Shows the contact whose identifier is exactly id; false when there is none.
    bool goToContact(const QString& id);
    // All contacts become the lookup again.
    void lookupAll();
    bool lookupIsAll() const { return m_lookupAll; }

    // A field of the current contact (Contact) or group (Group) by ACT!'s field number.
    std::optional<QString> fieldValue(View view, int fieldId) const;
    bool setFieldValue(View view, int fieldId, const QString& value);
    // A column of the current contact or group with the changes applied.
    QString columnValue(View view, int column) const;

    int currentFieldId() const { return m_fieldId; }
    void setCurrentFieldId(int id) { m_fieldId = id; }

signals:
    void changed();

private:
    const ActTable* table(View view) const;
    qint64 row(View view) const;

    std::unique_ptr<ActDatabase> m_database;
    View m_view = View::Contact;
    qint64 m_contact = -1;
    qint64 m_group = -1;
    bool m_lookupAll = true;
    int m_fieldId = 0;
    // (view, row, column) -> value written through the automation
    std::map<std::tuple<int, qint64, int>, QString> m_changes;
};

} // namespace actsim
