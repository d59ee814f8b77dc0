#pragma once

#include "UpdateView.h"
#include "support/ProgramIdentity.h"

#include <QLocale>
#include <QObject>
#include <QString>

class MessageBox;
class Transfer;
struct TransferResult;

// Checks the web site for a newer program or, failing that, newer language and
// documentation files, by reading one update page. It reports on an UpdateView and
// downloads nothing itself. The check runs while the program goes on: started and
// finished mark it, so that whoever starts checks can keep a second one from starting.
class clsUpdate final : public QObject
{
    Q_OBJECT

public:
    static constexpr int fetchTimeoutMs = 15000;

    // programName is looked for on the page, programTitle heads the message boxes,
    // languageVersion is the lowest version of the installed language files and
    // ownVersion the one the program compares itself with; numbers in the status
    // and log are written in the locale's format.
    clsUpdate(const QString &programName, const QString &programTitle, qint16 languageVersion,
              Transfer &transfer, MessageBox &messages, UpdateView &view,
              const ProgramVersion &ownVersion = ProgramIdentity::program_version(),
              const QLocale &locale = QLocale(), int timeoutMs = fetchTimeoutMs);

    QString URL;
    QString UpdateFile() const { return updateFile; }
    void setSilent(bool silent) { Silent = silent; }

    // Starts one complete check, unless one is running; it reports on the view and
    // ends when the page has been fetched and read, or the fetch failed.
    void check4update();

    // The address the download link opens, or empty when URL and UpdateFile would
    // make anything but a plain http or https address. An update-file value that
    // gives no address is never taken.
    QString download_address() const;

signals:
    void started();
    void finished();

private:
    void fetched(const TransferResult &fetched);
    void check_page(const QByteArray &bytes, bool silent);
    void append_logging(const QString &text);
    void status(const QString &text, UpdateView::Colour colour);
    bool check_programVersion(const QString &page);
    void check_documentationVersion(const QString &page);
    bool take_updateFile(const QString &page, const QString &key);
    QString number_text(double value) const;

    QString programName;
    QString programTitle;
    qint16 languageVersion;
    Transfer &transfer;
    MessageBox &messages;
    UpdateView &view;
    QString updateFile;
    bool Silent = true;
    bool running = false;
    bool runningSilent = true; // Silent as it was when the running check started
    ProgramVersion ownVersion;
    QLocale locale;
    int timeoutMs;
};
