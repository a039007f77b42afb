#pragma once

#include <QString>
#include <optional>

namespace qx {

enum class PromptButtons { Ok, YesNo, OkCancel, YesNoCancel };
enum class PromptIcon { None, Information, Warning, Error, Question };
enum class PromptAnswer { Ok, Yes, No, Cancel };

struct FileDialogRequest {
    bool save = false; // a save dialog accepts a name that does not exist yet
    QString initialFolder;
    QString filter; // Qt filter text, e.g. "MAME Input Files (*.inp);;All files (*)"
    QString title;
    QString initialFile; // preselected file name (or full path)
};

struct FileDialogResult {
    QString fileTitle; // the chosen file's name without its folder; empty when cancelled
    QString filePath;  // the full path; empty when cancelled
    bool cancelled() const { return filePath.isEmpty(); }
};

// A font as the settings store it.
struct FontChoice {
    QString family;
    int pointSize = 0; // 0 = the designed size
    bool bold = false;
    bool italic = false;
    bool strikeOut = false;
    bool underline = false;
    std::optional<quint32> colour; // platform colour number (blue, green, red bytes)
};

// Everything that asks the user something or tells the user something goes through here, so the program's
// logic can be driven by a script in tests and by real dialogs in the program.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    virtual PromptAnswer ask(const QString &text, const QString &title, PromptButtons buttons,
                             PromptAnswer defaultButton, PromptIcon icon = PromptIcon::Question) = 0;
    virtual void inform(const QString &text, const QString &title,
                        PromptIcon icon = PromptIcon::Information) = 0;
    virtual FileDialogResult chooseFile(const FileDialogRequest &request) = 0;
    // "" when cancelled.
    virtual QString chooseFolder(const QString &title, const QString &initialFolder) = 0;
    virtual std::optional<FontChoice> chooseFont(const FontChoice &initial, bool withColour) = 0;
    virtual std::optional<quint32> chooseColour(quint32 initial) = 0;
    // nullopt when cancelled.
    virtual std::optional<QString> inputText(const QString &prompt, const QString &title,
                                             const QString &defaultText) = 0;
};

inline const QString kAppTitle = QStringLiteral("Quorvex");

} // namespace qx
