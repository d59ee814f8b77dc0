#include "platform/QtPlatform.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

// Runs on a real X server (Xvfb): the offscreen platform has no primary selection.
class tst_Clipboard : public QObject
{
    Q_OBJECT

private slots:
    void copy_fillsClipboardAndPrimarySelection();
};

void tst_Clipboard::copy_fillsClipboardAndPrimarySelection()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    QVERIFY(clipboard->supportsSelection());
    clipboard->setText(QStringLiteral("old"), QClipboard::Selection);
    QtClipboard copy;
    copy.setText(QStringLiteral("PHG5130/145.500MHz T088 Hello"));
    QCOMPARE(clipboard->text(QClipboard::Clipboard), QStringLiteral("PHG5130/145.500MHz T088 Hello"));
    QCOMPARE(clipboard->text(QClipboard::Selection), QStringLiteral("PHG5130/145.500MHz T088 Hello"));
}

QTEST_MAIN(tst_Clipboard)
#include "tst_clipboard.moc"
