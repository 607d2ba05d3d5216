#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QString>

#include <optional>

namespace actdbgen {

// One generated contact, with a member per column of the contact table.
struct Contact {
    QString uniqueId;
    QString company;
    QString name;
    QString salutation;
    QString title;
    QString department;
    QString phone;
    QString fax;
    QString mobile;
    QString homePhone;
    QString altPhone;
    QString address1;
    QString zip;
    QString city;
    QString state;
    QString country;
    QString email;
    QDate created;
    QDate edited;
    QString owner;
    QString mainPhone;              // USR0001
    QString industry;               // USR0002
    std::optional<double> revenue;  // USR0003
    std::optional<bool> newsletter; // USR0004
    QString assistantPhone;         // USR0005
    bool deleted = false;

    // The value of a character column by its name; a null string for the
    // columns that are not text.
    QString text(QByteArrayView column) const;
};

// One generated group.
struct Group {
    QString uniqueId;
    QString name;
    QString description;
    QDate created;
    int members = 0;
    QString region;
};

} // namespace actdbgen
