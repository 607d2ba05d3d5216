#include "app/actapp/clACTApplication.h"

#include "app/actapp/modACTRunning.h"
#include "platform/act/ActBus.h"

#include <QCoreApplication>
#include <QLoggingCategory>

using platform::act::AutomationError;
using platform::act::AutomationRef;
using platform::desktop::WindowId;

namespace {

Q_LOGGING_CATEGORY(lcAct, "fonkel.act")

const QString actClass = QStringLiteral("act3.0frameclass");
const QString programTitle = QStringLiteral("Fonkel");

} // namespace

clACTApplication::clACTApplication(platform::desktop::Desktop& desktop,
                                   platform::act::AutomationConnector& connector,
                                   platform::ui::UserInterface& ui, EndProgram endProgram)
    : m_desktop(desktop), m_connector(connector), m_ui(ui), m_endProgram(std::move(endProgram))
{
}

bool clACTApplication::ACTgestartet()
{
    if (modACTRunning::FindTopWindow(m_desktop, actClass, QStringLiteral("Kundenmanager")))
        return true;
    return modACTRunning::FindTopWindow(m_desktop, actClass, QStringLiteral("ACT")) != 0;
}

bool clACTApplication::ConnectApplication()
{
    if (!ACTgestartet())
        return false;
    m_application = m_connector.create(QString(platform::act::bus::serviceName));
    QCoreApplication::processEvents();
    return m_application != nullptr;
}

bool clACTApplication::ConnectViews()
{
    if (!ConnectApplication())
        return false;
    m_views = m_application->call(QStringLiteral("Views")).object;
    return true;
}

bool clACTApplication::OfferRetry()
{
    const platform::ui::Answer answer =
        m_ui.message({QStringLiteral("Eine OLE-Verbindung zu Act! ist nicht möglich.\n"
                                     "Bitte schließen Sie alle geöffneten Hinweisfenster in ACT!\n"
                                     "Weiter versuchen ?"),
                      programTitle, platform::ui::Icon::Warning, platform::ui::Buttons::YesNo});
    return answer == platform::ui::Answer::Yes;
}

bool clACTApplication::RequestView(AutomationRef& target, const QString& member,
                                   const QVariantList& args)
{
    if (!ConnectViews())
        return false;
    // Without a views object no view can come, however often asked.
    if (!m_views) {
        qCWarning(lcAct) << "ACT! gave no views object";
        return false;
    }
    for (;;) {
        QCoreApplication::processEvents();
        target = m_views->call(member, args).object;
        QCoreApplication::processEvents();
        if (target)
            return true;
        if (!OfferRetry())
            return false;
    }
}

bool clACTApplication::GetActiveView()
{
    return RequestView(m_activeView, QStringLiteral("GetActive"), {});
}

bool clACTApplication::GetContactView()
{
    return RequestView(m_contactView, QStringLiteral("Create"),
                       {QVariant::fromValue(qint16(platform::act::bus::contactView)),
                        QVariant::fromValue(qint16(2))});
}

bool clACTApplication::GetGroupView()
{
    return RequestView(m_groupView, QStringLiteral("Create"),
                       {QVariant::fromValue(qint16(platform::act::bus::groupView)),
                        QVariant::fromValue(qint16(2))});
}

void clACTApplication::ReleaseAll()
{
    m_contactView.reset();
    m_groupView.reset();
    m_views.reset();
    m_application.reset();
    m_activeView.reset();
}

void clACTApplication::reportFailure(const char* operation, const AutomationError& error)
{
    qCWarning(lcAct).nospace() << operation << ": ACT! automation failed, error " << error.number()
                               << ": " << error.description();
}

QString clACTApplication::ACTDatenbank()
{
    QString name;
    bool connected = false;
    try {
        connected = ConnectApplication();
    } catch (const AutomationError& error) {
        reportFailure("ACTDatenbank", error);
    }
    if (connected) {
        try {
            name = m_application->call(QStringLiteral("GetOpenDBName")).value.toString();
        } catch (const AutomationError& error) {
            ReleaseAll();
            m_ui.message({QStringLiteral("Fehler #") + QString::number(error.number()) +
                              QStringLiteral(" bei ACT!-Application OLE\n") + error.description(),
                          programTitle, platform::ui::Icon::Warning, platform::ui::Buttons::Ok});
            m_endProgram();
            return QString();
        }
    }
    ReleaseAll();
    return name;
}

QString clACTApplication::AktuelleKontaktID()
{
    QString id;
    try {
        if (GetActiveView() && m_activeView->call(QStringLiteral("Type")).value.toInt() ==
                                   platform::act::bus::contactView)
            id = m_activeView->call(QStringLiteral("GetCurrentID")).value.toString();
    } catch (const AutomationError& error) {
        reportFailure("AktuelleKontaktID", error);
        id.clear();
    }
    ReleaseAll();
    return id;
}

