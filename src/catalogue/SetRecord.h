#pragma once

#include <QString>

namespace qx {

enum class SetState : qint16 { Available = 1, Unavailable = 2 };

// One arcade set in memory. The cache file keeps Name first; the record keeps Description first.
struct SetRecord {
    QString Description;
    QString Name;
    QString Parent; // empty for a parent set, else the parent's Name
    QString Manufacturer;
    QString Year;
    QString Status;
    SetState State = SetState::Unavailable;
    QString Bios; // "yes" or "no"
    QString Driver;

    bool isClone() const { return !Parent.isEmpty(); }
    bool isAvailable() const { return State == SetState::Available; }
};

} // namespace qx
