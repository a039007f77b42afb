#pragma once

#include "app/PlatformServices.h"
#include "app/UserPrompts.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <QVariant>

namespace qx::test {

// One prompt that was shown, as the user would have seen it.
struct ShownPrompt {
    enum class Kind { Ask, Inform, File, Folder, Font, Colour, Input } kind;
    QString text; // message text, prompt, or dialog title for the file and folder dialogs
    QString title;
    PromptButtons buttons = PromptButtons::Ok;
    PromptAnswer defaultButton = PromptAnswer::Ok;
    PromptIcon icon = PromptIcon::None;
    FileDialogRequest fileRequest; // for Kind::File, and the folder it starts in for Kind::Folder
};

// A UserPrompts whose answers the test queues in advance; every prompt shown is recorded. A prompt that
// finds no queued answer of its kind takes the cancel path (No, cancelled dialog), and is still recorded.
class ScriptedUserPrompts : public UserPrompts {
public:
    void queueAnswer(PromptAnswer answer) { m_answers.enqueue(answer); }
    void queueFile(const QString &filePath) { m_files.enqueue(filePath); }
    void queueFolder(const QString &folder) { m_folders.enqueue(folder); }
    void queueFont(const FontChoice &font) { m_fonts.enqueue(font); }
    void queueColour(quint32 colour) { m_colours.enqueue(colour); }
    void queueInput(const std::optional<QString> &text) { m_inputs.enqueue(text); }

    const QList<ShownPrompt> &shown() const { return m_shown; }
    // The texts of the prompts shown, or of those of one kind.
    QStringList shownTexts(std::optional<ShownPrompt::Kind> kind = std::nullopt) const;
    void clearShown() { m_shown.clear(); }
    int pendingAnswers() const { return int(m_answers.size()); }

    PromptAnswer ask(const QString &text, const QString &title, PromptButtons buttons,
                     PromptAnswer defaultButton, PromptIcon icon) override;
    void inform(const QString &text, const QString &title, PromptIcon icon) override;
    FileDialogResult chooseFile(const FileDialogRequest &request) override;
    QString chooseFolder(const QString &title, const QString &initialFolder) override;
    std::optional<FontChoice> chooseFont(const FontChoice &initial, bool withColour) override;
    std::optional<quint32> chooseColour(quint32 initial) override;
    std::optional<QString> inputText(const QString &prompt, const QString &title,
                                     const QString &defaultText) override;

private:
    QQueue<PromptAnswer> m_answers;
    QQueue<QString> m_files;
    QQueue<QString> m_folders;
    QQueue<FontChoice> m_fonts;
    QQueue<quint32> m_colours;
    QQueue<std::optional<QString>> m_inputs;
    QList<ShownPrompt> m_shown;
};

// Records what the program asked the desktop to open and keeps its own clipboard.
class RecordingPlatformServices : public PlatformServices {
public:
    bool openUrl(const QString &urlOrPath) override {
        opened.append(urlOrPath);
        return true;
    }
    void setClipboardText(const QString &text) override { clipboard = text; }
    QString clipboardText() const override { return clipboard; }

    QStringList opened;
    QString clipboard;
};

} // namespace qx::test
