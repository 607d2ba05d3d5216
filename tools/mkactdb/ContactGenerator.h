#pragma once

#include "Contact.h"
#include "GermanData.h"

namespace actdbgen {

// Makes the contacts and groups of a generated database. Each contact is a
// function of the seed and its index alone, so a table of any size streams to
// disk, and tests can ask for any contact without making the ones before it.
//
// About one contact in twenty works at the same company as the contact before
// it and shares that contact's main number, so some numbers appear twice.
class ContactGenerator {
public:
    explicit ContactGenerator(quint64 seed);

    Contact contact(qint64 index) const;
    Group group(qint64 index) const;
    // How many groups a database of that many contacts gets.
    static qint64 groupCount(qint64 contacts);

    // A 12-character identifier, different for every index below 36^12.
    static QString uniqueId(quint64 seed, qint64 index);

private:
    Contact makeContact(qint64 index, bool mayJoinColleague) const;

    quint64 m_seed;
};

} // namespace actdbgen
