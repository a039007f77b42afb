#include "app/QtUserPrompts.h"

#include "app/AppearanceConversions.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace qx {

namespace {

QMessageBox::Icon toIcon(PromptIcon icon) {
    switch (icon) {
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Warning:
        return QMessageBox::Warning;
    case PromptIcon::Error:
        return QMessageBox::Critical;
    case PromptIcon::Question:
        return QMessageBox::Question;
    case PromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton toButton(PromptAnswer answer) {
    switch (answer) {
    case PromptAnswer::Yes:
        return QMessageBox::Yes;
    case PromptAnswer::No:
        return QMessageBox::No;
    case PromptAnswer::Cancel:
        return QMessageBox::Cancel;
    case PromptAnswer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons toButtons(PromptButtons buttons) {
    switch (buttons) {
    case PromptButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case PromptButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case PromptButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case PromptButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

PromptAnswer QtUserPrompts::ask(const QString &text, const QString &title, PromptButtons buttons,
                                PromptAnswer defaultButton, PromptIcon icon) {
    QMessageBox box(toIcon(icon), title, text, toButtons(buttons), m_owner);
    box.setDefaultButton(toButton(defaultButton));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    case QMessageBox::Cancel:
        return PromptAnswer::Cancel;
    default:
        break;
    }
    return buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Ok;
}

void QtUserPrompts::inform(const QString &text, const QString &title, PromptIcon icon) {
    QMessageBox box(toIcon(icon), title, text, QMessageBox::Ok, m_owner);
    box.exec();
}

FileDialogResult QtUserPrompts::chooseFile(const FileDialogRequest &request) {
    QFileDialog dialog(m_owner, request.title, request.initialFolder, request.filter);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (!request.initialFile.isEmpty()) {
        dialog.selectFile(request.initialFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    const QString path = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    return {QFileInfo(path).fileName(), path};
}

QString QtUserPrompts::chooseFolder(const QString &title, const QString &initialFolder) {
    return QFileDialog::getExistingDirectory(m_owner, title, initialFolder, QFileDialog::ShowDirsOnly);
}

std::optional<FontChoice> QtUserPrompts::chooseFont(const FontChoice &initial, bool withColour) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, FontFromChoice(initial, QFont()), m_owner);
    if (!ok) {
        return std::nullopt;
    }
    FontChoice chosen = ChoiceFromFont(font);
    if (withColour) {
        // Qt's font dialog has no colour; the text colour is asked right after, preset with the current one.
        const QColor colour = QColorDialog::getColor(ColourFromNumber(initial.colour.value_or(0)), m_owner,
                                                     QObject::tr("Text Colour"));
        chosen.colour = colour.isValid() ? std::optional<quint32>(NumberFromColour(colour)) : initial.colour;
    }
    return chosen;
}

std::optional<quint32> QtUserPrompts::chooseColour(quint32 initial) {
    const QColor colour = QColorDialog::getColor(ColourFromNumber(initial), m_owner);
    if (!colour.isValid()) {
        return std::nullopt;
    }
    return NumberFromColour(colour);
}

std::optional<QString> QtUserPrompts::inputText(const QString &prompt, const QString &title,
                                                const QString &defaultText) {
    bool ok = false;
    const QString text = QInputDialog::getText(m_owner, title, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok) {
        return std::nullopt;
    }
    return text;
}

} // namespace qx