qint32 clACTApplication::AktuelleFeldID()
{
    qint32 id = 0;
    try {
        if (GetActiveView())
            id = m_activeView->call(QStringLiteral("currentfieldid")).value.toInt();
    } catch (const AutomationError& error) {
        reportFailure("AktuelleFeldID", error);
        id = 0;
    }
    ReleaseAll();
    return id;
}

clACTApplication::FieldView clACTApplication::fieldViewFor(const QString& kind)
{
    const QString lower = kind.toLower();
    if (lower == QLatin1String("kontakt") || lower == QLatin1String("contact"))
        return FieldView::Contact;
    if (lower == QLatin1String("gruppe") || lower == QLatin1String("gruppen") ||
        lower == QLatin1String("group") || lower == QLatin1String("groups"))
        return FieldView::Group;
    m_ui.message({QStringLiteral("Falsche Feldtyp-Bezeichnung (") + kind +
                      QStringLiteral("). Es wird Kontakt benutzt."),
                  programTitle, platform::ui::Icon::Warning, platform::ui::Buttons::Ok});
    return FieldView::Contact;
}

// The field operations keep their references until the next operation.
bool clACTApplication::setFeldwert(const QString& kind, qint32 fieldId, const QString& value)
{
    try {
        if (fieldViewFor(kind) == FieldView::Group) {
            if (!GetGroupView())
                return false;
            m_groupView->call(QStringLiteral("setfield"), {fieldId, value});
        } else {
            if (!GetContactView())
                return false;
            m_contactView->call(QStringLiteral("setfield"), {fieldId, value});
        }
        return true;
    } catch (const AutomationError& error) {
        reportFailure("setFeldwert", error);
        return false;
    }
}

QString clACTApplication::getFeldwert(const QString& kind, qint32 fieldId)
{
    try {
        if (fieldViewFor(kind) == FieldView::Group) {
            if (GetGroupView())
                return m_groupView->call(QStringLiteral("getfield"), {fieldId}).value.toString();
        } else if (GetContactView()) {
            return m_contactView->call(QStringLiteral("getfield"), {fieldId}).value.toString();
        }
    } catch (const AutomationError& error) {
        reportFailure("getFeldwert", error);
    }
    return QString();
}

bool clACTApplication::gehezuKonatkt(const QString& contactId)
{
    try {
        if (GetContactView()) {
            // ACT!'s identifiers are 12 characters, right-aligned with blanks.
            const QString padded =
                QString(qMax<qsizetype>(0, 12 - contactId.size()), QLatin1Char(' ')) + contactId;
            m_contactView->call(QStringLiteral("lookupall"));
            m_contactView->call(QStringLiteral("GoTo"), {padded});
        }
    } catch (const AutomationError& error) {
        reportFailure("gehezuKonatkt", error);
    }
    ReleaseAll();
    return false;
}

QString clACTApplication::ACTVersion()
{
    QString version;
    try {
        if (ConnectApplication())
            version =
                m_application->call(QStringLiteral("GetVersion"), {QVariant::fromValue(qint16(1))})
                    .value.toString();
    } catch (const AutomationError& error) {
        reportFailure("ACTVersion", error);
    }
    ReleaseAll();
    return version;
}

qint32 clACTApplication::aktuellerViewTyp()
{
    qint32 type = -1;
    try {
        if (GetActiveView())
            type = m_activeView->call(QStringLiteral("Type")).value.toInt();
    } catch (const AutomationError& error) {
        reportFailure("aktuellerViewTyp", error);
        type = -1;
    }
    ReleaseAll();
    return type;
}

qint32 clACTApplication::ExecuteCommand(qint32 command)
{
    qint32 result = 0;
    try {
        if (ConnectApplication())
            result = m_application->call(QStringLiteral("Command"), {command}).value.toInt();
    } catch (const AutomationError& error) {
        reportFailure("ExecuteCommand", error);
        result = 0;
    }
    ReleaseAll();
    return result;
}

void clACTApplication::Zeigen()
{
    try {
        if (ConnectApplication()) {
            m_application->call(QStringLiteral("Show"), {true});
            if (!BringToFront(actClass, QStringLiteral("ACT")))
                BringToFront(actClass, QStringLiteral("Kundenmanager"));
        }
    } catch (const AutomationError& error) {
        reportFailure("Zeigen", error);
    }
    ReleaseAll();
}

bool clACTApplication::BringToFront(const QString& className, const QString& title)
{
    const WindowId window = modACTRunning::FindTopWindow(m_desktop, className, title);
    if (!window)
        return false;
    ActivateWindow(window);
    m_desktop.setTopmost(window, true);
    QCoreApplication::processEvents();
    m_desktop.setTopmost(window, false);
    return true;
}

void clACTApplication::ActivateWindow(WindowId window)
{
    const std::optional<platform::desktop::Placement> placement = m_desktop.placement(window);
    if (!placement)
        return;
    if (*placement == platform::desktop::Placement::Minimised) {
        m_desktop.restore(window);
        return;
    }
    m_desktop.setForeground(window);
    m_desktop.bringToTop(window);
}
