#include "ScriptedUserPrompts.h"

#include <QFileInfo>

namespace qx::test {

void ScriptedUserPrompts::queueFile(const QString &filePath) {
    m_files.enqueue(filePath);
}

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
    if (m_answers.isEmpty()) {
        return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::No;
    }
    return m_answers.dequeue();
}

void ScriptedUserPrompts::inform(const QString &text, const QString &title, PromptIcon icon) {
    m_shown.append({ShownPrompt::Kind::Inform, text, title, PromptButtons::Ok, PromptAnswer::Ok, icon, {}});
}

FileDialogResult ScriptedUserPrompts::chooseFile(const FileDialogRequest &request) {
    m_shown.append({ShownPrompt::Kind::File, request.title, request.title, PromptButtons::OkCancel,
                    PromptAnswer::Ok, PromptIcon::None, request});
    if (m_files.isEmpty()) {
        return {};
    }
    const QString path = m_files.dequeue();
    if (path.isEmpty()) {
        return {};
    }
    return {QFileInfo(path).fileName(), path};
}

QString ScriptedUserPrompts::chooseFolder(const QString &title, const QString &) {
    m_shown.append({ShownPrompt::Kind::Folder,
                    title,
                    title,
                    PromptButtons::OkCancel,
                    PromptAnswer::Ok,
                    PromptIcon::None,
                    {}});
    return m_folders.isEmpty() ? QString() : m_folders.dequeue();
}

std::optional<FontChoice> ScriptedUserPrompts::chooseFont(const FontChoice &, bool) {
    m_shown.append(
        {ShownPrompt::Kind::Font, {}, {}, PromptButtons::OkCancel, PromptAnswer::Ok, PromptIcon::None, {}});
    if (m_fonts.isEmpty()) {
        return std::nullopt;
    }
    return m_fonts.dequeue();
}

std::optional<quint32> ScriptedUserPrompts::chooseColour(quint32) {
    m_shown.append(
        {ShownPrompt::Kind::Colour, {}, {}, PromptButtons::OkCancel, PromptAnswer::Ok, PromptIcon::None, {}});
    if (m_colours.isEmpty()) {
        return std::nullopt;
    }
    return m_colours.dequeue();
}

std::optional<QString> ScriptedUserPrompts::inputText(const QString &prompt, const QString &title,
                                                      const QString &) {
    m_shown.append({ShownPrompt::Kind::Input,
                    prompt,
                    title,
                    PromptButtons::OkCancel,
                    PromptAnswer::Ok,
                    PromptIcon::None,
                    {}});
    if (m_inputs.isEmpty()) {
        return std::nullopt;
    }
    return m_inputs.dequeue();
}

} // namespace qx::test
