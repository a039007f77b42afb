#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

namespace qx {

// Every command of the main window as one QAction, named as the program's documentation names the menu
// entry (mnuFilePlay, mnuViewHistory...). A menu-bar entry and its pop-up twin are the same QAction, so
// they share the handler and the check mark by construction; the twin's name is an alias of the action.
class MainActions : public QObject {
    Q_OBJECT
public:
    explicit MainActions(QWidget *window);

    // The action of a name or alias; nullptr when there is none.
    QAction *find(const QString &name) const;
    // Like find, but a missing name is a programming error.
    QAction *operator[](const QString &name) const;
    QStringList names() const { return m_byName.keys(); }
    QStringList aliasesOf(const QString &name) const;

    QMenu *menu(const QString &name) const { return m_menus.value(name); }

    void buildMenuBar(QMenuBar *bar);
    void buildToolBar(QToolBar *bar);
    QMenu *itemPopup() const { return m_itemPopup; }
    QMenu *generalPopup() const { return m_generalPopup; }
    QMenu *trayMenu() const { return m_trayMenu; }

    // The toolbar's action for button 1 to 10 (3, 6 and 9 are separators).
    QAction *toolbarButton(int number) const;

    // Disables every command, and with it its shortcut and toolbar button, while a long operation runs;
    // enabling gives each command back the state its own part last gave it (a command not built yet stays
    // disabled).
    void setCommandsEnabled(bool enabled);

private:
    QAction *add(const QString &name, const QString &caption, const QString &shortcut = {},
                 bool checkable = false);
    QAction *separator(const QString &name);
    void alias(const QString &twin, const QString &name);
    QMenu *newMenu(const QString &name, const QString &caption, QWidget *parent);
    void createActions();
    void buildItemPopup();
    void buildGeneralPopup();
    void buildTrayMenu();

    QWidget *m_window;
    QHash<QString, QAction *> m_byName;
    QHash<QString, QMenu *> m_menus;
    // Every command is in one of these groups; a disabled group holds its commands disabled.
    QActionGroup *m_commands = nullptr;
    QActionGroup *m_viewModes = nullptr;
    QMenu *m_itemPopup = nullptr;
    QMenu *m_generalPopup = nullptr;
    QMenu *m_trayMenu = nullptr;
};

} // namespace qx
