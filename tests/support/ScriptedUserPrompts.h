#pragma once

#include "app/PlatformServices.h"
#include "app/UserPrompts.h"

#include <QFileInfo>
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
    QStringList shownTexts(std::optional<ShownPrompt::Kind> kind = std::nullopt) const {
        QStringList texts;
        for (const ShownPrompt &prompt : m_shown) {
            if (!kind || prompt.kind == *kind) {
                texts.append(prompt.text);
            }
        }
        return texts;
    }
    void clearShown() { m_shown.clear(); }
    int pendingAnswers() const { return int(m_answers.size()); }

    PromptAnswer ask(const QString &text, const QString &title, PromptButtons buttons,
                     PromptAnswer defaultButton, PromptIcon icon) override {
        m_shown.append({ShownPrompt::Kind::Ask, text, title, buttons, defaultButton, icon, {}});
        return next(m_answers).value_or(buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::No);
    }
    void inform(const QString &text, const QString &title, PromptIcon icon) override {
        m_shown.append(
            {ShownPrompt::Kind::Inform, text, title, PromptButtons::Ok, PromptAnswer::Ok, icon, {}});
    }
    FileDialogResult chooseFile(const FileDialogRequest &request) override {
        dialogShown(ShownPrompt::Kind::File, request.title, request.title, request);
        const QString path = next(m_files).value_or(QString());
        return path.isEmpty() ? FileDialogResult{} : FileDialogResult{QFileInfo(path).fileName(), path};
    }
    QString chooseFolder(const QString &title, const QString &initialFolder) override {
        FileDialogRequest start;
        start.initialFolder = initialFolder;
        dialogShown(ShownPrompt::Kind::Folder, title, title, start);
        return next(m_folders).value_or(QString());
    }
    std::optional<FontChoice> chooseFont(const FontChoice &, bool) override {
        dialogShown(ShownPrompt::Kind::Font);
        return next(m_fonts);
    }
    std::optional<quint32> chooseColour(quint32) override {
        dialogShown(ShownPrompt::Kind::Colour);
        return next(m_colours);
    }
    std::optional<QString> inputText(const QString &prompt, const QString &title, const QString &) override {
        dialogShown(ShownPrompt::Kind::Input, prompt, title);
        return next(m_inputs).value_or(std::nullopt);
    }

private:
    // The next queued answer, or none (a cancelled dialog) when the queue is empty.
    template <typename T>
    static std::optional<T> next(QQueue<T> &queue) {
        return queue.isEmpty() ? std::nullopt : std::optional<T>(queue.dequeue());
    }
    // Records a dialog the user fills in or cancels.
    void dialogShown(ShownPrompt::Kind kind, const QString &text = {}, const QString &title = {},
                     const FileDialogRequest &request = {}) {
        m_shown.append(
            {kind, text, title, PromptButtons::OkCancel, PromptAnswer::Ok, PromptIcon::None, request});
    }

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
