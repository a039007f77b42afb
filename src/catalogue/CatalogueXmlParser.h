#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <atomic>
#include <memory>

namespace qx {

// Turns MAME's -listxml output into the lines of qx_listxml.dat while the output is still arriving: feed it
// chunks in order, then finish(). Only the current set is held in memory, so the 270 MB document of today's
// MAME costs a few megabytes of output and nothing more.
//
// One line per set element ("machine" today, "game" before MAME 0.162, at any depth), in document order:
//   name=description=manufacturer=year=status=sourcefile=isbios CR LF
// UTF-8 with entities decoded. A missing element or attribute gives an empty field, a missing isbios gives
// "no", and a set with runnable="no" (a device) is not written. A line break inside a value becomes a space
// so that the line stays one line, and a value is cut after 4,096 bytes. After malformed or truncated XML the
// lines of the sets read so far remain and errorText() says where the document broke.
class CatalogueXmlParser {
public:
    CatalogueXmlParser();
    ~CatalogueXmlParser();
    CatalogueXmlParser(const CatalogueXmlParser &) = delete;
    CatalogueXmlParser &operator=(const CatalogueXmlParser &) = delete;

    // Returns false once the document is known to be malformed; later chunks are then ignored.
    bool feed(QByteArrayView chunk);
    // Declares the end of the document; returns false when it is malformed or incomplete.
    bool finish();

    bool failed() const { return !m_error.isEmpty(); }
    const QString &errorText() const { return m_error; }
    // The lines written so far; takeOutput() hands them over and starts a new buffer.
    const QByteArray &output() const { return m_output; }
    QByteArray takeOutput();
    // The sets MAME can run without any file: none of their rom and disk entries, nor those of the devices
    // they reference through device_ref (at any depth), is a required dump (status other than "nodump", not
    // optional="yes"). Meant for after finish(), when every device has been read.
    QList<QByteArray> setsNeedingNoFiles() const;
    // Sets written so far. Readable from another thread while the parser runs (progress).
    qsizetype setCount() const { return m_setCount.load(std::memory_order_relaxed); }

private:
    struct Handlers;
    void recordError();

    struct Impl;
    std::unique_ptr<Impl> m_impl;
    QByteArray m_output;
    QString m_error;
    std::atomic<qsizetype> m_setCount{0};
};

} // namespace qx
