#include "dialogs/BiosListDialog.h"

#include "app/PlatformServices.h"
#include "app/ProgramState.h"
#include "app/SettingsKeys.h"
#include "app/UserPrompts.h"
#include "app/WindowHelpers.h"
#include "browser/setlist/SetListModel.h"
#include "browser/setlist/SetReportView.h"
#include "catalogue/SetListCache.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>

namespace qx {

namespace {

// The set list's columns the BIOS list shows; the others are hidden.
constexpr SetColumn kShownColumns[] = {SetColumn::Description, SetColumn::Name};
constexpr int kDescriptionWidth = 300;

// Panel 1 the count; 2 to 5 the selected set's name, year, manufacturer and status.
constexpr int kPanelStretch[] = {2, 2, 1, 4, 2};
constexpr SetField kPanelFields[] = {SetField::Name, SetField::Year, SetField::Manufacturer,
                                     SetField::Status};

} // namespace

BiosListDialog::BiosListDialog(const BiosListContext &context) : QDialog(context.parent), m_context(context) {
    setObjectName(QStringLiteral("frmBIOS"));
    setWindowTitle(QStringLiteral("BIOS List"));
    resize(520, 420);

    QString error;
    m_bios = LoadBiosSets(m_context.state.cachePath(), &error);
    if (!error.isEmpty()) {
        m_context.prompts.inform(error, kAppTitle, PromptIcon::Warning);
    }
    createList();
    createPopup();

    m_status = new QStatusBar(this);
    m_status->setObjectName(QStringLiteral("StatusBar1"));
    m_status->setSizeGripEnabled(true);
    for (int panel = 0; panel < int(std::size(kPanelStretch)); ++panel) {
        m_panels.append(AddStatusPanel(m_status, QStringLiteral("StatusBar1Panel%1").arg(panel + 1),
                                       kPanelStretch[panel]));
    }
    m_panels.first()->setText(QString::number(m_bios.size()) + QStringLiteral(" sets"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view);
    layout->addWidget(m_status);

    applyAppearance();
    if (m_model->rowCount() > 0) {
        m_view->setCurrentIndex(m_model->index(0, 0));
    }
    // It must stay above the full-screen list, which is topmost itself.
    if (m_context.state.FullScreenListActive) {
        SetTopmost(this);
    }
}

void BiosListDialog::createList() {
    m_model = new SetListModel(m_bios, this);
    m_model->setGhostClones(false);
    m_model->setRows(FilteredRows(m_bios, {}));

    m_view = new SetReportView(this);
    m_view->setObjectName(QStringLiteral("ListView1"));
    m_view->setModel(m_model);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    for (int column = 0; column < kSetColumnCount; ++column) {
        m_view->setColumnHidden(column, std::ranges::find(kShownColumns, SetColumn(column)) ==
                                            std::end(kShownColumns));
    }
    m_view->setColumnWidth(int(SetColumn::Description), kDescriptionWidth);
    m_view->horizontalHeader()->setStretchLastSection(true);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &BiosListDialog::showSelected);
    connect(m_view, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { showPopup(m_view->viewport()->mapToGlobal(pos)); });
}

void BiosListDialog::createPopup() {
    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("mnuPopUp"));
    QMenu *copy = m_popup->addMenu(QStringLiteral("Clipboard"));
    copy->setObjectName(QStringLiteral("mnuCopy"));
    const std::pair<const char *, CopyWhat> copies[] = {
        {"Name", CopyWhat::Name}, {"Description", CopyWhat::Description}, {"Both", CopyWhat::Both}};
    for (int index = 0; index < int(std::size(copies)); ++index) {
        const auto [caption, what] = copies[index];
        QAction *item = copy->addAction(QString::fromLatin1(caption));
        item->setObjectName(QStringLiteral("mnuCopySubItem%1").arg(index));
        connect(item, &QAction::triggered, this, [this, what = what] { copySelected(what); });
    }
    QAction *verify = m_popup->addAction(QStringLiteral("Verify BIOS Set"));
    verify->setObjectName(QStringLiteral("mnuVerify"));
    connect(verify, &QAction::triggered, this, &BiosListDialog::verifySelected);
    m_popup->addSeparator();
    QAction *online = m_popup->addAction(QStringLiteral("Open Info. Online..."));
    online->setObjectName(QStringLiteral("mnuOpenInfoOnline"));
    connect(online, &QAction::triggered, this, &BiosListDialog::openSelectedOnline);
}

void BiosListDialog::applyAppearance() {
    // The main list's font and colours (its palette carries FontColour and BackColour).
    m_view->setFont(m_context.setList.font());
    m_view->setPalette(m_context.setList.palette());
    m_status->setFont(m_context.statusBar.font());
    m_view->setSelectionBehavior(m_context.settings.get(Settings::FullRowSelect)
                                     ? QAbstractItemView::SelectRows
                                     : QAbstractItemView::SelectItems);
}

std::optional<SetView> BiosListDialog::selectedSet() const {
    const QModelIndexList selected = m_view->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? std::nullopt : m_model->record(selected.first().row());
}

void BiosListDialog::showSelected() {
    const std::optional<SetView> set = selectedSet();
    for (int panel = 1; panel < int(m_panels.size()); ++panel) {
        m_panels[panel]->setText(set ? set->field(kPanelFields[panel - 1]).toString() : QString());
    }
}

bool BiosListDialog::showPopup(const QPoint &globalPos) {
    if (!selectedSet()) {
        return false;
    }
    m_popup->popup(globalPos);
    return true;
}

void BiosListDialog::copySelected(CopyWhat what) {
    const std::optional<SetView> set = selectedSet();
    if (!set) {
        return;
    }
    const QString name = set->name().toString();
    const QString description = set->description().toString();
    switch (what) {
    case CopyWhat::Name:
        m_context.services.setClipboardText(name);
        break;
    case CopyWhat::Description:
        m_context.services.setClipboardText(description);
        break;
    case CopyWhat::Both:
        m_context.services.setClipboardText(description + QLatin1Char(' ') + name);
        break;
    }
}

void BiosListDialog::verifySelected() {
    const std::optional<SetView> set = selectedSet();
    if (set && m_context.verifySet) {
        m_context.verifySet(set->name().toString(), m_bios, *this,
                            [this](const QString &name, SetState) { m_model->refreshSet(name); });
        showSelected();
    }
}

void BiosListDialog::openSelectedOnline() {
    const std::optional<SetView> set = selectedSet();
    if (set && m_context.openInfoOnline) {
        m_context.openInfoOnline(set->name().toString());
    }
}

void OpenBiosList(const BiosListContext &context) {
    BiosListDialog dialog(context);
    ShowModal(dialog, context.runModal);
}

} // namespace qx
