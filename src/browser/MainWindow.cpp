#include "browser/MainWindow.h"

#include "app/UserPrompts.h"
#include "browser/MainActions.h"
#include "browser/MainLayout.h"
#include "browser/SetBrowser.h"
#include "browser/SetListView.h"
#include "browser/SplitterHandle.h"
#include "browser/StatusPanels.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>

namespace qx {

namespace {

const QStringList kColumnCaptions{QStringLiteral("Description"),  QStringLiteral("Name"),
                                  QStringLiteral("Parent"),       QStringLiteral("Year"),
                                  QStringLiteral("Manufacturer"), QStringLiteral("Status"),
                                  QStringLiteral("Driver")};

} // namespace

MainWindow::MainWindow(const QString &programDir, UserPrompts &prompts, PlatformServices &services)
    : m_programDir(programDir), m_settings(programDir + QStringLiteral("qx.ini")), m_prompts(prompts),
      m_services(services) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kAppTitle);
    m_state.programDir = programDir;
    createControls();
    connectActions();
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
}

void MainWindow::createControls() {
    m_actions = new MainActions(this);
    m_actions->buildMenuBar(menuBar());

    m_toolbar = new QToolBar(QStringLiteral("Toolbar"), this);
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setIconSize(QSize(20, 20));
    m_toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    m_actions->buildToolBar(m_toolbar);
    // The two search boxes share one place on the toolbar; only the shown view's box is visible.
    auto *searchHolder = new QWidget(m_toolbar);
    searchHolder->setObjectName(QStringLiteral("SearchBoxes"));
    auto *searchLayout = new QHBoxLayout(searchHolder);
    searchLayout->setContentsMargins(4, 0, 0, 0);
    m_text1 = new QLineEdit(searchHolder);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setPlaceholderText(QStringLiteral("Search description, name or parent"));
    m_text1->setClearButtonEnabled(true);
    m_text2 = new QLineEdit(searchHolder);
    m_text2->setObjectName(QStringLiteral("Text2"));
    m_text2->setPlaceholderText(m_text1->placeholderText());
    m_text2->setClearButtonEnabled(true);
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

    createInfoPanel(m_body);

    m_joystickTimer = new QTimer(this);
    m_joystickTimer->setObjectName(QStringLiteral("Timer1"));
    createBrowser();
}

void MainWindow::createBrowser() {
    BrowserWidgets widgets;
    widgets.list = m_list;
    widgets.tree = m_tree;
    widgets.text1 = m_text1;
    widgets.text2 = m_text2;
    for (int panel = 1; panel <= StatusPanels::kPanelCount; ++panel) {
        widgets.panels[panel - 1] = m_status->panel(panel);
    }
    widgets.itemPopup = m_actions->itemPopup();
    widgets.generalPopup = m_actions->generalPopup();
    widgets.pictureCaption = m_caption;
    BrowserHooks hooks;
    hooks.isBusy = [this] {
        return m_busy;
    };
    hooks.reloadCatalogue = [this] {
        LoadSetList();
    };
    m_browser =
        new SetBrowser(widgets, this, std::move(hooks), m_catalogue, m_state, m_settings, m_prompts, this);
}

void MainWindow::createInfoPanel(QWidget *body) {
    m_infoPanel = new QFrame(body);
    m_infoPanel->setObjectName(QStringLiteral("picHolder"));
    m_infoPanel->setFrameShape(QFrame::StyledPanel);
    m_infoPanel->setAutoFillBackground(true);
    m_infoPanel->hide();

    m_caption = new QLabel(m_infoPanel);
    m_caption->setObjectName(QStringLiteral("Label1"));
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setFixedHeight(m_caption->fontMetrics().height() + 6);

    m_picture = new QLabel(m_infoPanel);
    m_picture->setObjectName(QStringLiteral("picFlyer"));
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->resize(TwipsToPixels(100), 0);
    m_picture->hide();

    m_history = new QPlainTextEdit(m_infoPanel);
    m_history->setObjectName(QStringLiteral("txtHistory"));
    m_history->setReadOnly(true);
    m_history->hide();

    m_scroll = new QScrollBar(Qt::Horizontal, m_infoPanel);
    m_scroll->setObjectName(QStringLiteral("HScroll1"));
    m_scroll->setRange(0, 99);
    m_scroll->setFixedSize(TwipsToPixels(500) - 4, m_caption->height());
    m_scroll->hide();
}

