#include "ScriptedUserPrompts.h"

#include <QFileInfo>

namespace qx::test {

namespace {

// The next queued answer, or none (a cancelled dialog) when the queue is empty.
template <typename T>
std::optional<T> next(QQueue<T> &queue) {
    return queue.isEmpty() ? std::nullopt : std::optional<T>(queue.dequeue());
}

// A dialog the user fills in or cancels.
ShownPrompt dialogShown(ShownPrompt::Kind kind, const QString &text = {}, const QString &title = {},
                        const FileDialogRequest &request = {}) {
    return {kind, text, title, PromptButtons::OkCancel, PromptAnswer::Ok, PromptIcon::None, request};
}

} // namespace

QStringList ScriptedUserPrompts::shownTexts(std::optional<ShownPrompt::Kind> kind) const {
    QStringList texts;
    for (const ShownPrompt &prompt : m_shown) {
        if (!kind || prompt.kind == *kind) {
            texts.append(prompt.text);
        }
    }
    return texts;
}

PromptAnswer ScriptedUserPrompts::ask(const QString &text, const QString &title, PromptButtons buttons,
                                      PromptAnswer defaultButton, PromptIcon icon) {
    m_shown.append({ShownPrompt::Kind::Ask, text, title, buttons, defaultButton, icon, {}});
    return next(m_answers).value_or(buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::No);
}

void ScriptedUserPrompts::inform(const QString &text, const QString &title, PromptIcon icon) {
    m_shown.append({ShownPrompt::Kind::Inform, text, title, PromptButtons::Ok, PromptAnswer::Ok, icon, {}});
}

FileDialogResult ScriptedUserPrompts::chooseFile(const FileDialogRequest &request) {
    m_shown.append(dialogShown(ShownPrompt::Kind::File, request.title, request.title, request));
    const QString path = next(m_files).value_or(QString());
    return path.isEmpty() ? FileDialogResult{} : FileDialogResult{QFileInfo(path).fileName(), path};
}

QString ScriptedUserPrompts::chooseFolder(const QString &title, const QString &initialFolder) {
    FileDialogRequest start;
    start.initialFolder = initialFolder;
    m_shown.append(dialogShown(ShownPrompt::Kind::Folder, title, title, start));
    return next(m_folders).value_or(QString());
}

std::optional<FontChoice> ScriptedUserPrompts::chooseFont(const FontChoice &, bool) {
    m_shown.append(dialogShown(ShownPrompt::Kind::Font));
    return next(m_fonts);
}

std::optional<quint32> ScriptedUserPrompts::chooseColour(quint32) {
    m_shown.append(dialogShown(ShownPrompt::Kind::Colour));
    return next(m_colours);
}

std::optional<QString> ScriptedUserPrompts::inputText(const QString &prompt, const QString &title,
                                                      const QString &) {
    m_shown.append(dialogShown(ShownPrompt::Kind::Input, prompt, title));
    return next(m_inputs).value_or(std::nullopt);
}

} // namespace qx::test
