#pragma once

#include "options/EmulatorOptionWrites.h"
#include "options/OptionConversions.h"
#include "options/OptionTable.h"

#include <QList>
#include <vector>

namespace qx {

class OptionTextSource;
struct OptionEnvironment;

// Every option of the dialog for one option file, page-independent: what the file gave (the loaded value)
// and what the controls show now. A save writes only the options whose control changed, is enabled and has
// a line in the file, in the dialog's save order, and the written values become the loaded ones.
class OptionModel {
public:
    OptionModel(); // every option missing
    static OptionModel load(const OptionTextSource &source);
    static OptionModel read(const QString &file);

    const OptionInfo &info(OptionId id) const { return Option(id); }
    const LoadedOption &loaded(OptionId id) const { return m_loaded[index(id)]; }
    bool isPresent(OptionId id) const { return loaded(id).present; }
    const ControlValue &value(OptionId id) const { return m_values[index(id)]; }
    bool isChecked(OptionId id) const { return value(id).number != 0; }

    void setValue(OptionId id, const ControlValue &value);
    // A check box, slider position (kept in range), list or rotation index.
    void setNumber(OptionId id, int number);
    void setChecked(OptionId id, bool checked) { setNumber(id, checked ? 1 : 0); }
    void setText(OptionId id, const QString &text);
    // A list's entry as ShownEntries lists them (the last one may be the file's own value).
    void setShownIndex(OptionId id, int shownIndex);

    bool isChanged(OptionId id) const;
    // The value text the option would be written with now (the file's own text while unchanged).
    QString currentText(OptionId id) const;
    // The lines a save would write.
    QList<OptionWrite> pendingWrites(const OptionEnvironment &environment) const;
    // Writes the pending lines to the file in one rewrite; on success they become the loaded values.
    OptionWriteResult save(const QString &file, const OptionEnvironment &environment);

private:
    static int index(OptionId id) { return static_cast<int>(id); }
    QList<OptionId> pendingOptions(const OptionEnvironment &environment) const;
    QList<OptionWrite> writesOf(const QList<OptionId> &ids) const;

    std::vector<LoadedOption> m_loaded;
    std::vector<ControlValue> m_values;
};

} // namespace qx
