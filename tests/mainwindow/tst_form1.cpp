#include <QtTest>
class Tform1 : public QObject { Q_OBJECT private slots: void pending() { QVERIFY(true); } };
QTEST_GUILESS_MAIN(Tform1)
#include "tst_form1.moc"
