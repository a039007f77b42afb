// The report style of the set list moves like a list, not like a spreadsheet.
#include "browser/setlist/SetReportView.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTest>

using namespace qx;

class SetReportViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keysMoveBetweenSetsAndScrollTheColumns() {
        QStandardItemModel model(200, 7);
        for (int row = 0; row < model.rowCount(); ++row) {
            for (int column = 0; column < model.columnCount(); ++column) {
                model.setItem(row, column,
                              new QStandardItem(QStringLiteral("set%1 field %2").arg(row).arg(column)));
            }
        }
        SetReportView view;
        view.setModel(&model);
        view.setSelectionBehavior(QAbstractItemView::SelectRows);
        view.setEditTriggers(QAbstractItemView::NoEditTriggers);
        view.resize(300, 200);
        for (int column = 0; column < model.columnCount(); ++column) {
            view.horizontalHeader()->resizeSection(column, 150);
        }
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setCurrentIndex(model.index(50, 0));

        QTest::keyClick(&view, Qt::Key_Home);
        QCOMPARE(view.currentIndex().row(), 0);
        QTest::keyClick(&view, Qt::Key_End);
        QCOMPARE(view.currentIndex().row(), 199);

        // Left and Right leave the cursor on its set and scroll the columns into view.
        const QModelIndex before = view.currentIndex();
        QCOMPARE(view.horizontalScrollBar()->value(), 0);
        QTest::keyClick(&view, Qt::Key_Right);
        QCOMPARE(view.currentIndex(), before);
        QVERIFY(view.horizontalScrollBar()->value() > 0);
        QTest::keyClick(&view, Qt::Key_Left);
        QCOMPARE(view.horizontalScrollBar()->value(), 0);
        QCOMPARE(view.currentIndex(), before);

        // Typing finds a set by the first column, even after a click in another column.
        view.setCurrentIndex(model.index(3, 4));
        QTest::keyClicks(&view, QStringLiteral("set12"));
        QCOMPARE(view.currentIndex().row(), 12);
        QCOMPARE(view.currentIndex().column(), 0);

        // Every row has the same height, tall enough for a line of text.
        QCOMPARE(view.rowHeight(0), view.rowHeight(199));
        QVERIFY(view.rowHeight(0) >= view.fontMetrics().height());
    }
};

QTEST_MAIN(SetReportViewTest)
#include "SetReportViewTest.moc"
