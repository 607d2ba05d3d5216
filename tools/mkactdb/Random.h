#pragma once

#include <QtGlobal>

#include <span>

namespace actdbgen {

// SplitMix64: small, fast, and the same numbers on every platform and library
// (the distributions of <random> are not), which keeps generated files
// identical for a seed.
class Random {
public:
    explicit Random(quint64 seed) : m_state(seed) {}

    static quint64 mix(quint64 a, quint64 b)
    {
        Random r(a ^ (b * 0x9E3779B97F4A7C15ULL));
        r.next();
        return r.next();
    }

    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in [0, n); n > 0. The bias of the modulo is below 1e-9 for the
    // small n used here.
    quint64 below(quint64 n) { return next() % n; }
    int between(int low, int high) { return low + int(below(quint64(high - low + 1))); }
    bool percent(int p) { return below(100) < quint64(p); }
    bool perMille(int p) { return below(1000) < quint64(p); }

    template <typename T> const T& pick(std::span<const T> items)
    {
        return items[below(items.size())];
    }

private:
    quint64 m_state;
};

} // namespace actdbgen
