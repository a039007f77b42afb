#include "browser/window/MainWindow.h"

#include "app/UserPrompts.h"
#include "app/WindowHelpers.h"
#include "browser/info/InfoPanel.h"
#include "browser/setlist/SetBrowser.h"
#include "browser/setlist/SetListModel.h"
#include "browser/setlist/SetListView.h"
#include "browser/setlist/SetTreeModel.h"
#include "browser/window/JoystickPoller.h"
#include "browser/window/MainActions.h"
#include "browser/window/MainLayout.h"
#include "browser/window/SdlJoystick.h"
#include "browser/window/SplitterHandle.h"
#include "browser/window/StatusPanels.h"
#include "browser/window/TrayIcon.h"
#include "browser/window/WindowChrome.h"
#include "browser/window/WindowLaunchHost.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>

// The icons live in a static library: make sure the linker keeps them.
static void initQuorvexResources() {
    Q_INIT_RESOURCE(quorvex);
}

namespace qx {

namespace {

// The narrowest the search box gets, in pixels: what the toolbar leaves at the smallest window.
constexpr int kSearchBoxMinimumWidth = 40;

const QStringList kColumnCaptions{QStringLiteral("Description"),  QStringLiteral("Name"),
                                  QStringLiteral("Parent"),       QStringLiteral("Year"),
                                  QStringLiteral("Manufacturer"), QStringLiteral("Status"),
                                  QStringLiteral("Driver")};

} // namespace

MainWindow::MainWindow(const QString &programDir, UserPrompts &prompts, PlatformServices &services)
    : m_programDir(programDir), m_settings(programDir + QStringLiteral("qx.ini")), m_prompts(prompts),
      m_services(services) {
    initQuorvexResources();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kAppTitle);
    setWindowIcon(ApplicationIcon());
    m_state.programDir = programDir;
    createControls();
    connectActions();
    m_settings.setWriteFailureHandler([this](const QString &message) { reportSettingsProblem(message); });
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
    // The poll goes before the joystick it reads.
    delete m_joystick;
    m_settings.setWriteFailureHandler({});
    qApp->removeEventFilter(this);
}

QAction *MainWindow::action(ActionId id) const {
    return (*m_actions)[id];
}

void MainWindow::setReadOnly() {
    m_readOnly = true;
    auto *notice = new QLabel(QStringLiteral("Read-only: changes are not saved"), m_status);
    notice->setObjectName(QStringLiteral("sbReadOnly"));
    notice->setToolTip(QStringLiteral("Quorvex cannot write to %1")
                           .arg(QDir::toNativeSeparators(QDir::cleanPath(m_programDir))));
    m_status->addPermanentWidget(notice);
}

void MainWindow::createControls() {
    m_actions = new MainActions(this);
    m_actions->buildMenuBar(menuBar());

    m_toolbar = new QToolBar(QStringLiteral("Toolbar"), this);
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setIconSize(QSize(16, 16));
    m_toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    m_actions->buildToolBar(m_toolbar);
    // The two search boxes share one place on the toolbar; only the shown view's box is visible.
    auto *searchHolder = new QWidget(m_toolbar);
    searchHolder->setObjectName(QStringLiteral("SearchBoxes"));
    searchHolder->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto *searchLayout = new QHBoxLayout(searchHolder);
    searchLayout->setContentsMargins(4, 0, 0, 0);
    m_text1 = new QLineEdit(searchHolder);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text2 = new QLineEdit(searchHolder);
    m_text2->setObjectName(QStringLiteral("Text2"));
    for (QLineEdit *box : {m_text1, m_text2}) {
        box->setPlaceholderText(QStringLiteral("Search description, name or parent"));
        box->setClearButtonEnabled(true);
        box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        box->setMinimumWidth(kSearchBoxMinimumWidth);
    }
    m_text2->hide();
    searchLayout->addWidget(m_text1);
    searchLayout->addWidget(m_text2);
    m_toolbar->addWidget(searchHolder);
    addToolBar(Qt::TopToolBarArea, m_toolbar);

    m_status = new StatusPanels(this);
    setStatusBar(m_status);

    m_body = new QWidget(this);
    m_body->setObjectName(QStringLiteral("MainBody"));
    setCentralWidget(m_body);

    m_list = new SetListView(m_body);

    m_tree = new QTreeView(m_body);
    m_tree->setObjectName(QStringLiteral("TreeView1"));
    m_tree->setHeaderHidden(true);
    m_tree->setUniformRowHeights(true);
    m_tree->hide();

    m_splitter = new SplitterHandle(m_body);
    connect(m_splitter, &SplitterHandle::released, this, &MainWindow::onSplitterReleased);

    createInfoPanel();

    createBrowser();
    createJoystick();
    createFullScreenList();
}

