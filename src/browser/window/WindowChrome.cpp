#include "browser/window/WindowChrome.h"

#include "app/AppearanceConversions.h"
#include "app/PathHelpers.h"
#include "app/PlatformServices.h"
#include "app/ScopeGuards.h"
#include "browser/info/InfoPanel.h"
#include "browser/setlist/SetBrowser.h"
#include "browser/setlist/SetListView.h"
#include "browser/window/MainActions.h"
#include "browser/window/MainWindow.h"
#include "browser/window/StatusPanels.h"
#include "browser/window/WindowAppearance.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTimer>
#include <QTreeView>

namespace qx {

namespace {

// A MAME document where an installation keeps it: the emulator directory's docs folder, next to the
// executable (or in a docs folder there), then the system's documentation folders of MAME's packages.
QString FindHelpDocument(const QString &fileName, const QString &emulatorDir, const QString &emulatorPath) {
    QStringList folders{emulatorDir + QStringLiteral("docs")};
    if (!emulatorPath.isEmpty()) {
        const QString executableDir = QFileInfo(emulatorPath).absolutePath();
        folders << executableDir << executableDir + QStringLiteral("/docs");
    }
    const QDir systemDocs(QStringLiteral("/usr/share/doc"));
    for (const QString &package : systemDocs.entryList({QStringLiteral("mame*")}, QDir::Dirs, QDir::Name)) {
        folders << systemDocs.filePath(package);
    }
    for (const QString &folder : std::as_const(folders)) {
        const QString path = QDir(folder).filePath(fileName);
        if (FileExists(path)) {
            return path;
        }
    }
    return QString();
}

// The back colour a control shows: the text area's for views and text boxes, the window's for the rest.
quint32 BackColourOf(const QWidget *control) {
    const bool textArea = control->inherits("QAbstractScrollArea");
    return NumberFromColour(control->palette().color(textArea ? QPalette::Base : QPalette::Window));
}

} // namespace

WindowChrome::WindowChrome(MainWindow &window, WindowAppearance &appearance, WindowChromeHooks hooks,
                           QObject *parent)
    : QObject(parent ? parent : &window), m_window(window), m_appearance(appearance),
      m_hooks(std::move(hooks)) {
    setObjectName(QStringLiteral("WindowChrome"));
    connectActions();
    // The caption and the picture pass their mouse buttons on to the panel, so watching the panel sees every
    // release on them once. The right button opens the general pop-up, not a menu of a widget's own.
    InfoPanel &panel = m_window.infoPanel();
    m_panel = &panel;
    m_panel->installEventFilter(this);
    for (QWidget *widget : {static_cast<QWidget *>(&panel), static_cast<QWidget *>(panel.caption()),
                            static_cast<QWidget *>(panel.picture())}) {
        widget->setContextMenuPolicy(Qt::PreventContextMenu);
    }
}

void WindowChrome::connectActions() {
    MainActions &a = m_window.actions();
    using Picker = void (WindowChrome::*)();
    const auto connectPickers = [this, &a](std::initializer_list<std::pair<ActionId, Picker>> pickers) {
        for (const auto &[id, picker] : pickers) {
            connect(a[id], &QAction::triggered, this, picker);
        }
    };
    connectPickers({{ActionId::FontsList, &WindowChrome::pickListFont},
                    {ActionId::FontsHistory, &WindowChrome::pickHistoryFont},
                    {ActionId::FontsStatusBar, &WindowChrome::pickStatusBarFont}});
    connectPickers({{ActionId::ColourAll, &WindowChrome::pickColourForAll},
                    {ActionId::ColourList, &WindowChrome::pickListColour},
                    {ActionId::ColourHistory, &WindowChrome::pickHistoryColour}});
    const std::pair<ActionId, CopyField> copies[] = {{ActionId::ItemPopupCopy0, CopyField::Description},
                                                     {ActionId::ItemPopupCopy1, CopyField::Name},
                                                     {ActionId::ItemPopupCopy2, CopyField::Parent},
                                                     {ActionId::ItemPopupCopy3, CopyField::Manufacturer}};
    for (const auto &[id, field] : copies) {
        connect(a[id], &QAction::triggered, this, [this, field = field] { CopyToClipboard(field); });
    }
    connect(a[ActionId::HelpMameTxt], &QAction::triggered, this,
            [this] { openHelpDocument(QStringLiteral("mame.txt")); });
    connect(a[ActionId::HelpWhatsNew], &QAction::triggered, this,
            [this] { openHelpDocument(QStringLiteral("whatsnew.txt")); });
    connect(a[ActionId::HelpHome], &QAction::triggered, this, [this] { openHomePage(HomePage::Quorvex); });
    connect(a[ActionId::HelpMameHome], &QAction::triggered, this, [this] { openHomePage(HomePage::Mame); });
    connect(a[ActionId::HelpHistoryHome], &QAction::triggered, this,
            [this] { openHomePage(HomePage::HistoryDatabase); });
}

template <typename Dialog>
auto WindowChrome::withJoystickStopped(Dialog dialog) {
    const JoystickPause pause(m_window.joystick());
    return dialog();
}

std::optional<FontChoice> WindowChrome::pickFont(QWidget *control, bool withColour) {
    if (!control) {
        return std::nullopt;
    }
    FontChoice initial = ChoiceFromFont(control->font());
    if (withColour) {
        const bool textArea = control->inherits("QAbstractScrollArea");
        initial.colour =
            NumberFromColour(control->palette().color(textArea ? QPalette::Text : QPalette::WindowText));
    }
    return withJoystickStopped([&] { return m_window.prompts().chooseFont(initial, withColour); });
}

std::optional<quint32> WindowChrome::pickColour(QWidget *control) {
    if (!control) {
        return std::nullopt;
    }
    const quint32 initial = BackColourOf(control);
    return withJoystickStopped([&] { return m_window.prompts().chooseColour(initial); });
}

void WindowChrome::pickListFont() {
    const auto chosen = pickFont(&m_window.setListView(), true);
    if (!chosen) {
        return;
    }
    m_appearance.listFont = *chosen;
    ApplyFont(&m_window.setListView(), *chosen);
    ApplyFont(&m_window.treeView(), *chosen);
}

void WindowChrome::pickHistoryFont() {
    const InfoPanel &panel = m_window.infoPanel();
    const auto chosen = pickFont(panel.historyBox(), true);
    if (!chosen) {
        return;
    }
    m_appearance.infoFont = *chosen;
    ApplyFont(panel.historyBox(), *chosen);
    ApplyFont(panel.caption(), *chosen);
}

void WindowChrome::pickStatusBarFont() {
    const auto chosen = pickFont(&m_window.statusPanels(), false);
    if (!chosen) {
        return;
    }
    m_appearance.statusFont = *chosen;
    m_appearance.statusFont.colour.reset();
    ApplyFont(&m_window.statusPanels(), m_appearance.statusFont);
    if (!m_appearance.writeStatusFont(m_window.settings())) {
        reportWriteFailure();
    }
}

void WindowChrome::pickColourForAll() {
    const auto colour = pickColour(&m_window.setListView());
    if (!colour) {
        return;
    }
    m_appearance.listBackColour = colour;
    m_appearance.treeBackColour = colour;
    m_appearance.infoBackColour = colour;
    m_appearance.pictureBackColour = colour;
    ApplyBackColour(&m_window.setListView(), colour);
    ApplyBackColour(&m_window.treeView(), colour);
    applyInfoBackColour(colour);
    if (!m_appearance.writeTreeBackColour(m_window.settings())) {
        reportWriteFailure();
    }
}

void WindowChrome::pickListColour() {
    const auto colour = pickColour(&m_window.setListView());
    if (!colour) {
        return;
    }
    m_appearance.listBackColour = colour;
    m_appearance.treeBackColour = colour;
    ApplyBackColour(&m_window.setListView(), colour);
    ApplyBackColour(&m_window.treeView(), colour);
    if (!m_appearance.writeTreeBackColour(m_window.settings())) {
        reportWriteFailure();
    }
}

void WindowChrome::pickHistoryColour() {
    const auto colour = pickColour(m_window.infoPanel().historyBox());
    if (!colour) {
        return;
    }
    m_appearance.infoBackColour = colour;
    m_appearance.pictureBackColour = colour;
    applyInfoBackColour(colour);
}

void WindowChrome::applyInfoBackColour(const std::optional<quint32> &colour) {
    InfoPanel &panel = m_window.infoPanel();
    for (QWidget *widget :
         {static_cast<QWidget *>(panel.historyBox()), static_cast<QWidget *>(&panel),
          static_cast<QWidget *>(panel.picture()), static_cast<QWidget *>(panel.caption())}) {
        ApplyBackColour(widget, colour);
    }
}

void WindowChrome::CopyToClipboard(CopyField field) {
    PlatformServices &services = m_window.services();
    services.setClipboardText(QString());
    const SetCatalogue &catalogue = m_window.catalogue();
    const qsizetype index = catalogue.indexOfName(m_window.browser().selectedSet().name);
    if (index < 0) {
        return;
    }
    const SetView record = catalogue.at(index);
    switch (field) {
    case CopyField::Description:
        services.setClipboardText(record.description().toString());
        break;
    case CopyField::Name:
        services.setClipboardText(record.name().toString());
        break;
    case CopyField::Parent:
        services.setClipboardText(record.parent().toString());
        break;
    case CopyField::Manufacturer:
        services.setClipboardText(record.manufacturer().toString());
        break;
    }
}

void WindowChrome::openHelpDocument(const QString &fileName) {
    const ProgramState &state = m_window.state();
    QString document = FindHelpDocument(fileName, state.EmulatorDir, state.EmulatorPath);
    if (document.isEmpty()) {
        document = onlineHelpAddress(fileName, m_window.settings().get(Settings::Version));
    }
    if (!m_window.services().openUrl(document)) {
        m_window.prompts().inform(
            QStringLiteral("No program on this desktop opens %1.").arg(QDir::toNativeSeparators(document)),
            kAppTitle, PromptIcon::Warning);
    }
}

QString WindowChrome::onlineHelpAddress(const QString &fileName, const QString &mameVersion) {
    // The release notes of the version MAME named ("MAME v0.251 (...)"); the documentation otherwise.
    static const QRegularExpression kRelease(QStringLiteral("\\b0\\.(\\d{1,4})\\b"));
    const QRegularExpressionMatch release = kRelease.match(mameVersion);
    if (fileName == QLatin1String("whatsnew.txt") && release.hasMatch()) {
        return QStringLiteral("https://www.mamedev.org/releases/whatsnew_%1.txt")
            .arg(release.captured(1).toInt(), 4, 10, QLatin1Char('0'));
    }
    return QStringLiteral("https://docs.mamedev.org/");
}

QString WindowChrome::homePageAddress(HomePage page) {
    switch (page) {
    case HomePage::Quorvex:
        return QStringLiteral("https://github.com/quorvex/quorvex");
    case HomePage::Mame:
        return QStringLiteral("https://www.mamedev.org/");
    case HomePage::HistoryDatabase:
        return QStringLiteral("https://www.arcade-history.com/");
    }
    return {};
}

void WindowChrome::openHomePage(HomePage page) {
    const QString address = homePageAddress(page);
    if (!m_window.services().openUrl(address)) {
        m_window.prompts().inform(QStringLiteral("No web browser on this desktop opens %1.").arg(address),
                                  kAppTitle, PromptIcon::Warning);
    }
}

void WindowChrome::focusShownView() {
    if (m_hooks.focusShownView) {
        m_hooks.focusShownView();
        return;
    }
    for (QWidget *view :
         {static_cast<QWidget *>(&m_window.setListView()), static_cast<QWidget *>(&m_window.treeView())}) {
        if (!view->isHidden()) {
            view->setFocus();
            return;
        }
    }
}

void WindowChrome::reportWriteFailure() {
    m_window.prompts().inform(QStringLiteral("Quorvex could not save its settings to %1.\nThe folder may be "
                                             "read-only or the disk full.")
                                  .arg(QDir::toNativeSeparators(m_window.settings().path())),
                              kAppTitle, PromptIcon::Warning);
}

bool WindowChrome::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_panel && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        focusShownView();
        if (mouse->button() == Qt::RightButton) {
            m_window.actions().generalPopup()->popup(mouse->globalPosition().toPoint());
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace qx
