#pragma once

#include <QString>
#include <QStringList>

namespace platform::tapi::sim {

class SimExchange;

// Carries out one `phonesim` command on the exchange (the words as typed,
// command first) and describes the outcome or the error in `output`.
class PhonesimInterpreter {
public:
    explicit PhonesimInterpreter(SimExchange& exchange);

    bool execute(const QStringList& words, QString* output);

private:
    SimExchange& m_exchange;
};

} // namespace platform::tapi::sim
