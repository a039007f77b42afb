#include "options/OptionsDialog.h"

#include "app/UserPrompts.h"
#include "app/WindowHelpers.h"
#include "options/AdvancedPage.h"
#include "options/ControllersPage.h"
#include "options/DisplayPage.h"
#include "app/LinkLabel.h"
#include "options/MappingPage.h"
#include "options/MiscellaneousPage.h"
#include "options/OptionFiles.h"
#include "options/ScreensPage.h"
#include "options/SoundPage.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace qx {

namespace {

// The page the dialog last showed, for the rest of the run (0: none yet, which opens " Display").
int g_lastOptionsPage = 0;

constexpr int kTreeIndent = 250 / 15; // 250 twips

int pageIndex(OptionPage page) {
    return static_cast<int>(page) - 1;
}

// The hourglass while the dialog is built and its pages loaded.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace

OptionsDialog::OptionsDialog(const OptionsDialogContext &context, const QString &optionFile, QWidget *parent)
    : QDialog(parent), m_context(context), m_file(optionFile), m_model(OptionModel::read(optionFile)),
      m_layers(OptionLayers::load(context.scope, context.emulatorIniPath, context.emulatorDir)),
      m_shared{m_model, m_layers, OptionEnvironment{static_cast<int>(context.monitorNames.size())},
               context.showToolTips} {
    const WaitCursor hourglass;
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(OptionScopeTitle(context.scope, optionFile));
    if (context.topmost) {
        SetTopmost(this);
    }

    auto *body = new QHBoxLayout;
    body->addWidget(buildTree());
    m_stack = new QStackedWidget(this);
    body->addWidget(m_stack, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buildFooter());
    applyDialogFont();
    buildPages();
    loadPages();
    showPage(g_lastOptionsPage == 0 ? OptionPage::Display : static_cast<OptionPage>(g_lastOptionsPage));
}

QWidget *OptionsDialog::buildTree() {
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("TreeView1"));
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(true);
    m_tree->setIndentation(kTreeIndent);
    QHash<OptionPage, QTreeWidgetItem *> items;
    for (const OptionPageNode &node : OptionPageTree()) {
        auto *item = node.parent ? new QTreeWidgetItem(items.value(*node.parent), {node.text})
                                 : new QTreeWidgetItem(m_tree, {node.text});
        item->setData(0, Qt::UserRole, static_cast<int>(node.page));
        items.insert(node.page, item);
    }
    m_tree->expandAll(); // the two parents start expanded
    int widest = 0;
    for (QTreeWidgetItem *item : std::as_const(items)) {
        const int depth = item->parent() ? 2 : 1;
        widest =
            std::max(widest, m_tree->fontMetrics().horizontalAdvance(item->text(0)) + depth * kTreeIndent);
    }
    m_tree->setFixedWidth(widest + 24);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (item) {
            showPage(static_cast<OptionPage>(item->data(0, Qt::UserRole).toInt()));
        }
    });
    return m_tree;
}

void OptionsDialog::buildPages() {
    m_pages[pageIndex(OptionPage::Display)] = new DisplayPage(m_shared, m_context, m_stack);
    m_pages[pageIndex(OptionPage::Screens)] =
        new ScreensPage(m_shared, m_context.monitorNames, m_context.displayModes, m_stack);
    m_pages[pageIndex(OptionPage::Advanced)] = new AdvancedPage(m_shared, m_context.consoleNeeded, m_stack);
    m_pages[pageIndex(OptionPage::Sound)] = new SoundPage(m_shared, m_stack);
    m_pages[pageIndex(OptionPage::Controllers)] = new ControllersPage(m_shared, m_context, m_stack);
    m_pages[pageIndex(OptionPage::Mapping)] = new MappingPage(m_shared, m_stack);
    m_pages[pageIndex(OptionPage::Miscellaneous)] = new MiscellaneousPage(m_shared, m_stack);
    for (OptionsPage *page : m_pages) {
        page->setObjectName(QStringLiteral("Picture1_%1").arg(static_cast<int>(page->page())));
        m_stack->addWidget(page);
        connect(page, &OptionsPage::changed, this, &OptionsDialog::markChanged);
    }
}

