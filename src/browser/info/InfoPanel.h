#pragma once

#include "browser/info/HistoryDatabase.h"
#include "browser/info/PictureLoader.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <functional>

class QAction;
class QLabel;
class QPlainTextEdit;
class QScrollBar;
class QWidget;

namespace qx {

class MainWindow;

// What the information panel asks of the rest of the window. An unset hook does nothing.
struct InfoPanelHooks {
    // Selects the shown view's selected entry again (after View ▸ History was switched).
    std::function<void()> reselectShownView;
};

// The information panel right of the set list (picHolder): the history text of the current set
// (txtHistory), its picture (picFlyer) with the caption line (Label1) and the scroll bar (HScroll1) that
// steps through the set's numbered snapshots. It owns the panel's state (what is shown, whether the history
// file is there) and connects View ▸ History, View ▸ Picture Image, Tools ▸ Reload History File and the item
// pop-up's "Open History in Text Editor" itself.
class InfoPanel : public QObject {
    Q_OBJECT
public:
    InfoPanel(MainWindow &window, InfoPanelHooks hooks = {}, QObject *parent = nullptr);
    ~InfoPanel() override;

    // --- Start-up and shutdown ---
    // Loads the history file and applies ShowHistory and picture: visibility, check marks, BothShown.
    void restoreFromSettings();
    // Writes picture and ShowHistory ("-1"/"0"); false when the settings file could not be written.
    bool writeSettings() const;

    // --- Selection ---
    // A set was selected: its history when the history is shown, its pictures when the picture is shown;
    // the scroll bar goes back to 0.
    void showSetInfo(const QString &name, const QString &parent);
    // No set is selected: history, picture and caption emptied.
    void clearSetInfo();

    // --- The documented operations ---
    // Notes whether the emulator directory has a history file; the file itself is read (off the window
    // thread) only while the history is shown, as a large or crafted file takes a while to index.
    void LoadHistory();
    QString HistoryRevision() const;
    void ShowSetHistory(const QString &name);
    void ShowPicture(const QString &name, const QString &parent);
    void ShowSnapshot();

    // --- Commands ---
    void setHistoryShown(bool shown); // View ▸ "&History" and its pop-up twin
    void setPictureShown(bool shown); // View ▸ "Picture &Image" and its pop-up twin
    void reloadHistory();             // Tools ▸ "Reload History File"
    void openHistoryInEditor();       // item pop-up ▸ "Open History in Text Editor"
    void toggleScrollBar();           // double-click on the caption, the picture or the panel
    void refreshToolTip();            // the caption's tooltip, by the ShowToolTips preference

    // --- State ---
    bool historyShown() const { return m_historyShown; }
    bool pictureShown() const { return m_pictureShown; }
    bool bothShown() const { return m_bothShown; }
    bool historyAvailable() const { return m_historyAvailable; }
    bool singlePicture() const { return m_singlePicture; }
    bool snapshotMode() const { return m_snapshotMode; }
    // The set whose history and picture are shown; empty when none is.
    const QString &shownSet() const { return m_name; }
    // Removes the shown picture (after its file was deleted): no picture, height 0, width 100 twips.
    void removePicture();
    // The numbered snapshot file the picture shows ("0003.png"); empty while it shows a flyer, nothing, or
    // a snapshot that was not found.
    QString shownSnapshot() const;
    // The caption line's text (a renamed or deleted snapshot's new name).
    void setCaption(const QString &text);
    bool snapshotScrolled() const { return m_snapshotScrolled; }
    const HistoryDatabase &historyDatabase() const { return m_history; }
    bool historyLoaded() const { return m_historyLoad == HistoryLoad::Done; }
    // Waits for the history file being read and shows it (for callers that need the result at once).
    void finishHistoryLoad();
    // The picture being shown, at its own size; null when none is.
    const QImage &currentPicture() const { return m_image; }
    // Pictures are decoded off the window thread and shown when ready. True while one is on its way.
    bool picturePending() const { return m_pending; }
    // Waits for the picture on its way and shows it (for callers that need the result at once).
    void finishPendingPicture();

    static inline const QString kHistoryWorkFile = QStringLiteral("qx_history.txt");

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class HistoryLoad { NotStarted, Running, Done };

    void connectActions();
    void ensureHistoryLoaded();
    void historyRead(quint64 ticket, const HistoryDatabase &database, bool ok);
    void hideMissingHistory();
    void showPictureFile(const QString &path);
    void pictureDecoded(quint64 ticket, const QString &path, const DecodedPicture &picture,
                        const QImage &drawn);
    QSize pictureArea() const;
    void fitPicture();
    void relayout();
    QString snapshotPath(const QString &name, int number) const;

    MainWindow &m_window;
    InfoPanelHooks m_hooks;
    HistoryDatabase m_history;
    HistoryLoad m_historyLoad = HistoryLoad::NotStarted;
    quint64 m_historyTicket = 0; // the history read whose result is awaited
    QString m_historyName;       // the set whose history is asked for
    PictureLoader m_loader;

    QWidget *m_panel = nullptr;
    QLabel *m_caption = nullptr;
    QLabel *m_picture = nullptr;
    QPlainTextEdit *m_historyBox = nullptr;
    QScrollBar *m_scroll = nullptr;
    QAction *m_historyAction = nullptr;
    QAction *m_pictureAction = nullptr;

    QString m_name; // the set whose information is shown
    QString m_parent;
    QImage m_image;
    QImage m_drawn;       // m_image scaled to fit, as the decoder prepared it
    quint64 m_ticket = 0; // the picture request whose result is awaited; older results are dropped
    bool m_pending = false;
    bool m_historyShown = false;
    bool m_pictureShown = false;
    bool m_bothShown = false;
    bool m_historyAvailable = false;
    bool m_singlePicture = false;
    bool m_snapshotMode = false;
    bool m_snapshotScrolled = false;
    bool m_layingOut = false;
    // Declared last: destroyed first, they wait for a running decode or history read before the rest goes.
    QThreadPool m_decoder;
    QThreadPool m_historyReader;
};

} // namespace qx