void MainWindow::connectActions() {
    MainActions &a = *m_actions;
    connect(a[QStringLiteral("mnuFileExit")], &QAction::triggered, this, &QWidget::close);
    connect(a[QStringLiteral("mnuTrayExit")], &QAction::triggered, this, &QWidget::close);
    connect(a[QStringLiteral("mnuViewMenuBar")], &QAction::triggered, this, &MainWindow::ToggleMenuBar);
    connect(a[QStringLiteral("mnuViewToolbar")], &QAction::triggered, this,
            [this] { ShowToolbar(m_toolbar->isHidden()); });
    connect(a[QStringLiteral("mnuViewStatusBar")], &QAction::triggered, this, &MainWindow::ToggleStatusBar);
    connect(a[QStringLiteral("mnuToolsSelectMame")], &QAction::triggered, this, &MainWindow::SelectEmulator);
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
    in.infoPanelVisible = !m_infoPanel->isHidden();
    in.bothShown = m_bothShown;
    in.pictureWidth = m_picture->isHidden() ? 0 : PixelsToTwips(m_picture->width());
    in.pictureHeight = m_picture->isHidden() ? 0 : PixelsToTwips(m_picture->height());
    in.captionHeight = PixelsToTwips(m_caption->height());
    const MainLayoutResult out = ComputeMainLayout(in);

    splitterLeftTwips = out.splitterLeft;
    m_splitterLeft = out.splitterLeft;
    m_splitter->setGeometry(pixelRect(out.splitter));
    m_splitter->setVisible(in.infoPanelVisible);
    m_list->setGeometry(pixelRect(out.list));
    m_tree->setGeometry(pixelRect(out.list));
    if (in.infoPanelVisible) {
        m_infoPanel->setGeometry(pixelRect(out.infoPanel));
    }
    const int searchWidth = std::max(TwipsToPixels(out.searchBoxWidth), 120);
    m_text1->setFixedWidth(searchWidth);
    m_text2->setFixedWidth(searchWidth);

    m_scroll->move(TwipsToPixels(out.scrollBarLeft), 0);
    m_caption->setGeometry(pixelRect(out.caption));
    m_picture->move(TwipsToPixels(out.pictureLeft), TwipsToPixels(out.pictureTop));
    const int historyHeight = out.historyHeight ? TwipsToPixels(*out.historyHeight) : m_history->height();
    m_history->setGeometry(TwipsToPixels(out.historyLeft), TwipsToPixels(out.historyTop),
                           TwipsToPixels(out.historyWidth), historyHeight);
    m_scroll->raise();
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
    const bool show = menuBar()->isHidden();
    menuBar()->setVisible(show);
    m_actions->find(QStringLiteral("mnuViewMenuBar"))->setChecked(show);
}

void MainWindow::ShowToolbar(bool show) {
    m_toolbar->setVisible(show);
    m_actions->find(QStringLiteral("mnuViewToolbar"))->setChecked(show);
    int left = m_splitterLeft;
    SizeControls(left);
}

void MainWindow::ToggleStatusBar() {
    const bool show = m_status->isHidden();
    m_status->setVisible(show);
    m_actions->find(QStringLiteral("mnuViewStatusBar"))->setChecked(show);
    int left = m_splitterLeft;
    SizeControls(left);
    if (!m_settings.writeFlag(QStringLiteral("ShowStatusBar"), show)) {
        reportSettingsWriteFailure();
    }
}

void MainWindow::SetControlsEnabled(bool enabled) {
    for (QAction *menuAction : menuBar()->actions()) {
        menuAction->setEnabled(enabled);
    }
    m_text1->setEnabled(enabled);
    m_text2->setEnabled(enabled);
    for (int button = 1; button <= 10; ++button) {
        if (QAction *action = m_actions->toolbarButton(button)) {
            action->setEnabled(enabled && !action->property("qxNotBuilt").toBool());
        }
    }
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
    m_maximised = isMaximized();
    int left = m_splitterLeft;
    SizeControls(left);
}

void MainWindow::changeEvent(QEvent *event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) {
        return;
    }
    if (isMinimized()) {
        if (m_busy) {
            // A long operation keeps the window where the user can see it.
            QTimer::singleShot(0, this, [this] { showNormal(); });
            return;
        }
        (m_browser->isGrouped() ? static_cast<QWidget *>(m_tree) : m_list)->setFocus();
        if (m_tray == 1 && m_state.trayMin) {
            QTimer::singleShot(0, this, &QWidget::hide);
        }
        return;
    }
    m_maximised = isMaximized();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() == this && handleWindowKey(static_cast<QKeyEvent *>(event))) {
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
        return true;
    }
    return false;
}

} // namespace qx
