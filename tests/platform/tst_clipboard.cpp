#include "platform/QtPlatform.h"

#include <QtGui>
#include <QtTest>

using namespace Qt::StringLiterals;

// Runs on a real X server (Xvfb): the offscreen platform has no primary selection.
class tst_Clipboard : public QObject
{
    Q_OBJECT

private slots:
    void copy_fillsClipboardAndPrimarySelection()
    {
        QClipboard *clipboard = QGuiApplication::clipboard();
        QVERIFY(clipboard->supportsSelection());
        clipboard->setText(u"old"_s, QClipboard::Selection);
        QtClipboard().setText(u"PHG5130/145.500MHz T088 Hello"_s);
        QCOMPARE(clipboard->text(QClipboard::Clipboard), u"PHG5130/145.500MHz T088 Hello"_s);
        QCOMPARE(clipboard->text(QClipboard::Selection), u"PHG5130/145.500MHz T088 Hello"_s);
    }
};

QTEST_MAIN(tst_Clipboard)
#include "tst_clipboard.moc"
