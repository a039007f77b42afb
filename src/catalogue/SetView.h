#pragma once

#include "catalogue/SetRecord.h"

#include <QStringView>

namespace qx {

class SetCatalogue;

// The fields of a set in the order of its qx.dat line.
enum class SetField { Name, Description, Parent, Manufacturer, Year, Status, State, Driver, Bios };

// One set of a SetCatalogue, read in place. Its texts are views into the catalogue's storage: they stay
// valid while that catalogue lives, so anything kept beyond that takes a copy (toString()).
class SetView {
public:
    SetView(const SetCatalogue &catalogue, qsizetype index) : m_catalogue(&catalogue), m_index(index) {}

    qsizetype index() const { return m_index; }
    QStringView field(SetField field) const;

    QStringView name() const { return field(SetField::Name); }
    QStringView description() const { return field(SetField::Description); }
    QStringView parent() const { return field(SetField::Parent); } // empty for a parent set
    QStringView manufacturer() const { return field(SetField::Manufacturer); }
    QStringView year() const { return field(SetField::Year); }
    QStringView status() const { return field(SetField::Status); }
    QStringView driver() const { return field(SetField::Driver); }
    QStringView bios() const { return field(SetField::Bios); } // "yes" or "no"
    SetState state() const;

    bool isClone() const { return !parent().isEmpty(); }
    bool isAvailable() const { return state() == SetState::Available; }

    // A copy that owns its texts.
    SetRecord toRecord() const;

private:
    const SetCatalogue *m_catalogue;
    qsizetype m_index;
};

} // namespace qx
