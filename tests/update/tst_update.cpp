#include <QtTest>
class Tupdate : public QObject { Q_OBJECT private slots: void pending() { QVERIFY(true); } };
QTEST_GUILESS_MAIN(Tupdate)
#include "tst_update.moc"
