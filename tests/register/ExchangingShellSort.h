#pragma once

#include "register/core/ChequeBook.h"

#include <utility>
#include <vector>

// The register's sort exactly as it has always been written: whole records exchanged one step
// at a time. The sort in use moves positions instead and must leave every record, equal keys
// included, where this one does.
inline void exchangingShellSort(std::vector<ledger::Item>& a, bool onCodes) {
    const auto less = [onCodes](const ledger::Item& x, const ledger::Item& y) {
        return onCodes ? x.code < y.code : x.date < y.date;
    };
    const auto count = static_cast<long>(a.size());
    long h = 1;
    while (h <= count - 1)
        h = 2 * h;
    h = h / 2 - 1;
    if (count >= 2 && h < 1)
        h = 1;
    while (h > 0) {
        for (long i = h; i <= count - 1; ++i) {
            for (long j = i; j >= h && less(a[j], a[j - h]); j -= h)
                std::swap(a[j], a[j - h]);
        }
        h = (h - 1) / 2;
    }
}
