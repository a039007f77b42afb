#pragma once

#include "options/OptionLayers.h"
#include "options/OptionModel.h"
#include "options/OptionsDialogContext.h"
#include "options/OptionsPage.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class QStackedWidget;
class QTreeWidget;

namespace qx {

class LinkLabel;

// The options dialog (frmOptions): one of MAME's option files, edited on seven pages chosen in a tree. OK
// writes what changed and closes, Apply writes what changed and stays, Cancel and Escape close without
// writing; "Delete this file" removes a layer file. In the Vector, Driver and Set scopes every value this
// file sets over the files below it is shown in bold, with each layer's value in its tool tip.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    // optionFile is the scope's file, already there (OptionFileForScope).
    OptionsDialog(const OptionsDialogContext &context, const QString &optionFile, QWidget *parent = nullptr);

    OptionPage currentPage() const;
    void showPage(OptionPage page);

public Q_SLOTS:
    void accept() override;

private:
    QWidget *buildTree();
    void buildPages();
    QLayout *buildFooter();
    void applyDialogFont();
    void loadPages();
    void refreshPages();
    void markChanged();
    bool save();
    void apply();
    void deleteFile();

    OptionsDialogContext m_context;
    QString m_file;
    OptionModel m_model;
    OptionLayers m_layers;
    OptionsPageShared m_shared;
    std::array<OptionsPage *, 7> m_pages{};
    QTreeWidget *m_tree = nullptr;
    QStackedWidget *m_stack = nullptr;
    QLabel *m_help = nullptr;
    QLabel *m_legend = nullptr;
    LinkLabel *m_delete = nullptr;
    QPushButton *m_apply = nullptr;
};

} // namespace qx
