#pragma once

#include <QString>

// One field of an ACT! table: its column and what ACT!'s field-definition
// file says about it.
struct clACTFeld {
    QString ACTName;        // the name ACT! shows
    QString DBFName;        // the column name exactly as the table header has it
    qint32 ACTID = 0;       // ACT!'s field number
    qint32 Feldtyp = 0;     // ACT!'s field type; 7 is a phone number
    qint32 Feldgroesse = 0; // the byte after the display name (the field size)
};
