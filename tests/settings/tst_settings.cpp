#include <QtTest>
class Tsettings : public QObject { Q_OBJECT private slots: void pending() { QVERIFY(true); } };
QTEST_GUILESS_MAIN(Tsettings)
#include "tst_settings.moc"
