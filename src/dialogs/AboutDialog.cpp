#include "dialogs/AboutDialog.h"

#include "app/LinkLabel.h"
#include "app/PlatformServices.h"
#include "app/SettingsKeys.h"
#include "app/WindowHelpers.h"
#include "dialogs/AboutText.h"
#include "dialogs/DialogCommon.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace qx {

namespace {

constexpr int kVersionLabels = 5;
constexpr int kIconSize = 64;

} // namespace

AboutDialog::AboutDialog(const AboutContext &context)
    : QDialog(context.parent), m_services(context.services) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(AboutCaption());

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(ApplicationIcon().pixmap(kIconSize, kIconSize));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto *texts = new QVBoxLayout;
    const QStringList lines = AboutVersionLines(context.settings);
    for (int index = 0; index < kVersionLabels; ++index) {
        auto *label = new QLabel(lines.value(index), this);
        label->setObjectName(QStringLiteral("lblVersion%1").arg(index));
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setVisible(index < lines.size());
        m_versionLines.append(label);
        texts->addWidget(label);
        if (index == 0) {
            auto *credit = new QLabel(AboutCreditLine(), this);
            credit->setObjectName(QStringLiteral("lblDescription"));
            texts->addWidget(credit);
            texts->addSpacing(8);
        }
    }
    // Only weight and size are set, so the family still follows the dialogue font.
    QFont title;
    title.setBold(true);
    title.setPointSizeF(font().pointSizeF() * 1.25);
    m_versionLines.first()->setFont(title);

    auto *links = new QFormLayout;
    links->setHorizontalSpacing(6);
    LinkLabel *home = addLink(links, QStringLiteral("Home:"), kHomePage, QStringLiteral("lblHome"));
    connect(home, &LinkLabel::activated, this, [this, home] { m_services.openUrl(home->text()); });
    LinkLabel *email = addLink(links, QStringLiteral("Email:"), kContactEmail, QStringLiteral("lblEmail"));
    connect(email, &LinkLabel::activated, this,
            [this, email] { m_services.openUrl(QStringLiteral("mailto:") + email->text()); });
    texts->addSpacing(8);
    texts->addLayout(links);

    auto *close = new LinkLabel(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("Label1"));
    connect(close, &LinkLabel::activated, this, &QDialog::accept);
    // The keyboard starts on "Close", so Enter closes the box as Escape does.
    close->setFocus();

    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(16);
    grid->addWidget(icon, 0, 0);
    grid->addLayout(texts, 0, 1);
    grid->addWidget(close, 1, 1, Qt::AlignRight);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    ApplyDialogueFont(this, context.settings.get(Settings::DialogueFont));
    if (context.fullScreenListActive) {
        SetTopmost(this);
    }
}

LinkLabel *AboutDialog::addLink(QFormLayout *links, const QString &caption, const QString &text,
                                const QString &objectName) {
    auto *label = new QLabel(caption, this);
    label->setObjectName(objectName + QStringLiteral("Text"));
    auto *link = new LinkLabel(text, this);
    link->setObjectName(objectName);
    links->addRow(label, link);
    return link;
}

void OpenAbout(const AboutContext &context) {
    AboutDialog dialog(context);
    ShowModal(dialog, context.runModal);
}

} // namespace qx
