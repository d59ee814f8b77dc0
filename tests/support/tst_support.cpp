#include <QtTest>
class Tsupport : public QObject { Q_OBJECT private slots: void pending() { QVERIFY(true); } };
QTEST_GUILESS_MAIN(Tsupport)
#include "tst_support.moc"
