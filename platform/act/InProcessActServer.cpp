#include "platform/act/InProcessActServer.h"

#include "platform/act/ActBus.h"

namespace platform::act {

namespace {

void expectTypes(const QString& member, const QVariantList& args,
                 std::initializer_list<QMetaType::Type> types)
{
    bool ok = args.size() == qsizetype(types.size());
    qsizetype i = 0;
    for (QMetaType::Type type : types) {
        ok = ok && args.at(i).metaType().id() == type;
        ++i;
    }
    if (!ok)
        throw AutomationError(automation_error::badArgument,
                              QStringLiteral("Invalid arguments for ") + member);
}

} // namespace

class InProcessActServer::Object final : public AutomationObject {
public:
    Object(InProcessActServer* server, QString name, int viewType)
        : m_server(server), m_live(server->m_live), m_name(std::move(name)), m_viewType(viewType)
    {
        ++*m_live;
    }
    ~Object() override { --*m_live; }

    AutomationValue call(const QString& member, const QVariantList& args) override
    {
        return m_server->handle(m_name, m_viewType, member, args);
    }

private:
    InProcessActServer* m_server;
    std::shared_ptr<int> m_live;
    QString m_name;
    int m_viewType;
};

AutomationRef InProcessActServer::create(const QString& progId)
{
    if (!running || progId != bus::serviceName)
        return nullptr;
    ++m_creations;
    return makeObject(QStringLiteral("application"), 0);
}

QStringList InProcessActServer::members() const
{
    QStringList out;
    for (const Call& call : m_calls)
        out << call.member;
    return out;
}

AutomationRef InProcessActServer::makeObject(const QString& name, int viewType)
{
    return std::make_shared<Object>(this, name, viewType);
}

AutomationRef InProcessActServer::requestView(int type)
{
    if (viewsUnavailable > 0) {
        --viewsUnavailable;
        return nullptr;
    }
    if (type != bus::contactView && type != bus::groupView && type != 2)
        return nullptr;
    return makeObject(QStringLiteral("view %1").arg(type), type);
}

AutomationValue InProcessActServer::handle(const QString& object, int viewType,
                                           const QString& member, const QVariantList& args)
{
    m_calls.append({object, member, args});
    if (onCall)
        onCall(m_calls.last());

    if (object == QLatin1String("application")) {
        if (member == QLatin1String("GetOpenDBName")) {
            expectTypes(member, args, {});
            if (databaseNameError)
                throw *databaseNameError;
            return {databaseName, nullptr};
        }
        if (member == QLatin1String("GetVersion")) {
            expectTypes(member, args, {QMetaType::Short});
            return {version, nullptr};
        }
        if (member == QLatin1String("Command")) {
            expectTypes(member, args, {QMetaType::Int});
            return {commandResult, nullptr};
        }
        if (member == QLatin1String("Show")) {
            expectTypes(member, args, {QMetaType::Bool});
            shown = args.at(0).toBool();
            return {};
        }
        if (member == QLatin1String("Views")) {
            expectTypes(member, args, {});
            return {QVariant(), makeObject(QStringLiteral("views"), 0)};
        }
    } else if (object == QLatin1String("views")) {
        if (member == QLatin1String("GetActive")) {
            expectTypes(member, args, {});
            return {QVariant(), activeViewType ? requestView(activeViewType) : nullptr};
        }
        if (member == QLatin1String("Create")) {
            expectTypes(member, args, {QMetaType::Short, QMetaType::Short});
            return {QVariant(), requestView(args.at(0).toInt())};
        }
    } else {
        if (member == QLatin1String("Type")) {
            expectTypes(member, args, {});
            return {viewType, nullptr};
        }
        if (member == QLatin1String("GetCurrentID")) {
            expectTypes(member, args, {});
            return {viewType == bus::contactView ? currentContactId : QString(), nullptr};
        }
        if (member == QLatin1String("currentfieldid")) {
            expectTypes(member, args, {});
            return {currentFieldId, nullptr};
        }
        if (member == QLatin1String("setfield")) {
            expectTypes(member, args, {QMetaType::Int, QMetaType::QString});
            fields[{viewType, args.at(0).toInt()}] = args.at(1).toString();
            return {};
        }
        if (member == QLatin1String("getfield")) {
            expectTypes(member, args, {QMetaType::Int});
            const auto it = fields.find({viewType, args.at(0).toInt()});
            return {it == fields.end() ? QString() : it->second, nullptr};
        }
        if (member == QLatin1String("lookupall")) {
            expectTypes(member, args, {});
            return {};
        }
        if (member == QLatin1String("GoTo")) {
            expectTypes(member, args, {QMetaType::QString});
            if (contactIds.contains(args.at(0).toString()))
                currentContactId = args.at(0).toString();
            return {};
        }
    }
    throw AutomationError(automation_error::noSuchMember,
                          QStringLiteral("Object doesn't support this property or method: ") +
                              member);
}

} // namespace platform::act
