#pragma once

#include <QComboBox>

namespace qx {

// A combo box of the options pages. Opening its list or pressing a key in it counts as a change for the
// dialog's Apply button, whether or not an entry is then chosen.
class OptionComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit OptionComboBox(const QString &objectName, QWidget *parent = nullptr);

    void showPopup() override;

Q_SIGNALS:
    void touched();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace qx
