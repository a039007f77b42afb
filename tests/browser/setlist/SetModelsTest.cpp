// The list and tree models behind the browser's views.
#include "TestDirs.h"
#include "browser/setlist/SetListModel.h"
#include "browser/setlist/SetTreeModel.h"
#include "catalogue/SetListCache.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QIcon>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTest>

using namespace qx;

namespace {

// pac2 is an unavailable clone of pac1, dig4 an available clone of the unavailable dig3.
SetCatalogue SampleCatalogue() {
    const QTemporaryDir dir;
    test::writeFile(dir.filePath("qx.dat"), "pac1=Pac One==Maker pac1=1981=good=1=drv.cpp=no\r\n"
                                            "pac2=Pac Two=pac1=Maker pac2=1982=good=2=drv.cpp=no\r\n"
                                            "dig3=Dig Three==Maker dig3=1983=good=2=drv.cpp=no\r\n"
                                            "dig4=Dig Four=dig3=Maker dig4=1984=good=1=drv.cpp=no\r\n");
    return LoadSetList(dir.filePath("qx.dat"), true);
}

QImage iconOf(const QModelIndex &index) {
    return index.data(Qt::DecorationRole).value<QIcon>().pixmap(16).toImage();
}

} // namespace

class SetModelsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theListModelShowsTheSevenColumns() {
        const SetCatalogue catalogue = SampleCatalogue();
        SetListModel model(catalogue);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setRows({1});
        QStringList captions, texts;
        for (int column = 0; column < model.columnCount(); ++column) {
            captions << model.headerData(column, Qt::Horizontal).toString();
            texts << model.index(0, column).data().toString();
        }
        QCOMPARE(captions,
                 (QStringList{"Description", "Name", "Parent", "Year", "Manufacturer", "Status", "Driver"}));
        QCOMPARE(texts, (QStringList{"Pac Two", "pac2", "pac1", "1982", "Maker pac2", "good", "drv.cpp"}));
        QVERIFY(!model.index(0, 1).data(Qt::DecorationRole).isValid());
    }

    // Available and unavailable sets have icons of their own; clones are ghosted only while ghosting is on.
    void iconsShowAvailabilityAndGhostedClones() {
        const SetCatalogue catalogue = SampleCatalogue();
        SetListModel model(catalogue);
        model.setRows({0, 1, 2});
        QVERIFY(!model.index(0, 0).data(Qt::ForegroundRole).isValid());
        QVERIFY(model.index(1, 0).data(Qt::ForegroundRole).isValid());
        const QImage ghost = iconOf(model.index(1, 0));
        model.setGhostClones(false);
        QVERIFY(!model.index(1, 0).data(Qt::ForegroundRole).isValid());
        QVERIFY(ghost != iconOf(model.index(1, 0)) && iconOf(model.index(0, 0)) != iconOf(model.index(2, 0)));
    }

    void sortingKeepsTheSelectedRowAndLaterFillsStaySorted() {
        const SetCatalogue catalogue = SampleCatalogue();
        SetListModel model(catalogue);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setRows({0, 1, 2, 3});
        const QPersistentModelIndex selected = model.index(1, 1); // pac2
        model.sortByColumn(SetColumn::Description, false);
        QCOMPARE(model.record(0)->name().toString(), "dig4");
        QVERIFY(selected.data().toString() == "pac2" && selected.row() == 3);
        model.setRows({0, 1, 2});
        QCOMPARE(model.record(0)->name().toString(), "dig3");
        QVERIFY(model.rowOfName("pac1") == 1 && model.rowOfName("x") == -1);
        model.removeRow(0);
        QCOMPARE(model.rowCount(), 2);
    }

    void theTreeModelGroupsClones() {
        const SetCatalogue catalogue = SampleCatalogue();
        SetTreeModel model(catalogue);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setLayout(SetTreeLayout::Grouped(catalogue, {0, 1, 2, 3}));
        QCOMPARE(model.rowCount(), 2);
        const QModelIndex dig = model.index(1, 0);
        const QModelIndex clone = model.index(0, 0, dig);
        QVERIFY(model.rowCount(dig) == 1 && clone.parent() == dig);
        QCOMPARE(dig.data().toString() + '/' + clone.data().toString(), "Dig Three/Dig Four");
        QCOMPARE(model.recordOfNode(model.nodeOf(clone))->name().toString(), "dig4");
        QCOMPARE(model.indexOfNode(model.nodeOf(clone)), clone);
        model.setLayout(SetTreeLayout::Flat({3, 0}));
        QVERIFY(model.rowCount() == 2 && !model.hasChildren(model.index(0, 0)));
        model.clear();
        QCOMPARE(model.rowCount(), 0);
    }
};

QTEST_MAIN(SetModelsTest)
#include "SetModelsTest.moc"