QLayout *OptionsDialog::buildFooter() {
    m_help = new QLabel(m_context.showToolTips ? OptionScopeHelpText(m_context.scope) : QString(), this);
    m_help->setObjectName(QStringLiteral("Label1"));
    m_help->setWordWrap(true);
    m_legend = new QLabel(QStringLiteral("Values in bold are set by this file over the files below it; "
                                         "their tool tips show each file's value."),
                          this);
    m_legend->setObjectName(QStringLiteral("lblLayers"));
    m_legend->setWordWrap(true);
    m_legend->setVisible(!m_layers.layers().isEmpty());
    m_delete = new LinkLabel(QStringLiteral("Delete this file"), QStringLiteral("Label4"), this);
    m_delete->setVisible(m_context.scope.canDeleteFile());
    connect(m_delete, &LinkLabel::activated, this, &OptionsDialog::deleteFile);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QDialogButtonBox::Ok);
    QPushButton *cancel = buttons->addButton(QDialogButtonBox::Cancel);
    m_apply = buttons->addButton(QDialogButtonBox::Apply);
    ok->setObjectName(QStringLiteral("cmdOK"));
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    m_apply->setObjectName(QStringLiteral("cmdApply"));
    m_apply->setEnabled(false);
    connect(ok, &QPushButton::clicked, this, &OptionsDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &OptionsDialog::reject);
    connect(m_apply, &QPushButton::clicked, this, &OptionsDialog::apply);

    auto *footer = new QVBoxLayout;
    footer->addWidget(m_help);
    footer->addWidget(m_legend);
    auto *row = new QHBoxLayout;
    row->addWidget(m_delete);
    row->addStretch(1);
    row->addWidget(buttons);
    footer->addLayout(row);
    return footer;
}

void OptionsDialog::applyDialogFont() {
    if (m_context.dialogFontName.isEmpty()) {
        return;
    }
    QFont dialogFont = font();
    dialogFont.setFamily(m_context.dialogFontName);
    for (QWidget *widget :
         {static_cast<QWidget *>(m_tree), static_cast<QWidget *>(m_stack), static_cast<QWidget *>(m_help),
          static_cast<QWidget *>(m_legend), static_cast<QWidget *>(m_delete)}) {
        widget->setFont(dialogFont);
    }
}

void OptionsDialog::loadPages() {
    for (OptionsPage *page : m_pages) {
        page->load();
    }
    refreshPages();
}

void OptionsDialog::refreshPages() {
    for (OptionsPage *page : m_pages) {
        page->refresh();
    }
}

OptionPage OptionsDialog::currentPage() const {
    return static_cast<OptionsPage *>(m_stack->currentWidget())->page();
}

void OptionsDialog::showPage(OptionPage page) {
    g_lastOptionsPage = static_cast<int>(page);
    m_stack->setCurrentIndex(pageIndex(page));
    for (QTreeWidgetItemIterator item(m_tree); *item; ++item) {
        if ((*item)->data(0, Qt::UserRole).toInt() == static_cast<int>(page) &&
            m_tree->currentItem() != *item) {
            m_tree->setCurrentItem(*item);
        }
    }
}

void OptionsDialog::markChanged() {
    m_apply->setEnabled(true);
    refreshPages();
}

bool OptionsDialog::save() {
    bool videoNone = false;
    for (const OptionWrite &write : m_model.pendingWrites(m_shared.environment)) {
        videoNone = videoNone || (write.name == Option(OptionId::Video).name && RunsWithoutVideo(m_model));
    }
    const OptionWriteResult result = m_model.save(m_file, m_shared.environment);
    if (!result.ok) {
        m_context.prompts.inform(result.error, kAppTitle, PromptIcon::Error);
        return false;
    }
    if (videoNone && m_context.consoleNeeded) {
        m_context.consoleNeeded();
    }
    refreshPages();
    return true;
}

void OptionsDialog::accept() {
    // A failed write keeps the dialog open, so the changes are not lost with it.
    if (save()) {
        QDialog::accept();
    }
}

void OptionsDialog::apply() {
    if (save()) {
        m_apply->setEnabled(false);
    }
}

void OptionsDialog::deleteFile() {
    const QString question = DeleteOptionFileQuestion(m_context.scope);
    if (m_context.prompts.ask(question, kAppTitle, PromptButtons::YesNo, PromptAnswer::No) !=
        PromptAnswer::Yes) {
        return;
    }
    const QString error = DeleteOptionFile(m_context.scope, m_file);
    if (!error.isEmpty()) {
        m_context.prompts.inform(error, kAppTitle, PromptIcon::Error);
        return;
    }
    reject();
}

} // namespace qx
