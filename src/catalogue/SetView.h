#pragma once

#include "catalogue/SetRecord.h"

#include <QByteArrayView>
#include <QString>
#include <QUtf8StringView>

namespace qx {

class SetCatalogue;

// The fields of a set in the order of its qx.dat line.
enum class SetField { Name, Description, Parent, Manufacturer, Year, Status, State, Driver, Bios };

// One set of a SetCatalogue, read in place. Its texts are UTF-8 views into the catalogue's storage (as qx.dat
// holds them, so invalid bytes only turn into replacement characters when shown): they stay valid while that
// catalogue lives, so anything kept beyond that takes a copy (toString()).
class SetView {
public:
    SetView(const SetCatalogue &catalogue, qsizetype index) : m_catalogue(&catalogue), m_index(index) {}

    qsizetype index() const { return m_index; }
    QUtf8StringView field(SetField field) const;

    QUtf8StringView name() const { return field(SetField::Name); }
    QUtf8StringView description() const { return field(SetField::Description); }
    QUtf8StringView parent() const { return field(SetField::Parent); } // empty for a parent set
    QUtf8StringView manufacturer() const { return field(SetField::Manufacturer); }
    QUtf8StringView year() const { return field(SetField::Year); }
    QUtf8StringView status() const { return field(SetField::Status); }
    QUtf8StringView driver() const { return field(SetField::Driver); }
    QUtf8StringView bios() const { return field(SetField::Bios); } // "yes" or "no"
    SetState state() const;

    bool isClone() const { return !parent().isEmpty(); }
    bool isAvailable() const { return state() == SetState::Available; }

    // A copy that owns its texts.
    SetRecord toRecord() const;

private:
    const SetCatalogue *m_catalogue;
    qsizetype m_index;
};

// The bytes of a text, for hashing and byte-for-byte comparison (UTF-8 has one spelling of each text).
inline QByteArrayView Utf8Bytes(QUtf8StringView text) {
    return QByteArrayView(text.data(), text.size());
}

// Appends UTF-8 text to a QString without a temporary string, for loops over the whole catalogue.
void AppendText(QString &text, QUtf8StringView utf8);

} // namespace qx