void MainWindow::createInfoPanel() {
    m_info = new InfoPanel({m_state, m_settings, m_prompts, m_services, action(ActionId::ViewHistory),
                            action(ActionId::ViewPicture), [this] { return m_browser->selectedSet(); },
                            [this] {
                                m_browser->reselectAndShow();
                            }},
                           m_body);
    connect(m_info, &InfoPanel::layoutChanged, this, [this] {
        int left = m_splitterLeft;
        SizeControls(left);
    });
    connect(action(ActionId::ToolsReloadHistory), &QAction::triggered, m_info, &InfoPanel::reloadHistory);
    connect(action(ActionId::ItemPopupHistoryNotepad), &QAction::triggered, m_info,
            &InfoPanel::openHistoryInEditor);
}

void MainWindow::SizeControls(int &splitterLeftTwips) {
    // Before the window first shows, its layout has not placed the body yet: place it now.
    if (layout()) {
        layout()->activate();
    }
    MainLayoutInput in;
    in.innerWidth = PixelsToTwips(m_body->width());
    in.innerHeight = PixelsToTwips(m_body->height());
    in.outerWidth = PixelsToTwips(frameGeometry().width());
    // The toolbar and the status bar lie outside the body: the body's own coordinates start below them.
    in.toolbarHeight = 0;
    in.statusBarHeight = 0;
    in.splitterLeft = splitterLeftTwips;
    in.infoPanelVisible = !m_info->isHidden();
    in.pictureWidth = PixelsToTwips(m_info->pictureWidth());
    // The splitter makes room for the picture, and the picture is fitted to the panel the splitter leaves:
    // a second pass settles both.
    MainLayoutResult out;
    for (int pass = 0; pass < 2; ++pass) {
        out = ComputeMainLayout(in);
        if (!in.infoPanelVisible) {
            break;
        }
        m_info->place(out.infoPanel);
        const int fitted = PixelsToTwips(m_info->pictureWidth());
        if (fitted == in.pictureWidth) {
            break;
        }
        in.pictureWidth = fitted;
        in.splitterLeft = out.splitterLeft;
    }

    splitterLeftTwips = out.splitterLeft;
    m_splitterLeft = out.splitterLeft;
    m_splitter->setGeometry(pixelRect(out.splitter));
    m_splitter->setVisible(in.infoPanelVisible);
    m_list->setGeometry(pixelRect(out.list));
    m_tree->setGeometry(pixelRect(out.list));
    // The layout rules' width is the most the box takes; where the toolbar's buttons leave less, the
    // toolbar narrows the box rather than moving it into its overflow menu.
    const int searchWidth = std::max(TwipsToPixels(out.searchBoxWidth), kSearchBoxMinimumWidth);
    m_text1->setMaximumWidth(searchWidth);
    m_text2->setMaximumWidth(searchWidth);
    updateSplitterLimits();
}

QRect MainWindow::pixelRect(const TwipsRect &rect) const {
    return QRect(TwipsToPixels(rect.left), TwipsToPixels(rect.top), TwipsToPixels(rect.width),
                 TwipsToPixels(rect.height));
}

