#include "dialogs/PathsDialog.h"

#include "dialogs/PathsSettings.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace qx {

namespace {

const QString kFolderNotFound = QStringLiteral("Folder not found");
const QString kRomsNote = QStringLiteral(
    "Quorvex found none of your sets in these folders, where MAME looks for them. Add the folder that holds "
    "your ROM files (zip or 7z files, or one folder per set).");
const QString kRomsNoteAfterChange =
    QStringLiteral("Quorvex looks for your sets in these folders when you close this window.");

QPushButton *button(const QString &text, const QString &name, QWidget *parent) {
    auto *result = new QPushButton(text, parent);
    result->setObjectName(name);
    result->setAutoDefault(false);
    return result;
}

} // namespace

PathsDialog::PathsDialog(const PathsDialogContext &context)
    : QDialog(context.parent), m_editor(context.emulatorIniPath, context.emulatorDir, context.settings,
                                        context.prompts, context.romChangeConfirmed) {
    setObjectName(QStringLiteral("frmFolders"));
    setWindowTitle(context.caption);
    setModal(true);
    QFont dialogFont = font();
    dialogFont.setFamily(context.settings.dialogueFont());
    setFont(dialogFont);
    buildControls(context.showRomsNote);
    showKind(0);
}

void PathsDialog::buildControls(bool showRomsNote) {
    m_kinds = new QComboBox(this);
    m_kinds->setObjectName(QStringLiteral("cboFolders"));
    for (const PathKindInfo &info : PathKinds()) {
        m_kinds->addItem(info.entryText());
    }
    m_kinds->setMaxVisibleItems(int(PathKinds().size()));

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("lvFolders"));
    m_list->setHeaderLabels({QStringLiteral("Folder")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setTextElideMode(Qt::ElideMiddle);
    m_list->header()->setStretchLastSection(true);

    m_add = button(QStringLiteral("Add..."), QStringLiteral("btnInsert"), this);
    m_change = button(QStringLiteral("Change..."), QStringLiteral("btnBrowse"), this);
    m_delete = button(QStringLiteral("Delete"), QStringLiteral("btnDelete"), this);
    m_close = button(QStringLiteral("Cancel"), QStringLiteral("btnCancel"), this);

    m_note = new QLabel(kRomsNote, this);
    m_note->setObjectName(QStringLiteral("lblNote"));
    m_note->setWordWrap(true);
    m_note->setVisible(showRomsNote);
    m_showRomsNote = showRomsNote;

    auto *buttons = new QVBoxLayout;
    for (QPushButton *each : {m_add, m_change, m_delete}) {
        buttons->addWidget(each);
    }
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    auto *middle = new QHBoxLayout;
    middle->addWidget(m_list, 1);
    middle->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_kinds);
    layout->addLayout(middle, 1);
    layout->addWidget(m_note);
    resize(560, showRomsNote ? 340 : 290);

    connect(m_kinds, &QComboBox::currentIndexChanged, this, &PathsDialog::showKind);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &PathsDialog::updateButtons);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this] { edit(m_editor.change(selectedRow())); });
    connect(m_add, &QPushButton::clicked, this, [this] { edit(m_editor.add()); });
    connect(m_change, &QPushButton::clicked, this, [this] { edit(m_editor.change(selectedRow())); });
    connect(m_delete, &QPushButton::clicked, this, [this] {
        if (edit(m_editor.remove(selectedRow()))) {
            m_list->clearSelection();
        }
    });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}

void PathsDialog::showKind(int index) {
    m_editor.selectKind(PathKinds()[std::size_t(index)].kind);
    m_note->setVisible(m_showRomsNote && m_editor.kind() == PathKind::Roms);
    fillList();
}

void PathsDialog::fillList() {
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    const QBrush greyed = palette().brush(QPalette::Disabled, QPalette::Text);
    QFont missingFont = m_list->font();
    missingFont.setItalic(true);
    for (int row = 0; row < m_editor.folders().size(); ++row) {
        auto *item = new QTreeWidgetItem(m_list, {m_editor.folders().at(row)});
        if (m_editor.folderFound(row)) {
            item->setToolTip(0, m_editor.resolvedFolder(row));
        } else {
            // Italic too, so a selected row (drawn in the highlight colours) still shows it.
            item->setForeground(0, greyed);
            item->setFont(0, missingFont);
            item->setToolTip(0, kFolderNotFound);
        }
    }
    const PathKindInfo &info = InfoOf(m_editor.kind());
    m_list->setToolTip(m_editor.optionPresent()
                           ? QString()
                           : QStringLiteral("This MAME's mame.ini has no %1 option.").arg(info.optionName()));
    // The folder of a one-folder kind is selected, so Change acts on it at once.
    if (!info.manyFolders && m_list->topLevelItemCount() == 1) {
        m_list->setCurrentItem(m_list->topLevelItem(0));
    }
    updateButtons();
}

void PathsDialog::updateButtons() {
    const PathButtons enabled = m_editor.buttons(selectedRow());
    m_add->setEnabled(enabled.add);
    m_change->setEnabled(enabled.change);
    m_delete->setEnabled(enabled.remove);
}

bool PathsDialog::edit(PathEdit outcome) {
    if (outcome != PathEdit::Written) {
        return false;
    }
    const int row = selectedRow();
    fillList();
    if (row >= 0 && row < m_list->topLevelItemCount()) {
        m_list->setCurrentItem(m_list->topLevelItem(row));
    }
    m_close->setText(QStringLiteral("OK"));
    if (m_editor.kind() == PathKind::Roms) {
        m_note->setText(kRomsNoteAfterChange);
    }
    return true;
}

int PathsDialog::selectedRow() const {
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->indexOfTopLevelItem(selected.first());
}

PathsDialogResult OpenPathsDialog(const PathsDialogContext &context) {
    PathsDialog dialog(context);
    if (context.run) {
        context.run(dialog);
    } else {
        dialog.exec();
    }
    return dialog.result();
}

} // namespace qx
