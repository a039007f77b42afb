#pragma once

#include <QString>

namespace qx {

// Which of MAME's option files the options dialog edits: mame.ini (Default), vector.ini (Vector), the file of
// one driver source (Driver, all the sets of that driver) or the file of one set (Set; for a parent also its
// clones).
enum class OptionScopeKind { Default, Vector, Driver, Set };

// The menu entries that open the options dialog, each with its own scope.
enum class OptionsMenuEntry { DefaultOptions, VectorOptions, SetOptions, DriverOptions };

// The three flags the main window sets before it opens the dialog. The set flag wins over the driver flag and
// the driver flag over the vector flag; none set means Default.
struct OptionsScopeFlags {
    bool set = false;
    bool driver = false;
    bool vector = false;

    static OptionsScopeFlags forEntry(OptionsMenuEntry entry);
    OptionScopeKind kind() const;
};

// The set the main window has selected, as far as the scope needs it.
struct OptionScopeSelection {
    QString setName;
    QString parentName;        // empty for a parent set
    QString driverSourceFile;  // as MAME lists it, e.g. "atari/pong.cpp"
    bool vectorScreen = false; // picks vector.ini rather than raster.ini among the layers below
};

class OptionScope {
public:
    OptionScope() = default; // Default
    static OptionScope fromFlags(const OptionsScopeFlags &flags, const OptionScopeSelection &selection);
    static OptionScope forEntry(OptionsMenuEntry entry, const OptionScopeSelection &selection);

    OptionScopeKind kind() const { return m_kind; }
    const OptionScopeSelection &selection() const { return m_selection; }
    // A set or driver scope needs a selected set; Default and Vector are always valid.
    bool isValid() const;
    bool isClone() const { return !m_selection.parentName.isEmpty(); }

    // The driver source file without its folder ("pong.cpp"), and up to its first "." ("pong").
    QString driverFileName() const;
    QString driverName() const;
    // The layer file's name relative to the INI directory, without ".ini": "vector", "source/pong", "pacman";
    // empty for Default (mame.ini itself).
    QString fileBaseName() const;
    // Only layer files can be deleted from the dialog; mame.ini never.
    bool canDeleteFile() const { return m_kind != OptionScopeKind::Default; }

private:
    OptionScopeKind m_kind = OptionScopeKind::Default;
    OptionScopeSelection m_selection;
};

// The dialog's window title; filePath is the scope's option file (shown for the Vector scope).
QString OptionScopeTitle(const OptionScope &scope, const QString &filePath);
// The help label's text: which sets the file applies to and what it takes priority over ("" for Default).
QString OptionScopeHelpText(const OptionScope &scope);
// "Delete pacman.ini?", "Delete pong.ini?", "Delete vector.ini?"; "" for Default.
QString DeleteOptionFileQuestion(const OptionScope &scope);

} // namespace qx
