// The list and tree models behind the browser's views.
#include "browser/setlist/SetListModel.h"
#include "browser/setlist/SetTreeModel.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QColor>
#include <QIcon>
#include <QTest>

using namespace qx;

namespace {

SetRecord Set(const QString &name, const QString &description, const QString &parent = {},
              SetState state = SetState::Available) {
    SetRecord record;
    record.Name = name;
    record.Description = description;
    record.Parent = parent;
    record.State = state;
    record.Year = QStringLiteral("198") + name.right(1);
    record.Manufacturer = QStringLiteral("Maker ") + name;
    record.Status = QStringLiteral("good");
    record.Driver = QStringLiteral("drv.cpp");
    record.Bios = QStringLiteral("no");
    return record;
}

SetCatalogue SampleCatalogue() {
    return SetCatalogue({Set(QStringLiteral("pac1"), QStringLiteral("Pac One")),
                         Set(QStringLiteral("pac2"), QStringLiteral("Pac Two"), QStringLiteral("pac1"),
                             SetState::Unavailable),
                         Set(QStringLiteral("dig3"), QStringLiteral("Dig Three"), {}, SetState::Unavailable),
                         Set(QStringLiteral("dig4"), QStringLiteral("Dig Four"), QStringLiteral("dig3"))});
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
        QCOMPARE(model.columnCount(), 7);
        QStringList captions;
        QStringList texts;
        for (int column = 0; column < 7; ++column) {
            captions << model.headerData(column, Qt::Horizontal).toString();
            texts << model.index(0, column).data().toString();
        }
        QCOMPARE(captions,
                 (QStringList{"Description", "Name", "Parent", "Year", "Manufacturer", "Status", "Driver"}));
        QCOMPARE(texts, (QStringList{"Pac Two", "pac2", "pac1", "1982", "Maker pac2", "good", "drv.cpp"}));
        QVERIFY(!model.index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
        QVERIFY(!model.index(0, 1).data(Qt::DecorationRole).isValid());
    }

    void clonesAreGhostedOnlyWhileGhostingIsOn() {
        const SetCatalogue catalogue = SampleCatalogue();
        SetListModel model(catalogue);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setRows({0, 1});
        QVERIFY(!model.index(0, 0).data(Qt::ForegroundRole).isValid());
        QVERIFY(model.index(1, 0).data(Qt::ForegroundRole).isValid());
        const QImage ghostIcon =
            model.index(1, 0).data(Qt::DecorationRole).value<QIcon>().pixmap(16).toImage();
        model.setGhostClones(false);
        QVERIFY(!model.index(1, 0).data(Qt::ForegroundRole).isValid());
        const QImage plainIcon =
            model.index(1, 0).data(Qt::DecorationRole).value<QIcon>().pixmap(16).toImage();
        QVERIFY(ghostIcon != plainIcon);
    }

    void availableAndUnavailableIconsDiffer() {
        const SetCatalogue catalogue = SampleCatalogue();
        SetListModel model(catalogue);
        model.setGhostClones(false);
        model.setRows({0, 2});
        const QImage available =
            model.index(0, 0).data(Qt::DecorationRole).value<QIcon>().pixmap(16).toImage();
        const QImage unavailable =
            model.index(1, 0).data(Qt::DecorationRole).value<QIcon>().pixmap(16).toImage();
        QVERIFY(available != unavailable);
    }

    void sortingKeepsTheSelectedRowAndLaterFillsStaySorted() {
        const SetCatalogue catalogue = SampleCatalogue();
        SetListModel model(catalogue);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setRows({0, 1, 2, 3});
        const QPersistentModelIndex selected = model.index(1, 1); // pac2
        model.sortByColumn(SetColumn::Description, false);
        QCOMPARE(model.record(0)->name().toString(), QStringLiteral("dig4"));
        QCOMPARE(selected.data().toString(), QStringLiteral("pac2"));
        QCOMPARE(selected.row(), 3);
        model.setRows({0, 1, 2});
        QCOMPARE(model.record(0)->name().toString(), QStringLiteral("dig3"));
        QCOMPARE(model.rowOfName(QStringLiteral("pac1")), 1);
        QCOMPARE(model.rowOfName(QStringLiteral("absent")), -1);
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
        QCOMPARE(dig.data().toString(), QStringLiteral("Dig Three"));
        QCOMPARE(model.rowCount(dig), 1);
        const QModelIndex clone = model.index(0, 0, dig);
        QCOMPARE(clone.data().toString(), QStringLiteral("Dig Four"));
        QCOMPARE(clone.parent(), dig);
        QCOMPARE(model.recordOfNode(model.nodeOf(clone))->name().toString(), QStringLiteral("dig4"));
        QCOMPARE(model.indexOfNode(model.nodeOf(clone)), clone);
        model.setLayout(SetTreeLayout::Flat({3, 0}));
        QCOMPARE(model.rowCount(), 2);
        QVERIFY(!model.hasChildren(model.index(0, 0)));
        model.clear();
        QCOMPARE(model.rowCount(), 0);
    }

    void treeNodesAreFoundByTheirText() {
        const SetCatalogue catalogue({Set(QStringLiteral("twin1"), QStringLiteral("Twin")),
                                      Set(QStringLiteral("twin2"), QStringLiteral("Twin"))});
        SetTreeModel model(catalogue);
        model.setLayout(SetTreeLayout::Grouped(catalogue, {0, 1}));
        QCOMPARE(model.firstNodeWithText("Twin"), 0);
        QCOMPARE(model.firstNodeWithText("None"), SetTreeLayout::kNoNode);
    }
};

QTEST_MAIN(SetModelsTest)
#include "SetModelsTest.moc"
