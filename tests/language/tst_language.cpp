#include <QtTest>
class Tlanguage : public QObject { Q_OBJECT private slots: void pending() { QVERIFY(true); } };
QTEST_GUILESS_MAIN(Tlanguage)
#include "tst_language.moc"
