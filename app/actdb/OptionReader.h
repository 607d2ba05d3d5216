#pragma once

#include <QString>
#include <QVariant>

#include <functional>

// How the ACT! classes read an option of the section "Optionen": the program
// hands in modOptionen's ReadOption (a double for number keys, a QString for
// text keys).
using OptionReader = std::function<QVariant(const QString& key)>;
