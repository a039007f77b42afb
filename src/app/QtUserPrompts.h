#pragma once

#include "app/UserPrompts.h"

#include <QPointer>

class QWidget;

namespace qx {

// UserPrompts shown as real dialogs, owned by the given window.
class QtUserPrompts : public UserPrompts {
public:
    explicit QtUserPrompts(QWidget *owner = nullptr) : m_owner(owner) {}
    void setOwner(QWidget *owner) { m_owner = owner; }

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
    QPointer<QWidget> m_owner;
};

} // namespace qx