void MainWindow::updateSplitterLimits() {
    const int innerWidth = PixelsToTwips(m_body->width());
    m_splitter->setDragLimits(TwipsToPixels(ClampDraggedSplitter(0, innerWidth)),
                              TwipsToPixels(ClampDraggedSplitter(innerWidth, innerWidth)));
}

void MainWindow::onSplitterReleased(int parentX) {
    int left = ClampDraggedSplitter(PixelsToTwips(parentX), PixelsToTwips(m_body->width()));
    SizeControls(left);
}

void MainWindow::ToggleMenuBar() {
    setMenuBarShown(menuBar()->isHidden());
}

void MainWindow::setMenuBarShown(bool shown) {
    menuBar()->setVisible(shown);
    // The entry and its shortcut live on the window, so they reach it while the bar is hidden too.
    action(ActionId::ViewMenuBar)->setChecked(shown);
    // The panels take over the bar's place (or give it back) at once, not at the next resize.
    if (isVisible()) {
        int left = m_splitterLeft;
        SizeControls(left);
    }
}

void MainWindow::ShowToolbar(bool show) {
    m_toolbar->setVisible(show);
    action(ActionId::ViewToolbar)->setChecked(show);
    int left = m_splitterLeft;
    SizeControls(left);
}

void MainWindow::ToggleStatusBar() {
    const bool show = m_status->isHidden();
    m_status->setVisible(show);
    action(ActionId::ViewStatusBar)->setChecked(show);
    int left = m_splitterLeft;
    SizeControls(left);
    m_settings.set(Settings::ShowStatusBar, show);
}

void MainWindow::SetControlsEnabled(bool enabled) {
    for (QAction *menuAction : menuBar()->actions()) {
        menuAction->setEnabled(enabled);
    }
    // The commands themselves too, so no shortcut and no toolbar button acts under the running work.
    m_actions->setCommandsEnabled(enabled);
    m_text1->setEnabled(enabled);
    m_text2->setEnabled(enabled);
}

void MainWindow::closeEvent(QCloseEvent *event) {
    if (m_busy) {
        event->ignore();
        return;
    }
    unload();
    event->accept();
}

void MainWindow::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    if (isMinimized()) {
        return;
    }
    const int minWidth = TwipsToPixels(kMinWindowWidthTwips);
    const int minHeight = TwipsToPixels(kMinWindowHeightTwips);
    if (!isMaximized() && !isFullScreen() && (width() < minWidth || height() < minHeight)) {
        resize(std::max(width(), minWidth), std::max(height(), minHeight));
        return;
    }
    int left = m_splitterLeft;
    SizeControls(left);
}

void MainWindow::changeEvent(QEvent *event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !isMinimized()) {
        return;
    }
    if (m_busy) {
        // A long operation keeps the window where the user can see it.
        QTimer::singleShot(0, this, [this] { showNormal(); });
        return;
    }
    (m_browser->isGrouped() ? static_cast<QWidget *>(m_tree) : m_list)->setFocus();
    // Only into a notification area that shows the icon: without one the window could not come back.
    if (m_state.trayMin && m_trayIcon && m_trayIcon->isShown()) {
        QTimer::singleShot(0, this, &QWidget::hide);
    }
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() == this && handleWindowKey(static_cast<QKeyEvent *>(event))) {
            return true;
        }
    }
    if (event->type() == QEvent::ToolTip && !m_state.ShowToolTips) {
        // With tool tips off a toolbar button would still show its action's caption: show nothing.
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->parentWidget() == m_toolbar) {
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::handleWindowKey(QKeyEvent *event) {
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (menuBar()->isHidden() && (enter || key == Qt::Key_Escape)) {
        ToggleMenuBar();
        // Enter goes on to play the selected set, as it does with the menu bar shown.
        return !enter;
    }
    return false;
}

} // namespace qx
