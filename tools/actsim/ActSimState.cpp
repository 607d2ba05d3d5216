#include "tools/actsim/ActSimState.h"

namespace actsim {

bool ActSimState::openDatabase(const QString& contactTablePath, QString* error)
{
    auto database = std::make_unique<ActDatabase>();
    if (!database->open(contactTablePath, error))
        return false;
    m_database = std::move(database);
    m_changes.clear();
    m_contact = m_database->contacts().liveRow(0, true);
    m_group = m_database->groups().liveRow(0, true);
    m_lookupAll = true;
    const int nameColumn = m_database->contacts().columnOf(QStringLiteral("NAME"));
    m_fieldId = 0;
    for (const ActFieldInfo& field : m_database->contacts().fields()) {
        if (field.column == nameColumn)
            m_fieldId = field.actId;
    }
    emit changed();
    return true;
}

void ActSimState::closeDatabase()
{
    m_database.reset();
    m_changes.clear();
    m_contact = -1;
    m_group = -1;
    emit changed();
}

void ActSimState::setActiveView(View view)
{
    m_view = view;
    emit changed();
}

void ActSimState::stepContact(bool forward)
{
    if (!m_database || m_contact < 0)
        return;
    const qint64 next = m_database->contacts().liveRow(m_contact + (forward ? 1 : -1), forward);
    if (next >= 0) {
        m_contact = next;
        emit changed();
    }
}

void ActSimState::stepGroup(bool forward)
{
    if (!m_database || m_group < 0)
        return;
    const qint64 next = m_database->groups().liveRow(m_group + (forward ? 1 : -1), forward);
    if (next >= 0) {
        m_group = next;
        emit changed();
    }
}

QString ActSimState::currentContactId() const
{
    return m_database && m_contact >= 0 ? m_database->contacts().id(m_contact) : QString();
}

QString ActSimState::currentGroupId() const
{
    return m_database && m_group >= 0 ? m_database->groups().id(m_group) : QString();
}

QString ActSimState::currentContactName() const
{
    if (!m_database || m_contact < 0)
        return QString();
    return columnValue(View::Contact, m_database->contacts().columnOf(QStringLiteral("NAME")));
}

bool ActSimState::goToContact(const QString& id)
{
    if (!m_database)
        return false;
    const qint64 found = m_database->contacts().find(id);
    if (found < 0)
        return false;
    m_contact = found;
    emit changed();
    return true;
}

void ActSimState::lookupAll()
{
    m_lookupAll = true;
    emit changed();
}

const ActTable* ActSimState::table(View view) const
{
    if (!m_database)
        return nullptr;
    if (view == View::Contact)
        return &m_database->contacts();
    if (view == View::Group)
        return &m_database->groups();
    return nullptr;
}

qint64 ActSimState::row(View view) const
{
    return view == View::Contact ? m_contact : view == View::Group ? m_group : -1;
}

QString ActSimState::columnValue(View view, int column) const
{
    const ActTable* t = table(view);
    const qint64 r = row(view);
    if (!t || r < 0 || column < 0)
        return QString();
    const auto changed = m_changes.find({int(view), r, column});
    return changed != m_changes.end() ? changed->second : t->text(r, column);
}

std::optional<QString> ActSimState::fieldValue(View view, int fieldId) const
{
    const ActTable* t = table(view);
    if (!t || row(view) < 0)
        return std::nullopt;
    const int column = t->columnForField(fieldId);
    if (column < 0)
        return std::nullopt;
    return columnValue(view, column);
}

bool ActSimState::setFieldValue(View view, int fieldId, const QString& value)
{
    const ActTable* t = table(view);
    const qint64 r = row(view);
    if (!t || r < 0)
        return false;
    const int column = t->columnForField(fieldId);
    if (column < 0)
        return false;
    m_changes[{int(view), r, column}] = value;
    emit changed();
    return true;
}

} // namespace actsim
