#pragma once

#include "platform/act/Automation.h"
#include "platform/desktop/Desktop.h"
#include "platform/ui/UserInterface.h"

#include <QString>

#include <functional>

// The application's one way to the running ACT!: is it running, which
// database it has open, which contact and view it shows; show it, go to a
// contact, run a command, read and write a field.
//
// Every operation connects to ACT!'s automation object anew and releases it
// before it returns (the field operations keep their references until the
// next operation). When ACT! shows no view, the user is asked whether to try
// again, as often as they say yes.
class clACTApplication {
public:
    // Ends the program at once, without its normal shutdown; the application
    // provides it. Called after ACT! failed to name its database.
    using EndProgram = std::function<void()>;

    clACTApplication(platform::desktop::Desktop& desktop,
                     platform::act::AutomationConnector& connector, platform::ui::UserInterface& ui,
                     EndProgram endProgram);

    void init() {}
    void kill() {}
    // Is ACT!'s main window there (no automation object is touched).
    bool ACTgestartet();
    // The path of the open ACT! database; "" when ACT! does not run or has
    // none open. When ACT! fails to answer, tells the user and ends the program.
    QString ACTDatenbank();
    // The identifier of the contact in ACT!'s active contact view, exactly as
    // ACT! gives it; "" for any other view or none.
    QString AktuelleKontaktID();
    qint32 AktuelleFeldID();
    // Field kinds: "kontakt"/"contact", "gruppe"/"gruppen"/"group"/"groups"
    // (any letter case); any other kind is reported and taken as contact.
    bool setFeldwert(const QString& kind, qint32 fieldId, const QString& value);
    QString getFeldwert(const QString& kind, qint32 fieldId);
    // Shows the contact (identifier right-aligned to 12 characters); always false.
    bool gehezuKonatkt(const QString& contactId);
    QString ACTVersion();
    // The type of ACT!'s active view (1 contacts, 3 groups), -1 when none.
    qint32 aktuellerViewTyp();
    qint32 ExecuteCommand(qint32 command);
    void Zeigen();

private:
    enum class FieldView { Contact, Group };

    bool ConnectApplication();
    bool ConnectViews();
    bool GetActiveView();
    bool GetContactView();
    bool GetGroupView();
    void ReleaseAll();
    bool BringToFront(const QString& className, const QString& title);
    void ActivateWindow(platform::desktop::WindowId window);

    // Asks the views for a view until one comes or the user gives up.
    bool RequestView(platform::act::AutomationRef& target, const QString& member,
                     const QVariantList& args);
    bool OfferRetry();
    FieldView fieldViewFor(const QString& kind);
    void reportFailure(const char* operation, const platform::act::AutomationError& error);

    platform::desktop::Desktop& m_desktop;
    platform::act::AutomationConnector& m_connector;
    platform::ui::UserInterface& m_ui;
    EndProgram m_endProgram;

    platform::act::AutomationRef m_application;
    platform::act::AutomationRef m_views;
    platform::act::AutomationRef m_activeView;
    platform::act::AutomationRef m_contactView;
    platform::act::AutomationRef m_groupView;
};
