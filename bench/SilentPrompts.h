#pragma once

#include "app/UserPrompts.h"

namespace qx::bench {

// Prompts that show nothing: every question takes its default answer and every dialog is cancelled, so a
// benchmark measures the program and not a dialog.
class SilentPrompts : public UserPrompts {
public:
    PromptAnswer ask(const QString &, const QString &, PromptButtons, PromptAnswer defaultButton,
                     PromptIcon) override {
        return defaultButton;
    }
    void inform(const QString &, const QString &, PromptIcon) override {}
    FileDialogResult chooseFile(const FileDialogRequest &) override { return {}; }
    QString chooseFolder(const QString &, const QString &) override { return {}; }
    std::optional<FontChoice> chooseFont(const FontChoice &, bool) override { return std::nullopt; }
    std::optional<quint32> chooseColour(quint32) override { return std::nullopt; }
    std::optional<QString> inputText(const QString &, const QString &, const QString &) override {
        return std::nullopt;
    }
};

} // namespace qx::bench
